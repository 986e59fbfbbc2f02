// The module cycle of a copy that is not the editor (a hosted or a Wayland run), played as the
// screen saver plays it.
#pragma once

#include "platform/win.h"

// What the screen saver prepares before its first frame, with the window's context current:
// the settings, the clock and tables, the GL state, the library lists with their cycle order
// and the cycle timer; then the first module's load is posted. Without `own_walk` the cycle
// goes on from the settings' `module` and `modsel` as the screen saver's does; with it (one
// copy per monitor or output) this copy takes the next module for a walk of its own.
void start_copy_cycle(Hwnd hwnd, bool own_walk);

// The load that CMD_LOAD_MODULE asks for: the module of this copy's own walk, else the one
// the settings' `module` names.
void load_copy_module(Hwnd hwnd);
