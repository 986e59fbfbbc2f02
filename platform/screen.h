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
// Whether the system is told that a screen saver runs (kept for the desktop session).
void set_screen_saver_running(bool running);
bool screen_saver_running();
