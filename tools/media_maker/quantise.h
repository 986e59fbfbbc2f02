// Reduces a painted picture to the 256-colour map of an 8-bit Targa.
#pragma once

#include "tools/media_maker/canvas.h"

#include <array>
#include <cstdint>
#include <vector>

struct Rgb8 {
    uint8_t r, g, b;
};

struct MappedImage {
    std::array<Rgb8, 256> palette{};
    std::vector<uint8_t> indices; // one per pixel, rows as in the canvas
};

// Converts a colour channel in [0, 1] to a byte, clamping what is out of range.
uint8_t to_byte(float channel);

// Median cut over the picture's own colours, so a dark nebula spends its entries on dark reds
// rather than on a fixed cube. A light ordered dither hides the steps in smooth glows.
MappedImage quantise(const Canvas& canvas);
