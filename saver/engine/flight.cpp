#include "saver/engine/flight.h"

#include "saver/engine/engine_state.h"
#include "saver/engine/motion_functions.h"
#include "saver/model/view.h"

#include <cmath>

namespace {

constexpr float HEADING_TURN = 400.0f;
constexpr float HEADING_UNITS_PER_RADIAN = 63.661977309502554f;

// The glide sliders start at 0 ("at once", divisor 1); a damaged View may hold less, which
// must neither divide by zero nor push the value away from its target.
float glide_divisor(int glide, float offset) {
    float divisor = static_cast<float>(glide) + offset;
    return divisor < 1.0f ? 1.0f : divisor;
}

void glide(float& value, float target, float divisor) {
    value += (target - value) / divisor;
}

} // namespace

void flight_update() {
    float target_speed = barsx1 ? -thrust_target : thrust_target;
    glide(speed, target_speed, glide_divisor(track20g, 1.0f));

    float steering = glide_divisor(track20m, 1.0f);
    glide(yaw_rate, fsxx, steering);
    glide(base_pitch, fsyy, steering);

    xtx1 += yaw_rate / 100.0f;
    apply_motion_function();
    if (xtx1 >= HEADING_TURN)
        xtx1 -= HEADING_TURN;
    else if (xtx1 < 0.0f)
        xtx1 += HEADING_TURN;

    // Reverse view looks backwards along the flight; the stored heading stays as flown.
    float view_heading = xtx1;
    if (barsx3) {
        pitch = -pitch;
        view_heading += HEADING_TURN / 2.0f;
        if (view_heading >= HEADING_TURN) view_heading -= HEADING_TURN;
    }
    float radians = view_heading / HEADING_UNITS_PER_RADIAN;
    fsvx = 100.0f * std::cos(radians);
    fsvy = 100.0f * std::sin(radians);
    fsvz = pitch;

    if (follow_direction) {
        xcx = fsvx;
        xcy = fsvy;
        xcz = fsvz;
    }
    float velocity_glide = glide_divisor(track20g, 2.0f);
    glide(velocity_z, xcx, velocity_glide);
    glide(velocity_x, xcy, velocity_glide);
    glide(velocity_y, xcz, velocity_glide);
}

void flight_update_and_camera() {
    flight_update();
    apply_camera();
}
