// The about and help window: the mouse and key controls, and the user manual.
#pragma once

#include "platform/win.h"

// Command 40038: opens the window owned by the starfield window, unless it is open.
void open_about_window(Hwnd starfield);
Lresult about_window_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam lparam);
