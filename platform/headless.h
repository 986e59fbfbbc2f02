// What tests see and steer of the headless backend: screens, message-box answers, the
// windows and the message queue.
#pragma once

#include "platform/win.h"

#include <functional>
#include <string>
#include <vector>

struct Control; // platform/common/control_model.h

void headless_set_screens(const Rect& primary, const Rect& virtual_screen);
void headless_set_screen_dpi(int dpi); // 96 unless set
int headless_cursor_count();
void headless_set_cursor_pos(int x, int y);
bool headless_wait_cursor_shown();
// measure_text gives every character this cell.
constexpr int HEADLESS_CHAR_WIDTH = 7;
constexpr int HEADLESS_CHAR_HEIGHT = 16;

// The sound file playing in a loop now, or empty.
const std::string& headless_sound_playing();
// The answer every following open_document gives (true unless set), and the paths asked for.
void headless_set_open_document_answer(bool opens);
const std::vector<std::string>& headless_opened_documents();

struct ShownMessageBox {
    Hwnd owner;
    std::string text, caption;
    unsigned type;
};
// The answer every following message box gives (IDOK unless set).
void headless_set_message_box_answer(int answer);
const std::vector<ShownMessageBox>& headless_message_boxes();
void headless_clear_message_boxes();

// Every window created so far that still exists, in creation order.
std::vector<Hwnd> headless_windows();
// The windows from the top of the z-order down, and the last one brought to the foreground.
std::vector<Hwnd> headless_z_order();
Hwnd headless_foreground_window();
// Posted messages still waiting in the queue, oldest first.
std::vector<Msg> headless_posted_messages();
// Forgets every window class, window, timer, posted message and a pending quit, the modal
// dialog driver and the file-dialog answers and calls (between tests).
void headless_reset();

// A user's hand on a dialog. The dialog hears of each change at once: the notification is
// sent (not posted) before the call returns, so its effects can be checked straight away;
// whatever the dialog procedure posts in turn waits in the queue. Each returns false, and
// does nothing, when no user could have done it (unknown id, hidden or disabled control,
// control of another kind, list index out of range).
//
// A click focuses the control; push buttons send BN_CLICKED; check boxes toggle and radio
// buttons check themselves and clear their group (unless CS_MANUAL), then send BN_CLICKED.
bool headless_click(Hwnd dialog, int id);
// Moves a trackbar like a drag: clamped to the range, then WM_HSCROLL (WM_VSCROLL when
// vertical) with lparam the id.
bool headless_set_trackbar(Hwnd dialog, int id, int position);
// Steps an up-down control to `position` (clamped): its edit shows it, then UDN_DELTAPOS,
// the edit's EN_CHANGE and WM_VSCROLL (lparam the id).
bool headless_spin(Hwnd dialog, int id, int position);
// Picks an entry of a combo box or list: CBN_SELCHANGE / LBN_SELCHANGE.
bool headless_select(Hwnd dialog, int id, int index);
// Replaces an edit's text as typing would: EN_CHANGE.
bool headless_type(Hwnd dialog, int id, const char* text);
// WM_RBUTTONDOWN_CONTROL with wparam the id (disabled controls too, as the help needs).
bool headless_right_click(Hwnd dialog, int id);
// The keys as is_dialog_message takes them: Enter presses the focused push button, else the
// default button, else IDOK; Esc sends IDCANCEL.
void headless_press_enter(Hwnd dialog);
void headless_press_escape(Hwnd dialog);
// The whole state of one control, or null (see control_model.h).
const Control* headless_control(Hwnd dialog, int id);
// The id of the control that has the keyboard focus, or -1.
int headless_focused_control(Hwnd dialog);

// Called with each modal dialog once its WM_INITDIALOG has run (unless that already ended
// it), so that a test can act in it. The modal loop then hands out posted messages and timer
// ticks only (no paints, so no frames run meanwhile); when neither is left to come, the
// dialog ends with IDCANCEL rather than wait forever.
void headless_set_modal_driver(std::function<void(Hwnd dialog)> driver);
// The templates of the modal dialogs run so far, by name, oldest first.
const std::vector<std::string>& headless_modal_dialogs();

// File dialogs answer from a queue filled by the test: a path is what the user chose, null
// is a cancel. An empty queue answers cancel.
void headless_queue_file_answer(const char* path_or_null);
struct FileDialogCall {
    Hwnd owner;
    bool folder; // browse_for_folder; otherwise get_open_file_name
    std::string title_or_filter, pattern, initial_directory, preset_file;
};
const std::vector<FileDialogCall>& headless_file_dialog_calls();
