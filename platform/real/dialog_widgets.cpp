// One FLTK widget per control kind. Callbacks turn the user's change into the shared user
// action; the model then decides the state, and the widget is set back to it (so radio groups,
// manual check boxes and clamped positions look as the model says).
#include "platform/common/dialog_input.h"
#include "platform/real/dialog_window.h"
#include "platform/real/drawn_boxes.h"
#include "platform/real/frames_go_on.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Progress.H>
#include <FL/Fl_Repeat_Button.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Slider.H>

#include <cstdint>
#include <cstring>

namespace {

void post(Hwnd dialog, unsigned message, Wparam wparam, Lparam lparam) {
    post_message(dialog, message, wparam, lparam);
}

int index_of(Fl_Widget* widget) {
    return static_cast<int>(reinterpret_cast<intptr_t>(widget->user_data()));
}

void button_pressed(Fl_Widget* widget, void*) {
    WidgetControl at = control_of(widget);
    if (!at.control) return;
    user_click(at.dialog, at.control->id, post);
    // Whatever FLTK toggled, the model has the last word.
    show_control(static_cast<DialogWindow*>(widget->window()), *at.control);
}

void slider_moved(Fl_Widget* widget, void*) {
    WidgetControl at = control_of(widget);
    if (!at.control) return;
    const int position = static_cast<int>(static_cast<Fl_Slider*>(widget)->value());
    if (position != at.control->position)
        user_move_trackbar(at.dialog, at.control->id, position, post);
}

void text_edited(Fl_Widget* widget, void*) {
    WidgetControl at = control_of(widget);
    if (at.control)
        user_type(at.dialog, at.control->id, static_cast<Fl_Input*>(widget)->value(), post);
}

void choice_picked(Fl_Widget* widget, void*) {
    WidgetControl at = control_of(widget);
    if (at.control)
        user_select(at.dialog, at.control->id, static_cast<Fl_Choice*>(widget)->value(), post);
}

void browser_picked(Fl_Widget* widget, void*) {
    WidgetControl at = control_of(widget);
    const int line = static_cast<Fl_Hold_Browser*>(widget)->value();
    if (at.control && line > 0) user_select(at.dialog, at.control->id, line - 1, post);
}

// The up-down control of an edit, if it has one.
Control* updown_of_edit(Window* dialog, const Control& edit) {
    DialogModel& model = *dialog->dialog;
    const int at = control_index(model, edit);
    for (Control& control : model.controls)
        if (control.kind == CTL_UPDOWN && control.buddy == at) return &control;
    return nullptr;
}

void spin(Window* dialog, Control& updown, int step) {
    // Digits typed into the edit count: the step starts from what it shows.
    const int from = updown_get_pos(dialog, updown.id);
    const int up = updown.maximum >= updown.minimum ? step : -step;
    user_spin(dialog, updown.id, from + up, post);
}

void spin_pressed(Fl_Widget* widget, void* step) {
    WidgetControl at = control_of(widget->parent());
    if (at.control)
        spin(at.dialog, *at.control, static_cast<int>(reinterpret_cast<intptr_t>(step)));
}

// An edit that steps its up-down control with the arrow keys.
template <class Input> class EditField : public Input {
  public:
    using Input::Input;
    int handle(int event) override {
        if (event == FL_KEYBOARD && (Fl::event_key() == FL_Up || Fl::event_key() == FL_Down)) {
            WidgetControl at = control_of(this);
            if (at.control)
                if (Control* updown = updown_of_edit(at.dialog, *at.control)) {
                    spin(at.dialog, *updown, Fl::event_key() == FL_Up ? 1 : -1);
                    return 1;
                }
        }
        return Input::handle(event);
    }
};

// Combo entries kept as menu items built here, so that no character of a module name is
// taken for menu markup.
class ComboBox : public Fl_Choice {
  public:
    using Fl_Choice::Fl_Choice;
    // A click or a key opens the list, whose loop runs inside this call.
    int handle(int event) override {
        FramesGoOn frames;
        return Fl_Choice::handle(event);
    }
    void set_entries(const std::vector<std::string>& entries) {
        if (entries == shown) return;
        shown = entries;
        labels.clear();
        for (const std::string& entry : entries) labels.push_back(literal_label(entry, true));
        items.assign(labels.size() + 1, Fl_Menu_Item{});
        for (size_t i = 0; i < labels.size(); ++i) {
            items[i].text = labels[i].c_str();
            items[i].labelsize_ = static_cast<uchar>(TEXT_SIZE);
            items[i].labelcolor_ = FL_FOREGROUND_COLOR;
        }
        menu(items.data());
    }

