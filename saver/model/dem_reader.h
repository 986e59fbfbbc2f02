// The binary "planm" model layout (".dem"): 5727 points of three unsigned 16-bit values,
// little-endian, from byte 8278 on. Only the first 65000 bytes of a file count.
#pragma once

#include "saver/engine/engine_state.h"

#include <cstddef>
#include <cstdint>

constexpr size_t DEM_READ_LIMIT = 65000;
constexpr size_t DEM_FIRST_POINT = 8278;
constexpr int DEM_POINTS = 5727;

// A stored value as a star coordinate: 0 is the centre 32767, 32767 the cube's edge 0.
uint16_t dem_coordinate(uint16_t value);

// Stores every point the bytes hold whole as a star (X the second value, Y the third, Z the
// first); stars without a whole point in the file keep their places. Returns the points
// stored.
int read_dem(const uint8_t* bytes, size_t size, uint8_t (&stars)[PLANE_COUNT][STAR_COUNT]);
