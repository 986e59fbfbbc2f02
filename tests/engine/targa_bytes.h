// Targa files built byte by byte for the reader and backdrop tests.
#pragma once

#include "saver/engine/targa_reader.h"

#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

struct TargaHeader {
    int type = 2;
    int map_type = 0;
    int map_length = 0;
    int map_entry_bits = 0;
    int width = 1, height = 1;
    int depth = 24;
    int id_length = 0;
};

inline void put16(Bytes& bytes, size_t at, int value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

inline Bytes header_bytes(const TargaHeader& h) {
    Bytes bytes(TARGA_HEADER_SIZE, 0);
    bytes[0] = static_cast<uint8_t>(h.id_length);
    bytes[1] = static_cast<uint8_t>(h.map_type);
    bytes[2] = static_cast<uint8_t>(h.type);
    put16(bytes, 5, h.map_length);
    bytes[7] = static_cast<uint8_t>(h.map_entry_bits);
    put16(bytes, 12, h.width);
    put16(bytes, 14, h.height);
    bytes[16] = static_cast<uint8_t>(h.depth);
    bytes.resize(bytes.size() + h.id_length, 'I');
    return bytes;
}

// Pixels given as blue, green, red.
inline Bytes true_colour(int width, int height, const Bytes& bgr) {
    Bytes file = header_bytes({2, 0, 0, 0, width, height, 24, 0});
    file.insert(file.end(), bgr.begin(), bgr.end());
    return file;
}

// A map of 24-bit entries, blue first, and one index byte per pixel.
inline Bytes colour_mapped(int width, int height, const Bytes& map, const Bytes& indices) {
    Bytes file = header_bytes({1, 1, static_cast<int>(map.size() / 3), 24, width, height, 8, 0});
    file.insert(file.end(), map.begin(), map.end());
    file.insert(file.end(), indices.begin(), indices.end());
    return file;
}
