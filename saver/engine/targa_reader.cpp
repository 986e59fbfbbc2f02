#include "saver/engine/targa_reader.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

enum TargaType { COLOUR_MAPPED = 1, TRUE_COLOUR = 2 };

unsigned little_endian16(const uint8_t* p) {
    return p[0] | p[1] << 8;
}

void expand_true_colour(const uint8_t* bgr, long long pixels, uint8_t* rgb) {
    for (long long i = 0; i < pixels; ++i, bgr += 3, rgb += 3) {
        rgb[0] = bgr[2];
        rgb[1] = bgr[1];
        rgb[2] = bgr[0];
    }
}

void look_up(const uint8_t (&palette)[PALETTE_TABLE_SIZE], uint8_t index, uint8_t* rgb) {
    const uint8_t* entry = &palette[3 * index];
    rgb[0] = entry[2];
    rgb[1] = entry[1];
    rgb[2] = entry[0];
}

void expand_indices(const uint8_t* indices, long long pixels,
                    const uint8_t (&palette)[PALETTE_TABLE_SIZE], uint8_t* rgb) {
    for (long long i = 0; i < pixels; ++i) look_up(palette, indices[i], rgb + 3 * i);
}

// Every second pixel, and after each `width` taken (two source rows) two rows skipped. For
// an even width that keeps the even columns of rows 4k and 4k + 1; the walk never reaches
// past width * height, since pixel n is read at 2n + 2 width (n / width) <= 4n.
void halve_indices(const uint8_t* indices, int width, long long pixels_out,
                   const uint8_t (&palette)[PALETTE_TABLE_SIZE], uint8_t* rgb) {
    long long source = 0;
    for (long long taken = 1; taken <= pixels_out; ++taken) {
        look_up(palette, indices[source], rgb + 3 * (taken - 1));
        source += 2;
        if (taken % width == 0) source += 2LL * width;
    }
}

} // namespace

bool read_targa(const uint8_t* file, size_t size, bool halve_large,
                uint8_t (&palette)[PALETTE_TABLE_SIZE], RgbImage& image) {
    image = RgbImage{};
    if (size < TARGA_HEADER_SIZE) return false;
    const unsigned id_length = file[0];
    const unsigned map_type = file[1];
    const unsigned type = file[2];
    const size_t map_length = little_endian16(file + 5);
    const unsigned map_entry_bits = file[7];
    const int width = static_cast<int>(little_endian16(file + 12));
    const int height = static_cast<int>(little_endian16(file + 14));
    const unsigned depth = file[16];

    if (type == COLOUR_MAPPED) {
        if (depth != 8 || map_type != 1 || map_entry_bits != 24) return false;
    } else if (type == TRUE_COLOUR) {
        if (depth != 24) return false;
    } else {
        return false;
    }
    const long long pixels = static_cast<long long>(width) * height;
    if (pixels == 0 || pixels > MAX_TARGA_PIXELS) return false;

    // Sizes are checked against what the file holds before anything is allocated.
    size_t offset = TARGA_HEADER_SIZE + id_length;
    const size_t map_bytes = map_type == 1 ? map_length * ((map_entry_bits + 7) / 8) : 0;
    if (offset + map_bytes > size) return false;
    if (type == COLOUR_MAPPED) {
        // Only 256 entries are reachable by an 8-bit index; a longer map is cut to the table.
        std::memset(palette, 0, sizeof palette);
        std::memcpy(palette, file + offset, std::min(map_bytes, sizeof palette));
    }
    offset += map_bytes;
    const size_t pixel_bytes = static_cast<size_t>(pixels) * (depth / 8);
    if (pixel_bytes > size - offset) return false;
    const uint8_t* source = file + offset;

    const bool halve = type == COLOUR_MAPPED && halve_large && pixels >= HALVING_THRESHOLD &&
                       width >= 2 && height >= 2;
    const int out_width = halve ? width / 2 : width;
    const int out_height = halve ? height / 2 : height;
    const long long pixels_out = static_cast<long long>(out_width) * out_height;
    uint8_t* rgb = new (std::nothrow) uint8_t[static_cast<size_t>(pixels_out) * 3];
    if (rgb == nullptr) return false;
    image.rgb.reset(rgb);
    image.width = out_width;
    image.height = out_height;

    if (type == TRUE_COLOUR)
        expand_true_colour(source, pixels, rgb);
    else if (halve)
        halve_indices(source, width, pixels_out, palette, rgb);
    else
        expand_indices(source, pixels, palette, rgb);
    return true;
}
