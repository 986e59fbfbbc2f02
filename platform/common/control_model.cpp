#include "platform/common/control_model.h"
#include "platform/window.h"

#include <algorithm>
#include <cctype>

const DialogDisplay* dialog_display;
const char* const DIALOG_CLASS = "Dialog";

namespace {

std::vector<ModalRun*> modal_runs;

// Every dialog goes through this procedure: it hands the message to the dialog's own
// procedure and does what a dialog does by default with what that one leaves alone.
Lresult dialog_window_proc(Hwnd hwnd, unsigned message, Wparam wparam, Lparam lparam) {
    DialogModel* model = dialog_model(hwnd);
    if (!model) return 0;
    Lresult result = model->proc(hwnd, message, wparam, lparam);
    // A close box that the procedure does not handle cancels, as Esc does.
    if (!result && message == WM_CLOSE && dialog_model(hwnd))
        send_message(hwnd, WM_COMMAND, 2 /* IDCANCEL */, 0);
    return result;
}

int lower(char c) {
    return std::tolower(static_cast<unsigned char>(c));
}

bool less_ignoring_case(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lower(x) < lower(y); });
}

Control control_from(const ControlTemplate& t) {
    Control control{};
    control.id = t.id;
    control.kind = t.kind;
    control.style = t.style;
    control.text = t.text ? t.text : "";
    control.rect = {dialog_units_to_x(t.x), dialog_units_to_y(t.y),
                    dialog_units_to_x(t.x + t.width), dialog_units_to_y(t.y + t.height)};
    control.enabled = !(t.style & CS_DISABLED);
    control.shown = !(t.style & CS_HIDDEN);
    return control;
}

// An up-down control drives the edit that stands before it in the template.
void attach_buddies(DialogModel& model) {
    for (size_t i = 1; i < model.controls.size(); ++i)
        if (model.controls[i].kind == CTL_UPDOWN && model.controls[i - 1].kind == CTL_EDIT)
            model.controls[i].buddy = static_cast<int>(i - 1);
}

} // namespace

// 1 dialog unit is 1.75 pixels across and 2 down: the tallest template (244 units) then fits
// a 768-pixel screen with room for the frame, and 8-pixel-high text rows stay legible.
int dialog_units_to_x(int units) {
    return (units * 7 + (units < 0 ? -2 : 2)) / 4;
}

int dialog_units_to_y(int units) {
    return units * 2;
}

Window* dialog_window_add(const DialogTemplate& dialog, Hwnd owner, DlgProc proc,
                          const Rect& centre_on, const Rect& screen) {
    if (!proc) return nullptr;
    register_class(DIALOG_CLASS, dialog_window_proc); // taken already after the first dialog
    const int width = dialog_units_to_x(dialog.width);
    const int height = dialog_units_to_y(dialog.height);
    // Centred on a small or half-hidden owner, a dialog still opens wholly on the screen.
    const int x =
        std::max(screen.left, std::min(centre_on.left + (rect_width(centre_on) - width) / 2,
                                       screen.right - width));
    const int y =
        std::max(screen.top, std::min(centre_on.top + (rect_height(centre_on) - height) / 2,
                                      screen.bottom - height));
    unsigned style = WS_POPUP | (dialog.bare_frame ? WS_THICKFRAME : WS_CAPTION) |
                     (dialog.close_box ? WS_SYSMENU : 0);
    Window* window =
        window_table_add(DIALOG_CLASS, dialog.caption, style, x, y, width, height, owner);
    if (!window) return nullptr;
    auto* model = new DialogModel{&dialog, proc, {}, -1};
    const int count = dialog.controls ? std::max(dialog.control_count, 0) : 0;
    for (int i = 0; i < count; ++i) model->controls.push_back(control_from(dialog.controls[i]));
    attach_buddies(*model);
    for (size_t i = 0; i < model->controls.size() && model->focus < 0; ++i)
        if (control_takes_focus(model->controls[i]) && control_usable(model->controls[i]))
            model->focus = static_cast<int>(i);
    window->dialog = model;
    return window;
}

bool dialog_send_init(Window* dialog) {
    DialogModel* model = dialog->dialog;
    const Wparam first_focus = model->focus >= 0 ? model->controls[model->focus].id : 0;
    send_message(dialog, WM_INITDIALOG, first_focus, 0);
    return dialog_model(dialog) != nullptr;
}

void dialog_model_free(Window* window) {
    // A modal run must not take a later window at the same address for its dialog.
    for (ModalRun* run : modal_runs)
        if (run->dialog == window) run->dialog = nullptr;
    delete window->dialog;
    window->dialog = nullptr;
}

DialogModel* dialog_model(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    return window ? window->dialog : nullptr;
}

Control* dialog_control(Hwnd dialog, int id) {
    DialogModel* model = dialog_model(dialog);
    if (!model) return nullptr;
    for (Control& control : model->controls)
        if (control.id == id) return &control;
    return nullptr;
}

int control_index(const DialogModel& model, const Control& control) {
    return static_cast<int>(&control - model.controls.data());
}

bool control_takes_focus(const Control& control) {
    switch (control.kind) {
    case CTL_GROUPBOX:
    case CTL_LABEL:
    case CTL_ICON:
    case CTL_UPDOWN:
    case CTL_PROGRESS:
        return false;
    default:
        return true;
    }
}

bool control_usable(const Control& control) {
    return control.shown && control.enabled;
}

int clamp_to_range(const Control& control, int position) {
    return std::clamp(position, std::min(control.minimum, control.maximum),
                      std::max(control.minimum, control.maximum));
}

void clear_radio_group(Window* dialog, const Control& control) {
    DialogModel& model = *dialog->dialog;
    const int at = control_index(model, control);
    int first = at;
    while (first > 0 && !(model.controls[first].style & CS_GROUP_START)) --first;
    const int count = static_cast<int>(model.controls.size());
    for (int i = first; i < count; ++i) {
        if (i > first && (model.controls[i].style & CS_GROUP_START)) break;
        Control& other = model.controls[i];
        if (i != at && other.kind == CTL_RADIO && other.checked) {
            other.checked = 0;
            control_changed(dialog, other);
        }
    }
}

int list_insert_index(const Control& control, const std::string& text) {
    if (!(control.style & CS_SORTED)) return static_cast<int>(control.entries.size());
    auto at =
        std::upper_bound(control.entries.begin(), control.entries.end(), text, less_ignoring_case);
    return static_cast<int>(at - control.entries.begin());
}

bool same_text_ignoring_case(const std::string& a, const std::string& b) {
    return a.size() == b.size() && !less_ignoring_case(a, b) && !less_ignoring_case(b, a);
}

void control_changed(Window* dialog, const Control& control) {
    if (dialog_display) dialog_display->control_changed(dialog, control);
}

void control_set_focus(Window* dialog, DialogModel& model, int index) {
    if (index < 0 || index >= static_cast<int>(model.controls.size())) return;
    model.focus = index;
    if (dialog_display) dialog_display->focus_changed(dialog, model.controls[index]);
}

void modal_run_begin(ModalRun* run) {
    modal_runs.push_back(run);
}

void modal_run_finish(ModalRun* run) {
    modal_runs.erase(std::remove(modal_runs.begin(), modal_runs.end(), run), modal_runs.end());
}

bool modal_run_end(Window* dialog, int result) {
    for (auto run = modal_runs.rbegin(); run != modal_runs.rend(); ++run)
        if ((*run)->dialog == dialog) {
            (*run)->ended = true;
            (*run)->result = result;
            return true;
        }
    return false;
}
