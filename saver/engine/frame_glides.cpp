#include "saver/engine/frame_glides.h"

#include "saver/engine/engine_state.h"
#include "saver/model/view.h"

#include <algorithm>

namespace {

// Moves `value` by `step` toward `target`, stopping on the target instead of passing it.
float step_toward(float value, float target, float step) {
    if (value < target) return std::min(value + step, target);
    return std::max(value - step, target);
}

} // namespace

void glide_scale() {
    const float target = static_cast<float>(std::min(track7, 1000));
    if (track20f3 >= GLIDE_AT_ONCE) {
        live_scale = target;
        return;
    }
    if (live_scale != target)
        live_scale = step_toward(live_scale, target, (track20f3 + 1) / 128.0f);
}

float log_glide_divisor(int angle_glide) {
    const float g = (angle_glide + 1) / 64.0f + 1.0f;
    const float root = 15.625f - g;
    // Near the top of the control the cube falls to 0 and below, which would fling the
    // angle away from `fov`; from 1 down the first step already arrives, so 1 is the floor.
    return std::max(root * root * root, 1.0f);
}

void glide_view_angle() {
    const float target = static_cast<float>(fov);
    if (track20f2 >= GLIDE_AT_ONCE) {
        live_view_angle = target;
        return;
    }
    if (live_view_angle == target) return;
    if (!barsx2) {
        live_view_angle = step_toward(live_view_angle, target, (track20f2 + 1) / 256.0f);
        return;
    }
    const float moved = live_view_angle + (target - live_view_angle) / log_glide_divisor(track20f2);
    // Once the remaining distance is below what a real can resolve the step no longer moves
    // the angle; finish the glide rather than stop a hair short of `fov` for ever.
    if (moved == live_view_angle) {
        live_view_angle = target;
        return;
    }
    const bool passed = (target - moved) * (target - live_view_angle) < 0.0f;
    live_view_angle = passed ? target : moved;
}
