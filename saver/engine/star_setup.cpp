#include "saver/engine/engine_state.h"
#include "saver/engine/star_frame.h"
#include "saver/model/view.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

constexpr int INSTANT_TAIL_GLIDE = 990;

void glide_tail_length() {
    const float target = track13;
    if (track20f1 >= INSTANT_TAIL_GLIDE) {
        current_tail_length = target;
    } else if (current_tail_length < target) {
        current_tail_length = std::min(current_tail_length + tail_glide_step, target);
    } else if (current_tail_length > target) {
        current_tail_length = std::max(current_tail_length - tail_glide_step, target);
    }
}

NearForm near_form() {
    if (backflag) return ring ? NearForm::rectangle : NearForm::sphere;
    return ring ? NearForm::triangle : NearForm::line;
}

} // namespace

StarSetup setup_stars() {
    StarSetup setup;
    setup.s2 = live_scale * live_scale;
    setup.s = setup.s2 / 1000000.0f;
    setup.range_distance = track4a * setup.s2 / 12500.0f;
    setup.threshold = track4b / 1000.0f;

    setup.dz = truncate_to_int(velocity_z * speed / 40.0f);
    setup.dx = truncate_to_int(velocity_x * speed / 40.0f);
    setup.dy = truncate_to_int(velocity_y * speed / 40.0f);

    glide_tail_length();
    const float tail = current_tail_length * current_tail_length / 100.0f;
    setup.tail_z = live_scale * (tail * velocity_z) / 1000.0f;
    setup.tail_y = live_scale * (tail * velocity_y) / 1000.0f;
    setup.tail_x = live_scale * (tail * velocity_x) / 1000.0f;

    setup.rect_half_width = track20i * live_scale / 20.0f;
    setup.base_half_width = track8 / 1000.0f * live_scale;
    setup.sphere_radius = track8 / 1000.0f * setup.s2 / 1666.0f;
    setup.sphere_type = balls >= 0 && balls < SPHERE_TYPES ? balls : 0;

    glLineWidth(static_cast<float>(std::max(1, track20i + 1)));

    meteor_count = truncate_to_int(track20j * track10 / 8000.0f + 1.0f);
    setup.meteors = bars != 0;
    setup.meteor_count = meteor_count;
    setup.meteor_speed = track20jx;
    setup.meteor_axes = sphere1;
    setup.flight_axes = sphere2;
    setup.freeze_flight = track7 >= 1002;
    setup.short_z = shortmode != 0;
    setup.last_star = track10;
    setup.form = near_form();
    return setup;
}
