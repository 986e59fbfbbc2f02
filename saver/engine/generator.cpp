#include "saver/engine/generator.h"

#include <cstring>

#include "saver/engine/generator_modes.h"
#include "saver/model/view.h"

namespace {

const char* const MODE_NAMES[] = {"Random", "Planar", "Sine",  "Sphere", "Galaxy",
                                  "Tube",   "Rings",  "Shell", "Sine T"};
constexpr int MODE_COUNT = sizeof(MODE_NAMES) / sizeof(MODE_NAMES[0]);

int slider_value(int value) {
    if (value < 0) return 0;
    return value > 128 ? 128 : value;
}

GeneratorInputs read_inputs() {
    GeneratorInputs in;
    in.k = slider_value(track20k);
    in.l = slider_value(track20l);
    in.e = slider_value(track20e);
    in.aux = tracking != 0;
    in.meteors = bars != 0;
    in.meteor_count = meteor_count;
    return in;
}

// False for a mode number no control offers (a damaged module file): the stars then keep the
// pattern they have.
bool write_pattern(int mode, const GeneratorInputs& in, int first) {
    switch (mode) {
    case GEN_RANDOM:
        generate_random_box(first);
        return true;
    case GEN_PLANAR:
        generate_planar(in, first);
        return true;
    case GEN_SINE:
        generate_sine(in, first, false);
        return true;
    case GEN_SPHERE:
        generate_sphere(in, first);
        return true;
    case GEN_GALAXY:
        generate_galaxy(in, first);
        return true;
    case GEN_TUBE:
        generate_tube(in, first);
        return true;
    case GEN_RINGS:
        generate_rings(in, first);
        return true;
    case GEN_SHELL:
        generate_shell(in, first);
        return true;
    case GEN_SINE_T:
        generate_sine(in, first, true);
        return true;
    default:
        return false;
    }
}

int target_coordinate(int high_plane, int low_plane, int i) {
    return target_stars[high_plane][i] * 256 + target_stars[low_plane][i];
}

// Moves the fresh pattern (stars 1..31999) so that its centre lies on the kept star 0.
void reanchor_on_star0() {
    const int dx = target_coordinate(PLANE_XH, PLANE_XL, 0) - AXIS_CENTRE;
    const int dy = target_coordinate(PLANE_YH, PLANE_YL, 0) - AXIS_CENTRE;
    const int dz = target_coordinate(PLANE_ZH, PLANE_ZL, 0) - AXIS_CENTRE;
    for (int i = 1; i < STAR_COUNT; ++i) {
        store_star(i, target_coordinate(PLANE_XH, PLANE_XL, i) + dx,
                   target_coordinate(PLANE_YH, PLANE_YL, i) + dy,
                   target_coordinate(PLANE_ZH, PLANE_ZL, i) + dz);
    }
}

} // namespace

const char* generator_mode_name(int mode) {
    return mode >= 0 && mode < MODE_COUNT ? MODE_NAMES[mode] : "";
}

void generate() {
    backdrop_anchor[0] = backdrop_anchor[1] = backdrop_anchor[2] = 0;
    const int first = anchor_flag != 0 ? 1 : 0;
    const int mode = xcolormode;
    if (write_pattern(mode, read_inputs(), first) && first == 1) reanchor_on_star0();
    // The timed modes leave the display table alone: the frame step glides it to the new pattern.
    if (mode != GEN_TUBE && mode != GEN_SINE_T) snapshot(0);
    anchor_flag = 0;
}

void snapshot(int direction) {
    if (direction == 0)
        std::memcpy(display_stars, target_stars, sizeof(target_stars));
    else
        std::memcpy(target_stars, display_stars, sizeof(display_stars));
}
