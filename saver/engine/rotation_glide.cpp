#include "saver/engine/flight.h"

#include "saver/engine/engine_state.h"
#include "saver/model/view.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int INSTANT_GLIDE = 990;
constexpr float LOG_GLIDE_CEILING = 15.625f;
constexpr float LOG_GLIDE_SETTLED = 0.001f; // degrees

int step_toward(int value, int target, int step) {
    if (value < target) return static_cast<int>(std::min<int64_t>(int64_t{value} + step, target));
    return static_cast<int>(std::max<int64_t>(int64_t{value} - step, target));
}

// Moves by `step` (sign ignored) toward the target and lands on it when the step reaches or
// passes it, or when the step is too small to change the value any more: either way the
// glide always arrives.
float step_toward(float value, float target, float step) {
    float distance = target - value;
    float magnitude = std::fabs(step);
    float remaining = std::fabs(distance);
    if (magnitude >= remaining) return target;
    float next = distance > 0.0f ? value + magnitude : value - magnitude;
    return next == value ? target : next;
}

// The log glide covers (target - value) / k per frame, k = (15.625 - G)^3. k at or below 1
// (the top of the slider range) means the first step already reaches the target. The share
// alone would only approach the target, so within a thousandth of a degree it lands on it.
float log_step(float value, float target) {
    float base = LOG_GLIDE_CEILING - log_glide_value;
    float k = base * base * base;
    float distance = target - value;
    if (k <= 1.0f || std::fabs(distance) <= LOG_GLIDE_SETTLED) return distance;
    return distance / k;
}

// The glide step truncated; at least 1 so that the rates always arrive, and no larger than
// any distance two rates can have, so that any real a damaged View gives stays defined.
int rate_glide_step() {
    if (!(rotation_glide_step >= 1.0f)) return 1;
    if (rotation_glide_step >= 1.0e9f) return 1000000000;
    return static_cast<int>(rotation_glide_step);
}

float spin_per_frame(int rate) {
    return static_cast<float>(rate) / 450.0f - 4.0f;
}

void add_spin(float& angle, int rate) {
    angle += spin_per_frame(rate);
    if (angle > 360.0f)
        angle -= 360.0f;
    else if (angle < 0.0f)
        angle += 360.0f;
}

} // namespace

void derive_glide_rates() {
    float f = static_cast<float>(track20f) + 1.0f;
    rotation_glide_step = f;
    position_glide_step = (f * f + 1.0f) / 88264.0f;
    log_glide_value = (f + 1.0f) / 64.0f;
    tail_glide_step = (static_cast<float>(track20f1) + 1.0f) / 48.0f;
}

void rotation_update() {
    const int rate_targets[3] = {track4, track5, track6};
    const float position_targets[3] = {track1, track2, track3};
    if (track20f >= INSTANT_GLIDE) {
        for (int i = 0; i < 3; ++i) {
            rotation_rate[i] = rate_targets[i];
            position_angle[i] = position_targets[i];
        }
    } else {
        int rate_step = rate_glide_step();
        for (int i = 0; i < 3; ++i) {
            rotation_rate[i] = step_toward(rotation_rate[i], rate_targets[i], rate_step);
            float step =
                barsx ? log_step(position_angle[i], position_targets[i]) : position_glide_step;
            position_angle[i] = step_toward(position_angle[i], position_targets[i], step);
        }
    }
    add_spin(spin, rotation_rate[2]);
    add_spin(spin1, rotation_rate[1]);
    add_spin(spin2, rotation_rate[0]);
}
