// Dialogs built from templates, and the one control model that holds every control's state.
// A dialog is a window of the window table: its procedure receives WM_INITDIALOG, WM_COMMAND
// (low word the control id, high word the notification), WM_HSCROLL / WM_VSCROLL (lparam the
// control id of the trackbar or up-down control that moved), WM_CLOSE, a right click on a
// control as WM_RBUTTONDOWN_CONTROL and other clicks no control takes as WM_LBUTTONDOWN or
// WM_RBUTTONDOWN, through the same queue as every other window. Notifications follow the user's
// changes only, never the program's own calls below, and always come after the control holds its
// new state (the real backend posts them, the headless one sends them while the test's hand acts).
// A WM_CLOSE the procedure does not handle (returns 0) becomes the command IDCANCEL. The real
// backend shows the model with FLTK widgets; the headless one only keeps it, and tests drive it
// with the headless_* functions of platform/headless.h.
#pragma once

#include "platform/icon.h"
#include "platform/win.h"
#include "platform/window.h"

#include <string>

constexpr unsigned WM_INITDIALOG = 0x0110;
constexpr unsigned WM_HSCROLL = 0x0114;
constexpr unsigned WM_VSCROLL = 0x0115;
constexpr unsigned WM_RBUTTONDOWN_CONTROL = WM_USER + 1; // right click on a control: wparam id

// Notifications (high word of WM_COMMAND's wparam)
constexpr unsigned BN_CLICKED = 0;
constexpr unsigned CBN_SELCHANGE = 1;
constexpr unsigned LBN_SELCHANGE = 1;
constexpr unsigned EN_CHANGE = 0x0300;
constexpr unsigned UDN_DELTAPOS = 0x0400;

enum ControlKind {
    CTL_BUTTON,    // push button; BN_CLICKED
    CTL_DEFBUTTON, // default push button (Enter)
    CTL_CHECKBOX,  // automatic check box; BN_CLICKED after the state changed
    CTL_PUSHLIKE,  // check box drawn as a button that stays pressed
    CTL_RADIO,     // automatic radio button; a group runs until the next CS_GROUP_START
    CTL_GROUPBOX,  // frame with a caption
    CTL_LABEL,     // static text
    CTL_ICON,      // static picture named by text (platform/picture.h)
    CTL_EDIT,      // single-line edit; EN_CHANGE
    CTL_TRACKBAR,  // slider; WM_HSCROLL or WM_VSCROLL with the id
    CTL_UPDOWN,    // spin buttons on the edit before it, which shows the position as an
                   // integer; a user step sends UDN_DELTAPOS, then the edit's EN_CHANGE,
                   // then WM_VSCROLL
    CTL_COMBOBOX,  // drop-down list; CBN_SELCHANGE
    CTL_LISTBOX,   // list; LBN_SELCHANGE
    CTL_PROGRESS,  // progress bar
};

// Control styles
constexpr unsigned CS_VERTICAL = 0x0001;    // trackbar runs top to bottom
constexpr unsigned CS_HIDDEN = 0x0002;      // not shown
constexpr unsigned CS_DISABLED = 0x0004;    // greyed
constexpr unsigned CS_GROUP_START = 0x0008; // starts a new radio group
constexpr unsigned CS_SORTED = 0x0010;      // list keeps its entries sorted
constexpr unsigned CS_RIGHT = 0x0020;       // text aligned right
constexpr unsigned CS_PASSWORD = 0x0040;    // edit shows stars
constexpr unsigned CS_MULTICOLUMN = 0x0080; // list in columns
constexpr unsigned CS_MANUAL = 0x0100;      // check box or radio the program checks itself:
                                            // a click only notifies
constexpr unsigned CS_FIXED_PITCH = 0x0200; // text in a fixed-pitch font (columns of blanks)
constexpr unsigned CS_SUNKEN = 0x0400;      // static text in a sunken frame

struct ControlTemplate {
    int id; // -1 for decorations nobody addresses
    ControlKind kind;
    const char* text;
    int x, y, width, height; // dialog units
    unsigned style;
};

struct DialogTemplate {
    const char* name; // "STATUS", "GLOBAL", ...
    const char* caption;
    int width, height; // dialog units
    const ControlTemplate* controls;
    int control_count;
    bool close_box;          // the frame offers a close button (sends WM_CLOSE)
    bool bare_frame = false; // a sizing border and no caption, as a popup note has
    int text_size = 0;       // pixel height of the dialog's text; 0 for the platform's own
};

using DlgProc = Lresult (*)(Hwnd dialog, unsigned message, Wparam, Lparam);

