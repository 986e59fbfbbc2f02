#include "platform/common/dialog_input.h"
#include "platform/message_box.h"

#include <algorithm>

namespace {

constexpr unsigned VK_RETURN = 0x0D;
constexpr unsigned VK_TAB = 0x09;

Wparam command(int id, unsigned notification) {
    return static_cast<Wparam>(static_cast<unsigned>(id) & 0xFFFFu) |
           (static_cast<Wparam>(notification) << 16);
}

Control* usable(Window* dialog, int id) {
    Control* control = dialog ? dialog_control(dialog, id) : nullptr;
    return control && control_usable(*control) ? control : nullptr;
}

void take_focus(Window* dialog, const Control& control) {
    if (control_takes_focus(control))
        control_set_focus(dialog, *dialog->dialog, control_index(*dialog->dialog, control));
}

bool is_push_button(const Control& control) {
    return control.kind == CTL_BUTTON || control.kind == CTL_DEFBUTTON;
}

} // namespace

bool user_click(Window* dialog, int id, Deliver deliver) {
    Control* control = usable(dialog, id);
    if (!control) return false;
    take_focus(dialog, *control);
    switch (control->kind) {
    case CTL_BUTTON:
    case CTL_DEFBUTTON:
        break;
    case CTL_CHECKBOX:
    case CTL_PUSHLIKE:
        if (!(control->style & CS_MANUAL)) {
            control->checked = control->checked ? 0 : 1;
            control_changed(dialog, *control);
        }
        break;
    case CTL_RADIO:
        if (!(control->style & CS_MANUAL)) {
            control->checked = 1;
            control_changed(dialog, *control);
            clear_radio_group(dialog, *control);
        }
        break;
    default:
        // Other controls take the focus from a click but have nothing to report.
        return true;
    }
    deliver(dialog, WM_COMMAND, command(id, BN_CLICKED), 0);
    return true;
}

bool user_move_trackbar(Window* dialog, int id, int position, Deliver deliver) {
    Control* control = usable(dialog, id);
    if (!control || control->kind != CTL_TRACKBAR) return false;
    take_focus(dialog, *control);
    control->position = clamp_to_range(*control, position);
    control_changed(dialog, *control);
    deliver(dialog, control->style & CS_VERTICAL ? WM_VSCROLL : WM_HSCROLL, 0, id);
    return true;
}

bool user_spin(Window* dialog, int id, int position, Deliver deliver) {
    Control* control = usable(dialog, id);
    if (!control || control->kind != CTL_UPDOWN) return false;
    control->position = clamp_to_range(*control, position);
    control_changed(dialog, *control);
    int buddy_id = -1;
    if (control->buddy >= 0) {
        Control& edit = dialog->dialog->controls[control->buddy];
        edit.text = std::to_string(control->position);
        control_changed(dialog, edit);
        buddy_id = edit.id;
    }
    // Each handler may close the dialog; the next message then has nobody to go to.
    deliver(dialog, WM_COMMAND, command(id, UDN_DELTAPOS), 0);
    if (buddy_id >= 0 && dialog_model(dialog))
        deliver(dialog, WM_COMMAND, command(buddy_id, EN_CHANGE), 0);
    if (dialog_model(dialog)) deliver(dialog, WM_VSCROLL, 0, id);
    return true;
}

bool user_select(Window* dialog, int id, int index, Deliver deliver) {
    Control* control = usable(dialog, id);
    if (!control || (control->kind != CTL_COMBOBOX && control->kind != CTL_LISTBOX)) return false;
    if (index < 0 || index >= static_cast<int>(control->entries.size())) return false;
    take_focus(dialog, *control);
    control->selection = index;
    control_changed(dialog, *control);
    deliver(dialog, WM_COMMAND,
            command(id, control->kind == CTL_COMBOBOX ? CBN_SELCHANGE : LBN_SELCHANGE), 0);
    return true;
}

bool user_type(Window* dialog, int id, const char* text, Deliver deliver) {
    Control* control = usable(dialog, id);
    if (!control || control->kind != CTL_EDIT) return false;
    take_focus(dialog, *control);
    control->text = text ? text : "";
    control_changed(dialog, *control);
    deliver(dialog, WM_COMMAND, command(id, EN_CHANGE), 0);
    return true;
}

bool user_right_click(Window* dialog, int id, Deliver deliver) {
    Control* control = dialog ? dialog_control(dialog, id) : nullptr;
    if (!control || !control->shown) return false;
    deliver(dialog, WM_RBUTTONDOWN_CONTROL, static_cast<Wparam>(id), 0);
    return true;
}

int enter_command(const DialogModel& model) {
    if (model.focus >= 0) {
        const Control& focused = model.controls[model.focus];
        if (is_push_button(focused) && control_usable(focused)) return focused.id;
    }
    for (const Control& control : model.controls)
        if (control.kind == CTL_DEFBUTTON && control_usable(control)) return control.id;
    return IDOK;
}

void focus_next(Window* dialog) {
    DialogModel& model = *dialog->dialog;
    const int count = static_cast<int>(model.controls.size());
    for (int step = 1; step <= count; ++step) {
        const int at = (std::max(model.focus, 0) + step) % count;
        const Control& control = model.controls[at];
        if (control_takes_focus(control) && control_usable(control)) {
            control_set_focus(dialog, model, at);
            return;
        }
    }
}

bool is_dialog_message(Hwnd hwnd, const Msg& msg) {
    Window* dialog = window_table_find(hwnd);
    if (!dialog || !dialog->dialog || msg.hwnd != dialog) return false;
    if (msg.message == WM_KEYDOWN) {
        switch (msg.wparam) {
        case VK_RETURN:
            send_message(dialog, WM_COMMAND, command(enter_command(*dialog->dialog), BN_CLICKED),
                         0);
            return true;
        case VK_ESCAPE:
            send_message(dialog, WM_COMMAND, command(IDCANCEL, BN_CLICKED), 0);
            return true;
        case VK_TAB:
            focus_next(dialog);
            return true;
        default:
            break;
        }
    }
    dispatch_message(msg);
    return true;
}