  private:
    std::vector<std::string> shown, labels;
    std::vector<Fl_Menu_Item> items;
};

class ListBox : public Fl_Hold_Browser {
  public:
    using Fl_Hold_Browser::Fl_Hold_Browser;
    void set_entries(const std::vector<std::string>& entries) {
        if (entries == shown) return;
        shown = entries;
        clear();
        for (const std::string& entry : entries) add(entry.c_str());
    }

  private:
    std::vector<std::string> shown;
};

// Where a trackbar shows marks: at every step of its frequency, or at both ends (frequency 0),
// and at each mark set one by one.
std::vector<int> tick_values(const Control& control) {
    std::vector<int> values = control.ticks;
    if (control.tick_frequency == 0) {
        values.push_back(control.minimum);
        values.push_back(control.maximum);
    } else if (control.tick_frequency > 0) {
        for (int v = control.minimum; v <= control.maximum; v += control.tick_frequency)
            values.push_back(v);
    }
    return values;
}

// Two arrow buttons; the group carries the control's index.
Fl_Widget* make_updown(const Rect& r) {
    auto* group = new Fl_Group(r.left, r.top, rect_width(r), rect_height(r));
    const int half = rect_height(r) / 2;
    auto* up = new Fl_Repeat_Button(r.left, r.top, rect_width(r), half, "@-18>");
    auto* down =
        new Fl_Repeat_Button(r.left, r.top + half, rect_width(r), rect_height(r) - half, "@-12>");
    up->callback(spin_pressed, reinterpret_cast<void*>(intptr_t{1}));
    down->callback(spin_pressed, reinterpret_cast<void*>(intptr_t{-1}));
    for (Fl_Widget* arrow : {static_cast<Fl_Widget*>(up), static_cast<Fl_Widget*>(down)}) {
        arrow->labelsize(8);
        arrow->visible_focus(0);
    }
    group->end();
    return group;
}

Fl_Widget* make_widget(const Control& control) {
    const Rect& r = control.rect;
    const int x = r.left, y = r.top, w = std::max(rect_width(r), 1),
              h = std::max(rect_height(r), 1);
    switch (control.kind) {
    case CTL_BUTTON:
    case CTL_DEFBUTTON: {
        auto* button = new PictureButton(x, y, w, h);
        button->callback(button_pressed);
        if (control.kind == CTL_DEFBUTTON)
            button->color(fl_color_average(ACCENT, FL_BACKGROUND_COLOR, 0.35f));
        return button;
    }
    case CTL_PUSHLIKE: {
        auto* button = new PictureButton(x, y, w, h);
        button->type(FL_TOGGLE_BUTTON);
        button->selection_color(fl_color_average(ACCENT, FL_BACKGROUND_COLOR, 0.6f));
        button->callback(button_pressed);
        return button;
    }
    case CTL_CHECKBOX: {
        auto* box = new Fl_Check_Button(x, y, w, h);
        box->selection_color(ACCENT);
        box->callback(button_pressed);
        return box;
    }
    case CTL_RADIO: {
        auto* radio = new Fl_Round_Button(x, y, w, h);
        radio->type(FL_TOGGLE_BUTTON); // the model keeps the group, not FLTK
        radio->selection_color(ACCENT);
        radio->callback(button_pressed);
        return radio;
    }
    case CTL_GROUPBOX:
        return new GroupFrame(x, y, w, h);
    case CTL_LABEL: {
        // FLTK keeps 3 pixels clear on each side of an inside label; static text uses its
        // whole rectangle.
        if (control.style & CS_SUNKEN) {
            auto* framed = new Fl_Box(FL_DOWN_BOX, x, y, w, h, nullptr);
            framed->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
            return framed;
        }
        auto* label = new Fl_Box(x - 3, y, w + 6, h);
        label->align(FL_ALIGN_INSIDE | FL_ALIGN_TOP | FL_ALIGN_WRAP | FL_ALIGN_CLIP |
                     (control.style & CS_RIGHT ? FL_ALIGN_RIGHT : FL_ALIGN_LEFT));
        return label;
    }
    case CTL_ICON: {
        return new IconBox(x, y, w, h, control.text);
    }
    case CTL_EDIT: {
        Fl_Input* edit = control.style & CS_RIGHT
                             ? new EditField<RightAlignedInput>(x, y, w, h)
                             : static_cast<Fl_Input*>(new EditField<Fl_Input>(x, y, w, h));
        if (control.style & CS_PASSWORD) edit->type(FL_SECRET_INPUT);
        edit->when(FL_WHEN_CHANGED);
        edit->callback(text_edited);
        return edit;
    }
    case CTL_TRACKBAR: {
        auto* slider = new TickSlider(x, y, w, h);
        slider->type(control.style & CS_VERTICAL ? FL_VERT_NICE_SLIDER : FL_HOR_NICE_SLIDER);
        slider->step(1);
        slider->selection_color(ACCENT);
        slider->callback(slider_moved);
        return slider;
    }
    case CTL_UPDOWN:
        return make_updown(r);
    case CTL_COMBOBOX: {
        // A drop-down's template height includes its open list; the closed box is one row.
        auto* combo = new ComboBox(x, y, w, std::min(h, dialog_units_to_y(13)));
        combo->callback(choice_picked);
        return combo;
    }
    case CTL_LISTBOX: {
        auto* list = new ListBox(x, y, w, h);
        list->format_char(0);
        list->callback(browser_picked);
        return list;
    }
    case CTL_PROGRESS: {
        auto* bar = new Fl_Progress(x, y, w, h);
        bar->minimum(0);
        bar->maximum(100);
        bar->selection_color(ACCENT);
        return bar;
    }
    }
    return nullptr;
}

bool shows_text_as_label(ControlKind kind) {
    switch (kind) {
    case CTL_BUTTON:
    case CTL_DEFBUTTON:
    case CTL_PUSHLIKE:
    case CTL_CHECKBOX:
    case CTL_RADIO:
    case CTL_GROUPBOX:
    case CTL_LABEL:
        return true;
    default:
        return false;
    }
}

} // namespace

