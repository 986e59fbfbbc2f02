// The program's hand on the controls. Every change lands in the model and is shown by the
// display, if any; none of them notifies the dialog.
#include "platform/common/control_model.h"
#include "platform/dialog.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {

// The control and its dialog window, or null when either is gone or the id is unknown.
struct Found {
    Window* dialog;
    Control* control;
    explicit operator bool() const { return control != nullptr; }
};

Found find(Hwnd hwnd, int id) {
    Window* dialog = window_table_find(hwnd);
    return {dialog, dialog ? dialog_control(dialog, id) : nullptr};
}

bool is_list(const Control& control) {
    return control.kind == CTL_COMBOBOX || control.kind == CTL_LISTBOX;
}

bool is_checkable(const Control& control) {
    return control.kind == CTL_CHECKBOX || control.kind == CTL_PUSHLIKE ||
           control.kind == CTL_RADIO;
}

bool has_range(const Control& control) {
    return control.kind == CTL_TRACKBAR || control.kind == CTL_UPDOWN;
}

// The whole text as a decimal integer, blanks around it allowed.
bool parse_integer(const std::string& text, int* value) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    long parsed = std::strtol(start, &end, 10);
    if (end == start) return false;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0') return false;
    if (errno == ERANGE || parsed > 2147483647L || parsed < -2147483647L - 1)
        parsed = parsed < 0 ? -2147483647L - 1 : 2147483647L;
    *value = static_cast<int>(parsed);
    return true;
}

void show_in_buddy(Window* dialog, const Control& updown) {
    if (updown.buddy < 0) return;
    Control& edit = dialog->dialog->controls[updown.buddy];
    edit.text = std::to_string(updown.position);
    control_changed(dialog, edit);
}

void set_position(Found found, int position) {
    found.control->position = clamp_to_range(*found.control, position);
    control_changed(found.dialog, *found.control);
    if (found.control->kind == CTL_UPDOWN) show_in_buddy(found.dialog, *found.control);
}

void select_entry(Found found, int index) {
    const int count = static_cast<int>(found.control->entries.size());
    found.control->selection = index >= 0 && index < count ? index : -1;
    control_changed(found.dialog, *found.control);
}

} // namespace

bool has_dlg_item(Hwnd dialog, int id) {
    return static_cast<bool>(find(dialog, id));
}

Rect get_dlg_item_rect(Hwnd dialog, int id) {
    Found found = find(dialog, id);
    if (!found) return {};
    const Rect& r = found.control->rect;
    const Rect& at = found.dialog->rect;
    return {at.left + r.left, at.top + r.top, at.left + r.right, at.top + r.bottom};
}

void set_dlg_item_icon(Hwnd dialog, int id, const IconImage* icon) {
    if (Found found = find(dialog, id)) {
        found.control->icon = icon;
        control_changed(found.dialog, *found.control);
    }
}

void set_dlg_item_text(Hwnd dialog, int id, const char* text) {
    Found found = find(dialog, id);
    if (!found) return;
    const std::string value = text ? text : "";
    if (found.control->kind == CTL_COMBOBOX) {
        select_entry(found, list_find_exact(dialog, id, value.c_str()));
        return;
    }
    found.control->text = value;
    control_changed(found.dialog, *found.control);
}

std::string get_dlg_item_text(Hwnd dialog, int id) {
    Found found = find(dialog, id);
    if (!found) return {};
    if (found.control->kind == CTL_COMBOBOX)
        return list_get_text(dialog, id, found.control->selection);
    return found.control->text;
}

void enable_dlg_item(Hwnd dialog, int id, bool enabled) {
    if (Found found = find(dialog, id)) {
        found.control->enabled = enabled;
        control_changed(found.dialog, *found.control);
    }
}

void show_dlg_item(Hwnd dialog, int id, bool shown) {
    if (Found found = find(dialog, id)) {
        found.control->shown = shown;
        control_changed(found.dialog, *found.control);
    }
}

bool is_dlg_item_enabled(Hwnd dialog, int id) {
    Found found = find(dialog, id);
    return found && found.control->enabled;
}

bool is_dlg_item_visible(Hwnd dialog, int id) {
    Found found = find(dialog, id);
    return found && found.control->shown && is_window_visible(dialog);
}

void set_dlg_item_focus(Hwnd dialog, int id) {
    if (Found found = find(dialog, id))
        control_set_focus(found.dialog, *found.dialog->dialog,
                          control_index(*found.dialog->dialog, *found.control));
}

void check_dlg_button(Hwnd dialog, int id, int checked) {
    Found found = find(dialog, id);
    if (!found || !is_checkable(*found.control)) return;
    found.control->checked = checked ? 1 : 0;
    control_changed(found.dialog, *found.control);
}

int is_dlg_button_checked(Hwnd dialog, int id) {
    Found found = find(dialog, id);
    return found ? found.control->checked : 0;
}

