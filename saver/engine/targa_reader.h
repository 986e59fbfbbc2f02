// Uncompressed Targa images decoded into RGB triples for the backdrop texture. Pure: bytes in,
// pixels out, no files and no GL, so that every hostile file can be tried in a plain test.
#pragma once

#include "saver/engine/engine_state.h"

#include <cstddef>
#include <cstdint>
#include <memory>

constexpr size_t TARGA_HEADER_SIZE = 18;
// An image of more pixels is refused instead of being expanded in memory; the largest
// backdrop we ship has two million.
constexpr long long MAX_TARGA_PIXELS = 8192LL * 8192;
// The most bytes a readable file can use: header, ID field, the longest colour map of
// 32-bit entries and the largest 24-bit image. Whatever follows is never read.
constexpr size_t MAX_TARGA_FILE_SIZE =
    TARGA_HEADER_SIZE + 255 + 65535 * 4 + static_cast<size_t>(MAX_TARGA_PIXELS) * 3;
// `backresolution` 1 halves 8-bit images from this many pixels on.
constexpr long long HALVING_THRESHOLD = 1000001;

struct RgbImage {
    int width = 0, height = 0;
    std::unique_ptr<uint8_t[]> rgb; // width * height triples, rows in file order
};

// Decodes a colour-mapped 8-bit image (type 1, 24-bit colour map) or a true-colour 24-bit
// image (type 2). The colour map goes into the palette table as read, blue first, cut to the
// table; indices beyond the map are black. With halve_large, an 8-bit image of at least
// HALVING_THRESHOLD pixels comes out at half width and half height. False, with the image
// left empty, for anything else: other types and depths, a short file, a size beyond
// MAX_TARGA_PIXELS or a failed allocation.
bool read_targa(const uint8_t* file, size_t size, bool halve_large,
                uint8_t (&palette)[PALETTE_TABLE_SIZE], RgbImage& image);
