// Uncompressed Targa files as the backdrop reader takes them: no ID field, a 256-entry 24-bit
// colour map for 8-bit images, rows top first (the descriptor says so for other viewers).
#pragma once

#include "tools/media_maker/canvas.h"

#include <cstdint>
#include <vector>

std::vector<uint8_t> encode_targa_true_colour(const Canvas& canvas);
std::vector<uint8_t> encode_targa_mapped(const Canvas& canvas);