// Dialogs open centred on their owner (on the primary screen without a visible owner); the
// procedure may place them elsewhere in WM_INITDIALOG (wparam: the id of the control that
// starts with the focus). destroy_window (platform/window.h) ends a modeless dialog.
//
// Modeless: shown at once (unless the procedure hides it), WM_INITDIALOG sent before return.
// Null without a procedure or when the procedure destroyed the dialog in WM_INITDIALOG.
Hwnd create_dialog(const DialogTemplate& dialog, Hwnd owner, DlgProc proc);
// Modal: runs its own loop, in which the other windows go on receiving their messages, until
// end_dialog; then destroys the dialog and returns the value given to it. -1 when the dialog
// could not be made; 0 when it was destroyed otherwise. A quit message ends the loop and is
// kept for the outer loop.
int dialog_box(const DialogTemplate& dialog, Hwnd owner, DlgProc proc);
// Ends a modal dialog; a modeless one is destroyed at once.
void end_dialog(Hwnd dialog, int result);
// Keyboard handling of a dialog: Enter sends the command of the focused push button, else of
// the default button, else IDOK; Esc sends IDCANCEL; Tab moves the focus on. Any other message
// for the dialog is dispatched here. True when the message was the dialog's.
bool is_dialog_message(Hwnd dialog, const Msg& msg);
// Dialog units to pixels for this dialog's font.
Rect map_dialog_rect(Hwnd dialog, const Rect& units);
// The size of a text set on one line in the dialog font, in pixels.
struct TextExtent {
    int cx, cy;
};
TextExtent measure_text(const char* text);

bool has_dlg_item(Hwnd dialog, int id);
// Where a control stands on the screen.
Rect get_dlg_item_rect(Hwnd dialog, int id);
// A picture instead of the text of a push button, push-like box or static icon; null takes it
// away. The icon must outlive the dialog.
void set_dlg_item_icon(Hwnd dialog, int id, const IconImage* icon);
void set_dlg_item_text(Hwnd dialog, int id, const char* text);
std::string get_dlg_item_text(Hwnd dialog, int id);
void enable_dlg_item(Hwnd dialog, int id, bool enabled);
void show_dlg_item(Hwnd dialog, int id, bool shown);
bool is_dlg_item_enabled(Hwnd dialog, int id);
bool is_dlg_item_visible(Hwnd dialog, int id);
void set_dlg_item_focus(Hwnd dialog, int id);

// Check boxes, push-like boxes and radio buttons: 1 checked, 0 not.
void check_dlg_button(Hwnd dialog, int id, int checked);
int is_dlg_button_checked(Hwnd dialog, int id);
// Checks `id` and clears every other button of first..last (by id order in the template).
void check_radio_button(Hwnd dialog, int first_id, int last_id, int id);

void trackbar_set_range(Hwnd dialog, int id, int minimum, int maximum);
void trackbar_set_pos(Hwnd dialog, int id, int position); // clamped to the range
int trackbar_get_pos(Hwnd dialog, int id);
void trackbar_set_tick_frequency(Hwnd dialog, int id, int frequency); // 0: ends only
void trackbar_add_tick(Hwnd dialog, int id, int position);

void updown_set_range(Hwnd dialog, int id, int minimum, int maximum);
// Clamped to the range; the edit before it shows the new position.
void updown_set_pos(Hwnd dialog, int id, int position);
// What the edit holds when it is a whole number (typed digits count), clamped to the range;
// otherwise the last position.
int updown_get_pos(Hwnd dialog, int id);

void progress_set_pos(Hwnd dialog, int id, int percent);

// Combo boxes and lists share these. The text of a combo box (get_dlg_item_text) is its
// selected entry; setting it selects the entry of that text, when there is one.
void list_reset(Hwnd dialog, int id);
int list_add_string(Hwnd dialog, int id, const char* text); // index where it went
int list_count(Hwnd dialog, int id);
std::string list_get_text(Hwnd dialog, int id, int index);
void list_set_cur_sel(Hwnd dialog, int id, int index); // -1 clears
int list_get_cur_sel(Hwnd dialog, int id);
int list_find_exact(Hwnd dialog, int id, const char* text); // any case; -1 when absent
void list_set_column_width(Hwnd dialog, int id, int width);
// Adds the names of the regular files of `directory` that match `pattern` ("*.sv"; case is
// ignored) as list entries. The number added, or -1 when the directory cannot be read.
int list_add_directory(Hwnd dialog, int id, const char* directory, const char* pattern);
