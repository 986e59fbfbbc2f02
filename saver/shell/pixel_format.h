// The starfield window's rendering surface.
#pragma once

#include "platform/win.h"

// Chooses the pixel format and, on a colour-index visual, sets up the palette. Returns 1 on
// success; 0 after telling the user (the caller creates the context all the same).
int set_pixel_format(Hwnd hwnd);
