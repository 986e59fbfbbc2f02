// Writes RGB pixels as a PNG file (uncompressed deflate blocks: no library needed).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `rgb` holds height rows of width * 3 bytes, top row first.
bool write_png(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
