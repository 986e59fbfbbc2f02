#include "platform/real/dialog_window.h"
#include "platform/common/dialog_input.h"
#include "platform/message_box.h"
#include "platform/real/backend_window.h"

#include <FL/Fl.H>

#include <climits>
#include <cstdint>

namespace {

void post(Hwnd dialog, unsigned message, Wparam wparam, Lparam lparam) {
    post_message(dialog, message, wparam, lparam);
}

Wparam clicked(int id) {
    return static_cast<Wparam>(static_cast<unsigned>(id) & 0xFFFFu);
}

// Dark and quiet, so that the editor sits well beside the starfield; set once, for every
// FLTK window (message boxes and file choosers match the dialogs).
void apply_look() {
    static bool applied;
    if (applied) return;
    applied = true;
    Fl::scheme("gtk+");
    Fl::background(34, 38, 50);
    Fl::background2(18, 20, 28);
    Fl::foreground(222, 228, 240);
    Fl::set_color(FL_SELECTION_COLOR, 70, 118, 208);
}

DialogWindow* dialog_window_of(Window* dialog) {
    return dialog && dialog->backend ? dialog->backend->dialog : nullptr;
}

void control_changed(Window* dialog, const Control& control) {
    show_control(dialog_window_of(dialog), control);
}

void focus_changed(Window* dialog, const Control& control) {
    DialogWindow* window = dialog_window_of(dialog);
    if (!window) return;
    Fl_Widget* widget = window->widgets[control_index(*dialog->dialog, control)];
    if (widget && widget->visible_r() && widget->active_r()) widget->take_focus();
}

const DialogDisplay FLTK_DISPLAY = {control_changed, focus_changed};

void close_requested(Fl_Widget* widget, void*) {
    auto* window = static_cast<DialogWindow*>(widget);
    if (!window->window) return;
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape)
        post(window->window, WM_COMMAND, clicked(IDCANCEL), 0);
    else
        post(window->window, WM_CLOSE, 0, 0);
}

// The smallest control with an id under the pointer; frames are only backgrounds.
const Control* control_at(const DialogModel& model, int x, int y) {
    const Control* found = nullptr;
    long found_area = LONG_MAX;
    for (const Control& control : model.controls) {
        const Rect& r = control.rect;
        if (control.id < 0 || !control.shown || control.kind == CTL_GROUPBOX) continue;
        if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
        const long area = static_cast<long>(rect_width(r)) * rect_height(r);
        if (area < found_area) {
            found = &control;
            found_area = area;
        }
    }
    return found;
}

// The model learns which widget FLTK focused, so that Enter finds a focused button.
void take_focus_from_fltk(DialogWindow* window) {
    DialogModel& model = *window->window->dialog;
    for (size_t i = 0; i < window->widgets.size(); ++i)
        if (window->widgets[i] && window->widgets[i] == Fl::focus())
            model.focus = static_cast<int>(i);
}

Lparam event_position() {
    return make_lparam(static_cast<unsigned>(Fl::event_x()), static_cast<unsigned>(Fl::event_y()));
}

} // namespace

DialogWindow::DialogWindow(Window* window, const Rect& rect)
    : Fl_Double_Window(rect.left, rect.top, std::max(rect_width(rect), 1),
                       std::max(rect_height(rect), 1)),
      window(window) {
    callback(close_requested);
}

int DialogWindow::handle(int event) {
    if (event == FL_PUSH && Fl::event_button() == FL_RIGHT_MOUSE && window && window->dialog) {
        if (const Control* control = control_at(*window->dialog, Fl::event_x(), Fl::event_y()))
            user_right_click(window, control->id, post);
        else
            post(window, WM_RBUTTONDOWN, 0, event_position());
        return 1;
    }
    const int used = Fl_Double_Window::handle(event);
    if (used || !window || !window->dialog) return used;
    // A click on the window itself or on static text, which no widget takes.
    if (event == FL_PUSH && Fl::event_button() == FL_LEFT_MOUSE) {
        post(window, WM_LBUTTONDOWN, 0, event_position());
        return 1;
    }
    if (event != FL_KEYBOARD && event != FL_SHORTCUT) return used;
    switch (Fl::event_key()) {
    case FL_Enter:
    case FL_KP_Enter:
        take_focus_from_fltk(this);
        post(window, WM_COMMAND, clicked(enter_command(*window->dialog)), 0);
        return 1;
    case FL_Escape:
        post(window, WM_COMMAND, clicked(IDCANCEL), 0);
        return 1;
    default:
        return used;
    }
}

void DialogWindow::resize(int x, int y, int width, int height) {
    Fl_Double_Window::resize(x, y, width, height);
    if (window) window_table_move(window, x, y, width, height);
}

void dialog_window_detach(DialogWindow* dialog) {
    dialog->window = nullptr;
}

void build_dialog_window(Window* dialog, bool modal) {
    apply_look();
    dialog_display = &FLTK_DISPLAY;
    Fl_Group* open_group = Fl_Group::current();
    Fl_Group::current(nullptr); // a dialog is a top-level window of its own
    auto* window = new DialogWindow(dialog, dialog->rect);
    dialog->backend = new BackendWindow;
    dialog->backend->top = window;
    dialog->backend->dialog = window;
    window->copy_label(dialog->title.c_str());
    const auto& controls = dialog->dialog->controls;
    for (size_t i = 0; i < controls.size(); ++i)
        window->widgets.push_back(make_control_widget(controls[i], static_cast<int>(i),
                                                      dialog->dialog->source->text_size));
    window->end();
    Fl_Group::current(open_group);
    // Fixed children: the program sizes the window (the control window shows a part of it).
    window->resizable(nullptr);
    window->border((dialog->style & WS_CAPTION) != 0);
    if (!(dialog->style & WS_CAPTION)) window->box(FL_BORDER_BOX); // its own edge
    if (modal) window->set_modal();
    for (const Control& control : controls) show_control(window, control);
}
