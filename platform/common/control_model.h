// The state of every control of every dialog, shared by both backends. A dialog is a window of
// the window table whose `dialog` points here; the real backend mirrors this model in FLTK
// widgets through the display hooks, the headless backend has none.
#pragma once

#include "platform/common/window_table.h"
#include "platform/dialog.h"

#include <string>
#include <vector>

struct Control {
    int id;
    ControlKind kind;
    unsigned style;
    std::string text;
    Rect rect; // pixels, in the dialog's client area
    bool enabled, shown;
    int checked = 0;
    // Trackbars, up-down controls and progress bars.
    int minimum = 0, maximum = 100, position = 0;
    int tick_frequency = NO_TICKS; // 0: the two ends only
    std::vector<int> ticks;
    // Combo boxes and lists.
    std::vector<std::string> entries;
    int selection = -1;
    int column_width = 0;
    int buddy = -1; // up-down: index of the edit it drives
    const IconImage* icon = nullptr;

    static constexpr int NO_TICKS = -1;
};

struct DialogModel {
    const DialogTemplate* source;
    DlgProc proc;
    std::vector<Control> controls; // template order
    int focus = -1;                // index into controls
};

// What a backend does when the model changes under the program's hand. Unset (headless): the
// model is all there is.
struct DialogDisplay {
    void (*control_changed)(Window* dialog, const Control& control);
    void (*focus_changed)(Window* dialog, const Control& control);
};
extern const DialogDisplay* dialog_display;

// The window class every dialog belongs to.
extern const char* const DIALOG_CLASS;

// Dialog units to pixels; the same for every dialog.
int dialog_units_to_x(int units);
int dialog_units_to_y(int units);

// A dialog window in the table with its controls from the template, placed centred on
// `centre_on` but inside `screen`, and hidden; nothing is sent yet.
Window* dialog_window_add(const DialogTemplate& dialog, Hwnd owner, DlgProc proc,
                          const Rect& centre_on, const Rect& screen);
// Sends WM_INITDIALOG; false when the procedure destroyed the dialog meanwhile.
bool dialog_send_init(Window* dialog);
void dialog_model_free(Window* window);

DialogModel* dialog_model(Hwnd hwnd); // null unless a live dialog
Control* dialog_control(Hwnd dialog, int id);
int control_index(const DialogModel& model, const Control& control);
bool control_takes_focus(const Control& control);
bool control_usable(const Control& control); // shown and enabled: a user can reach it
// Trackbars and up-down controls keep their position within the range, either way round.
int clamp_to_range(const Control& control, int position);

// The radio buttons that clear when `control` is checked: the run from the nearest
// CS_GROUP_START at or before it up to the next one.
void clear_radio_group(Window* dialog, const Control& control);

// Where a new entry goes: sorted lists keep case-insensitive order, others append.
int list_insert_index(const Control& control, const std::string& text);
bool same_text_ignoring_case(const std::string& a, const std::string& b);

// Tells the display (if any) that the program changed a control.
void control_changed(Window* dialog, const Control& control);
void control_set_focus(Window* dialog, DialogModel& model, int index);

// Modal dialogs running now, innermost last; end_dialog marks the one it ends.
struct ModalRun {
    Window* dialog; // null once the dialog is destroyed
    bool ended;
    int result;
};
void modal_run_begin(ModalRun* run);
void modal_run_finish(ModalRun* run);
// Marks the run of this dialog as ended; false when the dialog is not modal.
bool modal_run_end(Window* dialog, int result);
