// Screen geometry and the mouse cursor.
#pragma once

#include "platform/win.h"

Rect primary_screen(); // at 0, 0
Rect virtual_screen(); // union of all monitors; its origin may be negative
// Counts like the historical call: the cursor shows while the count is 0 or more.
int show_cursor(bool show);
// Where the mouse cursor is, in screen coordinates; false when that cannot be known.
bool get_cursor_pos(int* x, int* y);
// Whether the system is told that a screen saver runs (kept for the desktop session).
void set_screen_saver_running(bool running);
bool screen_saver_running();
