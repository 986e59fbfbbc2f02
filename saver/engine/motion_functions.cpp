#include "saver/engine/motion_functions.h"

#include "saver/engine/engine_state.h"
#include "saver/engine/random.h"
#include "saver/model/view.h"

#include <cmath>
#include <limits>

namespace {

// Truncation toward zero that stays defined for any real a damaged View may hold.
int truncate_to_int(float value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483648.0f) return std::numeric_limits<int>::max();
    if (value <= -2147483648.0f) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

int& f1 = function_state[0];
int& f2 = function_state[1];
int& f3 = function_state[2];
int& f4 = function_state[3];

// F1 is also a walk state of functions 4 and 8, so after a switch of function it may hold
// any value; it is reduced fully before it indexes the table.
int advance_sine_index(int s) {
    f1 = wrap_sine_index(wrap_sine_index(f1) + s / 10);
    return sine_table[f1];
}

// Two walks in a row: the second smooths the first.
float walk_twice(int& first, int& second, float x, int n, int m) {
    return walk(second, walk(first, x, n, m), n, m);
}

} // namespace

float walk(int& state, float x, int n, int m) {
    float a = static_cast<float>(state) / static_cast<float>(n < 1 ? 1 : n);
    state = truncate_to_int(static_cast<float>(state) - a + x);
    return a * static_cast<float>(m) / 8.0f;
}

int wrap_sine_index(int index) {
    int wrapped = index % SINE_TABLE_SIZE;
    return wrapped < 0 ? wrapped + SINE_TABLE_SIZE : wrapped;
}

void apply_motion_function() {
    if (track9z == 0.0f) {
        pitch = base_pitch;
        return;
    }
    int q1 = (next_random() & 8191) - 4096;
    int q2 = (next_random() & 8191) - 4096;
    int amount = truncate_to_int(track9z);
    int s = truncate_to_int(track9zq + 1.0f);
    int s2 = truncate_to_int(track9zq / 20.0f + 1.0f);
    float a = static_cast<float>(amount);

    switch (colormode) {
    case 0: {
        int sine = advance_sine_index(s);
        int k = s / 25 + 1;
        xtx1 += static_cast<float>(k) * sine * a / 20000000.0f;
        pitch = base_pitch + a * sine / 30000.0f;
        break;
    }
    case 1:
        xtx1 += a * advance_sine_index(s) / 2000000.0f;
        pitch = base_pitch;
        break;
    case 2:
        pitch = base_pitch + a * advance_sine_index(s) / 15000.0f;
        break;
    case 3:
        xtx1 += a * static_cast<float>(q1 >> 5) / 10000.0f;
        pitch = base_pitch + static_cast<float>(s) * static_cast<float>(q2 >> 5) / 20000.0f;
        break;
    case 4:
        xtx1 += a * walk_twice(f1, f2, static_cast<float>(q1), 37, 3) / 1000000.0f;
        pitch = base_pitch + a * walk_twice(f3, f4, static_cast<float>(q2), 411, 64) / 100000.0f;
        break;
    case 5:
        xtx1 += a / 1000.0f;
        pitch = base_pitch;
        break;
    case 6:
        pitch =
            base_pitch + a * walk_twice(f3, f4, static_cast<float>(q2), s, 64) * s / 50000000.0f;
        break;
    case 7:
        xtx1 += a * walk_twice(f3, f4, static_cast<float>(q2), s2, 64) / 3000.0f / 100000.0f;
        pitch = base_pitch;
        break;
    case 8:
        pitch =
            base_pitch + a * walk_twice(f1, f2, static_cast<float>(q2), s, 64) * s / 50000000.0f;
        xtx1 += a * walk_twice(f3, f4, static_cast<float>(q2), s2, 64) / 3000.0f / 100000.0f;
        break;
    default:
        // A function number from a damaged View: no motion.
        pitch = base_pitch;
        break;
    }
}
