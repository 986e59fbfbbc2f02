// The OpenGL rendering context of a window: RGB, double buffered, with a depth buffer.
#pragma once

#include "platform/win.h"

// Chooses the pixel format for the window; false when the display cannot give one.
bool gl_choose_pixel_format(Hwnd hwnd);
bool gl_create_context(Hwnd hwnd); // creates it and makes it current
bool gl_make_current(Hwnd hwnd);   // null releases the current context
void gl_delete_context(Hwnd hwnd);
void gl_swap_buffers(Hwnd hwnd);
// True only on a colour-index visual, where the 8-bit palette must be applied.
bool gl_needs_palette(Hwnd hwnd);
