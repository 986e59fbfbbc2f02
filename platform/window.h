// Windows, window procedures, the message queue and timers.
// One queue serves the whole (single-threaded) program. A window is never validated, so
// whenever the queue is empty get_message hands out a WM_PAINT for a visible window: that
// is the render loop.
#pragma once

#include "platform/win.h"

#include <string>

// Registers a window procedure under a class name; false when the name is taken.
bool register_class(const char* class_name, WndProc proc);

// Creates a top-level window of a registered class and sends it WM_CREATE before returning.
// Null when the class is unknown. Every top-level window can carry a GL context.
Hwnd create_window(const char* class_name, const char* title, unsigned style, int x, int y,
                   int width, int height, Hwnd owner);
// Destroys the windows it owns, then sends it WM_DESTROY and forgets it with its timers, its
// waiting messages and its GL context.
void destroy_window(Hwnd hwnd);
bool is_window(Hwnd hwnd);
const char* window_class(Hwnd hwnd);

void post_message(Hwnd hwnd, unsigned message, Wparam wparam, Lparam lparam);
Lresult send_message(Hwnd hwnd, unsigned message, Wparam wparam, Lparam lparam);
void post_quit_message(int exit_code);

// Waits for the next message; false once the quit message is taken (its code in msg->wparam).
bool get_message(Msg* msg);
// Takes the next posted or timer message without waiting and without inventing a paint.
bool peek_message(Msg* msg);
Lresult dispatch_message(const Msg& msg);

void set_timer(Hwnd hwnd, unsigned id, unsigned milliseconds);
void kill_timer(Hwnd hwnd, unsigned id);

void set_window_pos(Hwnd hwnd, InsertAfter insert_after, int x, int y, int width, int height,
                    unsigned flags);
Rect get_window_rect(Hwnd hwnd); // screen coordinates of the window
Rect get_client_rect(Hwnd hwnd); // 0, 0, width, height of the drawable area
void set_window_text(Hwnd hwnd, const char* text);
std::string get_window_text(Hwnd hwnd);
unsigned get_window_style(Hwnd hwnd);
void set_window_style(Hwnd hwnd, unsigned style); // takes effect with SWP_FRAMECHANGED
void show_window(Hwnd hwnd, int command);
// Asks the window manager for these states (without one, the program's own placement stands).
void set_window_states(Hwnd hwnd, WindowStates states);
WindowStates get_window_states(Hwnd hwnd);
bool is_window_visible(Hwnd hwnd);
bool is_iconic(Hwnd hwnd);
void set_foreground_window(Hwnd hwnd);
void update_window(Hwnd hwnd);

// The first visible top-level window of a class, or null.
Hwnd find_window(const char* class_name);
