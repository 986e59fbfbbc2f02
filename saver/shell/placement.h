// Where the starfield window goes: the screen it covers and its saved framed rectangle.
#pragma once

#include "platform/win.h"

// The primary screen, or the whole virtual screen when `multienable` is 1.
Rect covered_screen();
// Moves and sizes the window over the whole virtual screen when `multienable` is 1, else over
// the monitor that holds it, and shows it.
void cover_screen(Hwnd hwnd);
// Moves and sizes the window to the saved framed rectangle and shows it.
void restore_saved_rect(Hwnd hwnd);
// Reads `appx`, `appy`, `appx1`, `appy1` from [Items] of the settings file.
void read_saved_rect();
// Writes the window's rectangle as `appx`, `appy`, `appx1`, `appy1` into [Items] of a file.
void write_window_rect(Hwnd hwnd, const char* file);
// Sizes the control window to its contracted size at `xmainx`, `xmainy` of the settings file,
// or at 0, 0 when that lies beyond the covered screen.
void place_control_window();
