// Drawing into a window a screen-saver host made and owns (it passes the X window id). The
// window joins the window table like any top-level window, so the program posts to it and asks
// its size as usual; the host places it, takes the input and ends us with a signal.
#pragma once

#include "platform/win.h"

#include <cstdint>
#include <string>

// The id that stands for the display's root window.
constexpr unsigned long HOST_ROOT_WINDOW = 0;

// Makes a GL context for the visual of the host's window, makes it current and adopts the
// window under `class_name` (WM_CREATE and WM_SIZE are sent as for a created window). With
// `show_frame_rate` each frame shows the frame rate in the bottom-left corner. Null, with one
// line in *error, when there is no display, no such window or no OpenGL for its visual.
Hwnd adopt_host_window(const char* class_name, unsigned long window_id, bool show_frame_rate,
                       std::string* error);
// The adopted window's message loop: posted messages and timers first, then a paint. A size
// change of the host's window arrives as WM_SIZE; SIGTERM, SIGINT or the window's destruction
// as one WM_CLOSE. False once the quit message is taken.
bool hosted_get_message(Msg* msg);
// Presents the frame when hwnd is the adopted window; false for any other window.
bool hosted_swap_buffers(Hwnd hwnd);

// No frame is handed out while the host's window is not viewable (unmapped or fully covered)
// or the process is stopped. The time frames were held back since the last call, in
// nanoseconds, so that timers that run on the clock can leave it out.
uint64_t hosted_take_paused_ns();

// What the display tells about pacing by the buffer swap: whether the GL lets us set the
// swap interval, and the refresh rate of the monitor showing the window (0 when unknown).
struct HostedDisplaySync {
    bool swap_control = false;
    double refresh_hz = 0.0;
};
HostedDisplaySync hosted_display_sync();
// Vertical blanks each swap waits for (0: none); only with swap control.
void hosted_set_swap_interval(int interval);
// Drops the context and the display connection and forgets the window.
void release_host_window(Hwnd hwnd);
