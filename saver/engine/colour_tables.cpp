#include "saver/engine/engine_state.h"
#include "saver/engine/gl_state.h"

namespace {

// One trapezoid per colour, a third of the table apart: full for 0..42 and 212..255, falling
// over 43..84, off for 85..170, rising over 171..211.
float rainbow_ramp(int i) {
    if (i <= 42 || i >= 212) return 1.0f;
    if (i <= 84) return static_cast<float>(85 - i) / 42.0f;
    if (i <= 170) return 0.0f;
    return static_cast<float>(i - 170) / 42.0f;
}

// Expands the index bits of one colour to 0..255.
uint8_t expand_colour_bits(int index, int bits, int shift) {
    static const uint8_t one_bit[2] = {0, 255};
    static const uint8_t two_bits[4] = {0, 85, 170, 255};
    static const uint8_t three_bits[8] = {0, 36, 73, 109, 146, 182, 219, 255};
    if (shift < 0 || shift > 31) return 0;
    const int v = index >> shift;
    switch (bits) {
    case 1:
        return one_bit[v & 1];
    case 2:
        return two_bits[v & 3];
    case 3:
        return three_bits[v & 7];
    default:
        return 0;
    }
}

struct SystemColour {
    int index;
    PaletteEntry colour;
};

// The entries the desktop keeps for itself on an 8-bit display; taking them over keeps the
// rest of the desktop looking right while the starfield owns the palette.
constexpr SystemColour SYSTEM_COLOURS[] = {
    {3, {128, 0, 0}},       {24, {0, 128, 0}},      {27, {128, 128, 0}},    {64, {0, 0, 128}},
    {67, {128, 0, 128}},    {88, {0, 128, 128}},    {173, {192, 192, 192}}, {181, {192, 220, 192}},
    {236, {166, 202, 240}}, {247, {255, 251, 240}}, {164, {160, 160, 164}}, {91, {128, 128, 128}},
};

bool is_three_three_two(const PixelLayout& layout) {
    return layout.colour_bits == 8 && layout.red_bits == 3 && layout.red_shift == 0 &&
           layout.green_bits == 3 && layout.green_shift == 3 && layout.blue_bits == 2 &&
           layout.blue_shift == 6;
}

} // namespace

void build_rainbow_palette() {
    for (int i = 0; i < 256; ++i) {
        rainbow_r[i] = rainbow_ramp(i);
        rainbow_g[i] = rainbow_ramp((i + 85) % 256);
        rainbow_b[i] = rainbow_ramp((i + 170) % 256);
    }
    for (int i = 0; i < 256; ++i) {
        rainbow_r[256 + i] = rainbow_r[i] / 2.0f + 0.5f;
        rainbow_g[256 + i] = rainbow_g[i] / 2.0f + 0.5f;
        rainbow_b[256 + i] = rainbow_b[i] / 2.0f + 0.5f;
    }
}

void build_colour_wheel() {
    for (int i = 0; i < WHEEL_SIZE; ++i) {
        if (i <= 255) {
            wheel_a[i] = 256 - i;
            wheel_b[i] = i;
            wheel_c[i] = 0;
        } else if (i <= 511) {
            wheel_a[i] = 0;
            wheel_b[i] = 512 - i;
            wheel_c[i] = i - 256;
        } else {
            wheel_a[i] = i - 512;
            wheel_b[i] = 0;
            wheel_c[i] = 768 - i;
        }
    }
}

int build_index_palette(const PixelLayout& layout, PaletteEntry* entries) {
    // A colour-index visual has at most 8 bits; anything claiming more gets the 256 entries a
    // caller can hold.
    int bits = layout.colour_bits;
    if (bits < 0) bits = 0;
    if (bits > 8) bits = 8;
    const int n = 1 << bits;
    for (int i = 0; i < n; ++i) {
        entries[i].red = expand_colour_bits(i, layout.red_bits, layout.red_shift);
        entries[i].green = expand_colour_bits(i, layout.green_bits, layout.green_shift);
        entries[i].blue = expand_colour_bits(i, layout.blue_bits, layout.blue_shift);
    }
    if (is_three_three_two(layout))
        for (const SystemColour& system : SYSTEM_COLOURS) entries[system.index] = system.colour;
    return n;
}
