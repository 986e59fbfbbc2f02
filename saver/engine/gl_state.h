// OpenGL state, colour tables and the projection of the starfield window.
#pragma once

#include "platform/win.h"

#include <cstdint>

// One-time set-up after the window's context is current: GL state, quadric, projection,
// rainbow palette and colour wheel.
void init_gl_state(Hwnd hwnd);
void build_rainbow_palette();
void build_colour_wheel();
// Follows the window size and the live view angle; clears the resize-pending flag.
void refresh_projection(Hwnd hwnd);

// The palette of a colour-index visual: entry i as red, green, blue, given the bit count and
// shift of each colour. Only applied where gl_needs_palette() says so.
struct PaletteEntry {
    uint8_t red, green, blue;
};
struct PixelLayout {
    int colour_bits;
    int red_bits, red_shift, green_bits, green_shift, blue_bits, blue_shift;
};
// Fills n = 2^colour_bits entries (at most 256); returns n.
int build_index_palette(const PixelLayout& layout, PaletteEntry* entries);
