// The window procedure of a Wayland run: the module cycle as the screen saver plays it, ended
// by the user's input (when the surfaces take it), a signal or the compositor's end.
#pragma once

#include "platform/win.h"

// A compositor may report a surface that appears under the pointer as a pointer move; moves in
// this time after the window's creation do not end the saver. Keys and buttons always do.
constexpr unsigned WAYLAND_MOVE_GRACE_MS = 1000;

Lresult wayland_window_proc(Hwnd hwnd, unsigned message, Wparam wparam, Lparam lparam);

// What the screen saver prepares before its first frame, with the window's context current:
// the settings, the clock and tables, the GL state, the library lists with their cycle order
// and the cycle timer; then the first module's load is posted. Without `own_walk` the cycle
// goes on from the settings' `module` and `modsel` as the screen saver's does; with it (a
// locker may start one copy per output) this copy takes the next module for a walk of its own.
void start_module_cycle(Hwnd hwnd, bool own_walk);
