#include "saver/engine/timed_modes.h"

#include "saver/engine/engine_state.h"
#include "saver/engine/generator.h"
#include "saver/model/view.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Generator slider 1 at the top of its range keeps the current pattern.
constexpr int KEEP_PATTERN = 128;

int read_coordinate(const uint8_t (&table)[PLANE_COUNT][STAR_COUNT], int high, int low, int k) {
    return table[high][k] * 256 + table[low][k];
}

void write_coordinate(uint8_t (&table)[PLANE_COUNT][STAR_COUNT], int high, int low, int k,
                      int value) {
    const auto wrapped = static_cast<uint16_t>(value); // around the cube
    table[high][k] = static_cast<uint8_t>(wrapped >> 8);
    table[low][k] = static_cast<uint8_t>(wrapped);
}

// Truncates toward zero; absurd velocities from a damaged module saturate instead of
// overflowing the conversion.
int truncate_flight(double value) {
    constexpr double limit = 1.0e9;
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(value, -limit, limit));
}

struct Axis {
    int high, low;
};
constexpr Axis AXIS_Z{PLANE_ZH, PLANE_ZL};
constexpr Axis AXIS_X{PLANE_XH, PLANE_XL};
constexpr Axis AXIS_Y{PLANE_YH, PLANE_YL};

void morph_axis(int k, Axis axis, int divisor, bool flies, float velocity) {
    const int target = read_coordinate(target_stars, axis.high, axis.low, k);
    int shown = read_coordinate(display_stars, axis.high, axis.low, k);
    shown += (target - shown) / divisor;
    write_coordinate(display_stars, axis.high, axis.low, k, shown);
    // The displacement is subtracted in double precision: a slow flight moves a target by less
    // than a float can resolve near 65535, and the star would stand still.
    const int moved =
        flies ? truncate_flight(target - static_cast<double>(velocity * speed) / 40.0) : target;
    // A star leaving the cube takes its display copy along, so it never glides across it.
    if (moved < 0 || moved > 65534) write_coordinate(display_stars, axis.high, axis.low, k, moved);
    write_coordinate(target_stars, axis.high, axis.low, k, moved);
}

int first_morphed_star() {
    return bars ? std::max(meteor_count - 1, 0) : 0;
}

} // namespace

float pattern_fade_at(int timer, int period) {
    // A period of 0 frames renews the pattern every frame; it is simply shown in full.
    if (period <= 0) return 1.0f;
    const float half = static_cast<float>(period / 2);
    const float t = static_cast<float>(timer) / half;
    const float fade = timer <= period / 2 ? 2.0f * t : 2.0f * (2.0f - t);
    // A timer left beyond the period (another mode, a lowered slider) would go negative.
    return std::clamp(fade, 0.0f, 1.0f);
}

void timed_modes_step() {
    const int period = track20k * 10;
    pattern_fade = pattern_fade_at(pattern_timer, period);
    ++pattern_timer;
    if (pattern_timer > period) {
        pattern_timer = 0;
        if (track20k < KEEP_PATTERN) generate();
        pattern_timer = 0;
    }
    morph_and_fly_stars();
}

void morph_and_fly_stars() {
    // A damaged module can hold a negative glide; it then moves in one frame.
    const int divisor = std::max(track20l + 1, 1);
    // The star count reaches 32000 at the top of its slider: the tables end one star earlier.
    for (int k = first_morphed_star(); k < STAR_COUNT && static_cast<float>(k) <= track10; ++k) {
        morph_axis(k, AXIS_Z, divisor, true, velocity_z);
        morph_axis(k, AXIS_X, divisor, sphere2 >= 1, velocity_x);
        morph_axis(k, AXIS_Y, divisor, sphere2 == 2, velocity_y);
    }
}
