#include "saver/engine/tables.h"

#include "saver/engine/engine_state.h"
#include "saver/engine/random.h"

#include <cmath>

void build_sine_table() {
    // 8192 steps per turn: the divisor is 8192 / 6.28318.
    for (int i = 0; i < SINE_TABLE_SIZE; ++i)
        sine_table[i] = static_cast<int>(std::sin(i / 1303.7983950801984) * 1000.0);
}

namespace {
int16_t random_offset() {
    int r = (next_random() & 255) + 256;
    if ((next_random() & 16) != 0) r = -r;
    return static_cast<int16_t>(r);
}
} // namespace

void build_offset_tables() {
    for (int i = 0; i < STAR_COUNT; ++i) {
        meteor_offset_z[i] = random_offset();
        meteor_offset_y[i] = random_offset();
        meteor_offset_x[i] = random_offset();
    }
}
