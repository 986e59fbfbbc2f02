// Model import of a binary ".dem" model: any bytes.
#include "saver/model/dem_reader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static uint8_t stars[PLANE_COUNT][STAR_COUNT];
    const int points = read_dem(data, size, stars);
    const size_t counted = size < DEM_READ_LIMIT ? size : DEM_READ_LIMIT;
    const int whole =
        counted < DEM_FIRST_POINT ? 0 : static_cast<int>((counted - DEM_FIRST_POINT) / 6);
    if (points != (whole < DEM_POINTS ? whole : DEM_POINTS)) std::abort();
    return 0;
}
