// One star of a star table from its three coordinates, as the model readers store them.
#pragma once

#include "saver/engine/engine_state.h"

#include <cstdint>

inline void put_star(uint8_t (&stars)[PLANE_COUNT][STAR_COUNT], int i, uint16_t x, uint16_t y,
                     uint16_t z) {
    stars[PLANE_XH][i] = static_cast<uint8_t>(x >> 8);
    stars[PLANE_XL][i] = static_cast<uint8_t>(x);
    stars[PLANE_YH][i] = static_cast<uint8_t>(y >> 8);
    stars[PLANE_YL][i] = static_cast<uint8_t>(y);
    stars[PLANE_ZH][i] = static_cast<uint8_t>(z >> 8);
    stars[PLANE_ZL][i] = static_cast<uint8_t>(z);
}
