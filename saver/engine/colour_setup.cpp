#include "saver/engine/engine_state.h"
#include "saver/engine/star_frame.h"
#include "saver/model/view.h"

#include <algorithm>

namespace {

constexpr float INSTANT_COLOUR_GLIDE = 1000.0f;

int glide_toward(int value, int target, int step) {
    if (value < target) return std::min(value + step, target);
    if (value > target) return std::max(value - step, target);
    return value;
}

// The Mod swing can carry the shift past the end of the wheel by up to one step (and a
// module file can hold any LFO value), so the lookup is kept on the wheel.
int wheel_index() {
    return std::clamp(colour_shift, 0, WHEEL_SIZE - 1);
}

void step_colour_shift() {
    if (backcolor == 0) {
        colour_shift = 0;
        return;
    }
    if (--colour_shift_countdown > 0) return;
    if (titlelen != 0 && !flat) {
        if (colour_shift > titlelen) colour_shift_direction = -1;
        if (colour_shift <= 0) {
            colour_shift = 0;
            colour_shift_direction = 1;
        }
        colour_shift += (backcolor / 8 + 1) * colour_shift_direction;
    } else {
        const int step = backcolor > 127 ? -((256 - backcolor) / 8 + 1) : backcolor / 8 + 1;
        colour_shift += step;
        // One turn per step at most from the slider; a damaged file's larger steps still wrap.
        while (colour_shift > 768) colour_shift -= 768;
        while (colour_shift < 0) colour_shift += 768;
    }
    // The slowest settings at either end of the slider wait several frames per step.
    if (backcolor < 6)
        colour_shift_countdown = 6 - backcolor;
    else if (backcolor > 249)
        colour_shift_countdown = 6 - (255 - backcolor);
    else
        colour_shift_countdown = 1;
}

void glide_star_colour(int step) {
    const int index = wheel_index();
    const int a = wheel_a[index], b = wheel_b[index], c = wheel_c[index];
    // In floating point so that no slider value from a file can overflow; within the
    // sliders' ranges every product and sum is exact.
    const float r0 = static_cast<float>(track20), g0 = static_cast<float>(track20a);
    const float b0 = digitsize;
    const int target[3] = {
        truncate_to_int((r0 * a + g0 * c + b0 * b) / 256.0f),
        truncate_to_int((r0 * b + g0 * a + b0 * c) / 256.0f),
        truncate_to_int((r0 * c + g0 * b + b0 * a) / 256.0f),
    };
    for (int k = 0; k < 3; ++k) star_colour[k] = glide_toward(star_colour[k], target[k], step);
}

} // namespace

FrameColours setup_colours() {
    if (track9 > 60.0f) track9 = INSTANT_COLOUR_GLIDE;
    const int step = std::max(0, truncate_to_int(track9));

    const int tail_target[3] = {track20b, track20c, track20d};
    for (int k = 0; k < 3; ++k) tail_colour[k] = glide_toward(tail_colour[k], tail_target[k], step);

    step_colour_shift();
    if (plot != 0 || !dig) glide_star_colour(step);

    FrameColours colours;
    colours.fade = fade_factor;
    colours.rainbow = flat != 0;
    colours.pastel = sizeflag != 0;
    colours.hue_offset = titlelen;
    colours.hue_cycle = plotspeed ? colour_shift : 0;
    colours.dim_distance = static_cast<float>(titlelenx) * titlelenx + 1.0f;
    for (int k = 0; k < 3; ++k) {
        const float tail = tail_colour[k] / 256.0f;
        // With Image on, the first colour set belongs to the backdrop and the stars take the
        // second one, fading to black along their tails.
        colours.star_base[k] = dig ? tail : star_colour[k] / 256.0f;
        colours.tail_end[k] = dig ? 0.0f : tail * fade_factor;
    }
    return colours;
}
