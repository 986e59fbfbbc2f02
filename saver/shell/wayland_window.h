// The window procedure of a Wayland run: the module cycle as the screen saver plays it, ended
// by the user's input (when the surfaces take it), a signal or the compositor's end.
#pragma once

#include "platform/win.h"

// A compositor may report a surface that appears under the pointer as a pointer move; moves in
// this time after the window's creation do not end the saver. Keys and buttons always do.
constexpr unsigned WAYLAND_MOVE_GRACE_MS = 1000;

Lresult wayland_window_proc(Hwnd hwnd, unsigned message, Wparam wparam, Lparam lparam);
