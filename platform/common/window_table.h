// The platform's own record of every window, the one message queue and the timers. Shared by
// both backends; each backend adds what its display needs through the backend pointer and
// defines the public functions that touch the display (creation, placement, the wait for
// messages).
#pragma once

#include "platform/win.h"

#include <cstdint>
#include <string>
#include <vector>

struct BackendWindow; // defined by the backend in use; owned by it
struct DialogModel;   // platform/common/control_model.h

struct Window {
    std::string class_name;
    WndProc proc = nullptr;
    std::string title;
    unsigned style = 0;
    Rect rect{}; // screen position and size of the drawable area
    bool visible = false;
    bool iconic = false;
    Hwnd owner = nullptr;
    long z = 0; // larger is nearer the top
    WindowStates states;
    BackendWindow* backend = nullptr;
    DialogModel* dialog = nullptr; // dialogs only: their controls; owned by the table
};

// A new window of a registered class, in the table but not yet told WM_CREATE; null when the
// class is unknown.
Window* window_table_add(const char* class_name, const char* title, unsigned style, int x, int y,
                         int width, int height, Hwnd owner);
// Sends WM_CREATE and then the first WM_SIZE; false when the procedure refused the creation
// (returned -1) or destroyed the window meanwhile. The caller removes a refused window.
bool window_table_send_create(Window* window);
// Drops the window, its timers and its waiting messages. The backend frees its part first.
void window_table_remove(Window* window);
// The first half of destroying a window, the same on every backend: the windows it owns go
// first (through the backend's `destroy`), then it hears WM_DESTROY. False when the window is
// gone afterwards, so the backend has nothing left to free.
bool window_table_destroy_owned_and_notify(Window* window, void (*destroy)(Hwnd));
const std::vector<Window*>& window_table_all(); // creation order
Window* window_table_find(Hwnd hwnd);           // null when the handle is stale
// Forgets every class, window, timer and message, and a pending quit.
void window_table_clear();

void window_table_raise(Window* window);
void window_table_lower(Window* window);

// Records a new position and size; sends WM_SIZE (client width, height) when the size changed.
// Returns whether the size changed.
bool window_table_move(Window* window, int x, int y, int width, int height);

// What set_window_pos asks for. The z-order and visibility are already applied to the record;
// the move to target is left to the backend, which must call window_table_move once its
// display (or GL surface) has the new size.
struct WindowPosChange {
    bool moved_or_sized, shown, hidden, raised, lowered, frame_changed;
    Rect target;
};
WindowPosChange window_table_set_pos(Window* window, InsertAfter insert_after, int x, int y,
                                     int width, int height, unsigned flags);

// Applies a show command to the record (SW_MINIMIZE makes it iconic, SW_RESTORE and
// SW_SHOWNORMAL restore it, SW_SHOW shows it as it was, SW_HIDE hides it).
void window_table_show(Window* window, int command);

// The next message in the order the loop hands them out: posted messages, then the quit
// message (returns false), then due timers, then a paint for a visible, non-iconic window when
// allow_paint is set. Sets *found when a message was taken.
bool message_queue_take(Msg* msg, bool allow_paint, bool* found);
bool message_queue_has_paintable_window();
// What keeps the program's own windows going while a loop of the toolkit runs (a message box,
// a file chooser, an open drop-down list): their due timers, then a paint. Posted messages and
// the quit message wait for the program's loop.
bool message_queue_take_frame(Msg* msg);
std::vector<Msg> message_queue_posted();
bool message_queue_quit_pending();
void message_queue_forget_window(Hwnd hwnd);
void message_queue_clear();

// Nanoseconds until the earliest timer is due (0 when overdue); -1 without timers.
int64_t timers_next_due_in();
// The earliest due timer, of the windows `wanted` accepts when it is given.
bool timers_take_due(Msg* msg, bool (*wanted)(const Window*) = nullptr);
void timers_forget_window(Hwnd hwnd);
void timers_clear();

// How a backend restores an iconic window and brings it to the front; the single-instance
// server calls it for a later copy's request. Set by the backend when it creates a window.
extern void (*window_restore_and_raise)(Hwnd hwnd);
