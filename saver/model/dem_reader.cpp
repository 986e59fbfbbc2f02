#include "saver/model/dem_reader.h"

#include "saver/model/star_points.h"

namespace {

uint16_t value_at(const uint8_t* bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

} // namespace

uint16_t dem_coordinate(uint16_t value) {
    int v = value;
    if (v < 32767) v += 65534;
    return static_cast<uint16_t>(v - 32767);
}

int read_dem(const uint8_t* bytes, size_t size, uint8_t (&stars)[PLANE_COUNT][STAR_COUNT]) {
    if (!bytes) return 0;
    if (size > DEM_READ_LIMIT) size = DEM_READ_LIMIT;
    int k = 0;
    for (; k < DEM_POINTS; ++k) {
        const size_t at = DEM_FIRST_POINT + 6 * static_cast<size_t>(k);
        if (at + 6 > size) break;
        const uint16_t z = dem_coordinate(value_at(bytes, at));
        const uint16_t x = dem_coordinate(value_at(bytes, at + 2));
        const uint16_t y = dem_coordinate(value_at(bytes, at + 4));
        put_star(stars, k, x, y, z);
    }
    return k;
}