std::string literal_label(const std::string& text, bool shortcut_markup) {
    std::string shown;
    for (char c : text) {
        // Doubled, they stand for themselves.
        if (c == '@' || (c == '&' && shortcut_markup)) shown += c;
        shown += c;
    }
    return shown;
}

Fl_Widget* make_control_widget(const Control& control, int index, int text_size) {
    Fl_Widget* widget = make_widget(control);
    if (!widget) return nullptr;
    const int size = text_size > 0 ? text_size : TEXT_SIZE;
    widget->user_data(reinterpret_cast<void*>(static_cast<intptr_t>(index)));
    widget->labelsize(size);
    if (control.style & CS_FIXED_PITCH) widget->labelfont(FL_COURIER);
    if (auto* input = dynamic_cast<Fl_Input*>(widget)) input->textsize(size);
    if (auto* menu = dynamic_cast<Fl_Choice*>(widget)) menu->textsize(size);
    if (auto* list = dynamic_cast<Fl_Browser*>(widget)) list->textsize(size);
    return widget;
}

void show_control(DialogWindow* window, const Control& control) {
    if (!window || !window->window) return;
    const int index = control_index(*window->window->dialog, control);
    Fl_Widget* widget = window->widgets[index];
    if (!widget) return;
    auto* picture = dynamic_cast<PictureButton*>(widget);
    if (picture) picture->icon = control.icon;
    if (auto* icon_box = dynamic_cast<IconBox*>(widget)) icon_box->icon = control.icon;
    if (picture && control.icon) {
        // The picture stands for the text, which the pointer still reveals.
        widget->copy_label("");
        widget->copy_tooltip(control.text.c_str());
    } else if (shows_text_as_label(control.kind)) {
        const bool is_button = control.kind != CTL_LABEL && control.kind != CTL_GROUPBOX;
        widget->copy_label(literal_label(control.text, is_button).c_str());
    }
    switch (control.kind) {
    case CTL_PUSHLIKE:
    case CTL_CHECKBOX:
    case CTL_RADIO:
        static_cast<Fl_Button*>(widget)->value(control.checked);
        break;
    case CTL_EDIT: {
        auto* edit = static_cast<Fl_Input*>(widget);
        // Setting the same text again would move the cursor while the user types.
        if (control.text != edit->value()) edit->value(control.text.c_str());
        break;
    }
    case CTL_TRACKBAR: {
        auto* slider = static_cast<TickSlider*>(widget);
        slider->bounds(control.minimum, control.maximum);
        slider->value(control.position);
        slider->set_ticks(tick_values(control));
        break;
    }
    case CTL_COMBOBOX: {
        auto* combo = static_cast<ComboBox*>(widget);
        combo->set_entries(control.entries);
        combo->value(control.selection);
        break;
    }
    case CTL_LISTBOX: {
        auto* list = static_cast<ListBox*>(widget);
        list->set_entries(control.entries);
        list->value(control.selection + 1);
        break;
    }
    case CTL_PROGRESS:
        static_cast<Fl_Progress*>(widget)->value(static_cast<float>(control.position));
        break;
    default:
        break;
    }
    if (control.enabled)
        widget->activate();
    else
        widget->deactivate();
    if (control.shown)
        widget->show();
    else
        widget->hide();
    widget->redraw();
}

WidgetControl control_of(Fl_Widget* widget) {
    auto* window = widget ? dynamic_cast<DialogWindow*>(widget->window()) : nullptr;
    if (!window || !window->window || !window->window->dialog) return {nullptr, nullptr};
    auto& controls = window->window->dialog->controls;
    const int index = index_of(widget);
    if (index < 0 || index >= static_cast<int>(controls.size())) return {nullptr, nullptr};
    return {window->window, &controls[index]};
}