// The ids of a group need not be numbered in a run (1093 and 3092 make one pair), so the
// buttons between the two ends are taken in template order, and only radio buttons are
// cleared: a check box that happens to stand between them keeps its state.
void check_radio_button(Hwnd dialog, int first_id, int last_id, int id) {
    DialogModel* model = dialog_model(dialog);
    if (!model) return;
    Control* first = dialog_control(dialog, first_id);
    Control* last = dialog_control(dialog, last_id);
    if (first && last) {
        int from = control_index(*model, *first);
        int to = control_index(*model, *last);
        if (from > to) std::swap(from, to);
        for (int i = from; i <= to; ++i) {
            Control& other = model->controls[i];
            if (other.kind == CTL_RADIO && other.id != id && other.checked) {
                other.checked = 0;
                control_changed(window_table_find(dialog), other);
            }
        }
    }
    check_dlg_button(dialog, id, 1);
}

void trackbar_set_range(Hwnd dialog, int id, int minimum, int maximum) {
    Found found = find(dialog, id);
    if (!found || found.control->kind != CTL_TRACKBAR) return;
    found.control->minimum = minimum;
    found.control->maximum = maximum;
    set_position(found, found.control->position);
}

void trackbar_set_pos(Hwnd dialog, int id, int position) {
    Found found = find(dialog, id);
    if (found && found.control->kind == CTL_TRACKBAR) set_position(found, position);
}

int trackbar_get_pos(Hwnd dialog, int id) {
    Found found = find(dialog, id);
    return found ? found.control->position : 0;
}

void trackbar_set_tick_frequency(Hwnd dialog, int id, int frequency) {
    Found found = find(dialog, id);
    if (!found || found.control->kind != CTL_TRACKBAR) return;
    found.control->tick_frequency = std::max(frequency, 0);
    control_changed(found.dialog, *found.control);
}

void trackbar_add_tick(Hwnd dialog, int id, int position) {
    Found found = find(dialog, id);
    if (!found || found.control->kind != CTL_TRACKBAR) return;
    found.control->ticks.push_back(position);
    control_changed(found.dialog, *found.control);
}

void updown_set_range(Hwnd dialog, int id, int minimum, int maximum) {
    Found found = find(dialog, id);
    if (!found || found.control->kind != CTL_UPDOWN) return;
    found.control->minimum = minimum;
    found.control->maximum = maximum;
    set_position(found, found.control->position);
}

void updown_set_pos(Hwnd dialog, int id, int position) {
    Found found = find(dialog, id);
    if (found && found.control->kind == CTL_UPDOWN) set_position(found, position);
}

int updown_get_pos(Hwnd dialog, int id) {
    Found found = find(dialog, id);
    if (!found || !has_range(*found.control)) return 0;
    Control& updown = *found.control;
    int typed;
    if (updown.buddy >= 0 &&
        parse_integer(found.dialog->dialog->controls[updown.buddy].text, &typed))
        updown.position = clamp_to_range(updown, typed);
    return updown.position;
}

void progress_set_pos(Hwnd dialog, int id, int percent) {
    Found found = find(dialog, id);
    if (!found || found.control->kind != CTL_PROGRESS) return;
    found.control->position = std::clamp(percent, 0, 100);
    control_changed(found.dialog, *found.control);
}

void list_reset(Hwnd dialog, int id) {
    Found found = find(dialog, id);
    if (!found || !is_list(*found.control)) return;
    found.control->entries.clear();
    found.control->selection = -1;
    control_changed(found.dialog, *found.control);
}

int list_add_string(Hwnd dialog, int id, const char* text) {
    Found found = find(dialog, id);
    if (!found || !is_list(*found.control)) return -1;
    const std::string entry = text ? text : "";
    Control& list = *found.control;
    const int at = list_insert_index(list, entry);
    list.entries.insert(list.entries.begin() + at, entry);
    if (list.selection >= at) ++list.selection; // the selected entry stays selected
    control_changed(found.dialog, list);
    return at;
}

int list_count(Hwnd dialog, int id) {
    Found found = find(dialog, id);
    return found ? static_cast<int>(found.control->entries.size()) : 0;
}

std::string list_get_text(Hwnd dialog, int id, int index) {
    Found found = find(dialog, id);
    if (!found || index < 0 || index >= static_cast<int>(found.control->entries.size())) return {};
    return found.control->entries[index];
}

void list_set_cur_sel(Hwnd dialog, int id, int index) {
    Found found = find(dialog, id);
    if (found && is_list(*found.control)) select_entry(found, index);
}

int list_get_cur_sel(Hwnd dialog, int id) {
    Found found = find(dialog, id);
    return found ? found.control->selection : -1;
}

int list_find_exact(Hwnd dialog, int id, const char* text) {
    Found found = find(dialog, id);
    if (!found || !text) return -1;
    const auto& entries = found.control->entries;
    for (size_t i = 0; i < entries.size(); ++i)
        if (same_text_ignoring_case(entries[i], text)) return static_cast<int>(i);
    return -1;
}

void list_set_column_width(Hwnd dialog, int id, int width) {
    Found found = find(dialog, id);
    if (!found || !is_list(*found.control)) return;
    found.control->column_width = std::max(width, 0);
    control_changed(found.dialog, *found.control);
}
