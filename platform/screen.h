// Screen geometry and the mouse cursor.
#pragma once

#include "platform/win.h"

Rect primary_screen(); // at 0, 0
Rect virtual_screen(); // union of all monitors; its origin may be negative
// Horizontal dots per inch of the primary screen.
int screen_dpi();
// The monitor that holds most of the rectangle (the primary one when none does).
Rect screen_of(const Rect& area);
// The mouse pointer on the screen.
void get_cursor_pos(int* x, int* y);
// The busy cursor over every window of the program while a long step runs.
void show_wait_cursor(bool waiting);
// Counts like the historical call: the cursor shows while the count is 0 or more.
int show_cursor(bool show);
// Tells the system that a screen saver runs in this window, or with null that none runs any
// more. While one runs the keyboard and the pointer stay with the program, so that no shortcut
// of the window manager leads out of it: the program's other windows (the password bar) get
// what is aimed at them, the saver window everything else. When another client holds them at
// the start, they are asked for again for a few seconds.
void set_screen_saver_window(Hwnd saver);
Hwnd screen_saver_window();
