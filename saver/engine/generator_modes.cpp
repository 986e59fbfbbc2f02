// The patterns built from random boxes and balls: "Random", "Planar", "Sphere", "Shell", and the
// helpers the curve patterns share with them.
#include <cmath>

#include "saver/engine/generator_modes.h"
#include "saver/model/view.h"

namespace {

// One axis of the random box: the high byte is drawn again until it lies within `spread` of 128.
// A spread of 0 still spends one draw and then pins the axis to `flat_high` * 256.
void spread_axis(int spread, int i, int high_plane, int low_plane, uint8_t flat_high) {
    int high = random_byte();
    if (spread == 0) {
        target_stars[high_plane][i] = flat_high;
        target_stars[low_plane][i] = 0;
        return;
    }
    while (high < 128 - spread || high > 128 + spread) high = random_byte();
    target_stars[high_plane][i] = static_cast<uint8_t>(high);
}

// 0.1 .. 1 for a slider eighth below 10, then 1 .. 7.
float corkscrew_divisor(int eighth) {
    return eighth >= 10 ? static_cast<float>(eighth - 9) : 1.0f / static_cast<float>(10 - eighth);
}

void generate_planar_box(const GeneratorInputs& in, int first) {
    for (int i = first; i < STAR_COUNT; ++i) {
        target_stars[PLANE_XL][i] = static_cast<uint8_t>(random_byte());
        target_stars[PLANE_ZL][i] = static_cast<uint8_t>(random_byte());
        target_stars[PLANE_YL][i] = static_cast<uint8_t>(random_byte());
        target_stars[PLANE_XH][i] = static_cast<uint8_t>(random_byte());
        target_stars[PLANE_ZH][i] = static_cast<uint8_t>(random_byte());
        target_stars[PLANE_YH][i] = static_cast<uint8_t>(random_byte());
        spread_axis(in.e, i, PLANE_XH, PLANE_XL, 128);
        spread_axis(in.k, i, PLANE_YH, PLANE_YL, 128);
        // The flat layer lies at Z = 0, the face of the cube, not at its centre.
        spread_axis(in.l, i, PLANE_ZH, PLANE_ZL, 0);
    }
    clear_stored_drift();
}

void generate_corkscrew(const GeneratorInputs& in, int first) {
    const int turns = in.k / 16 + 1;
    const float tube_divisor = corkscrew_divisor(in.e / 8);
    const float helix_divisor = corkscrew_divisor(in.l / 8);
    float t = 0.0f;
    for (int i = first; i < STAR_COUNT; ++i) {
        const double u = next_random(); // the raw draw is the angle, in radians
        const double phi = (t / 65535.0) * 3.14159 * 2 * turns;
        const float p =
            static_cast<float>(std::sin(u) / tube_divisor + std::sin(phi) / helix_divisor);
        const float q =
            static_cast<float>(std::cos(u) / tube_divisor + std::cos(phi) / helix_divisor);
        t = t + static_cast<float>(next_random() & 255);
        if (t > 65535.0f) t = 0.0f;
        int ox = static_cast<int>(p * 128.0);
        const int oz = static_cast<int>(t);
        int oy = static_cast<int>(q * 128.0);
        squeeze_meteor(in, i, ox, oy);
        store_star(i, ox * 40 / 12 + AXIS_CENTRE, oy * 40 / 12 + AXIS_CENTRE, oz + AXIS_CENTRE);
    }
}

} // namespace

void clear_stored_drift() {
    fsdx = 0.0f;
    fsdy = 0.0f;
    fsdz = 0.0f;
}

void squeeze_meteor(const GeneratorInputs& in, int i, int& ox, int& oy) {
    if (!in.meteors || i >= in.meteor_count) return;
    ox = (next_random() & 255) * ox / 255;
    oy = (next_random() & 255) * oy / 255;
}

void draw_in_ball(int mask, int half, int v[3]) {
    for (;;) {
        v[0] = (next_random() & mask) - half;
        v[1] = (next_random() & mask) - half;
        v[2] = (next_random() & mask) - half;
        const float r2 = static_cast<float>(std::sqrt(double(v[0]) * v[0] + double(v[1]) * v[1]));
        if (r2 > half) continue;
        const float r3 = static_cast<float>(std::sqrt(double(r2) * r2 + double(v[2]) * v[2]));
        if (r3 <= half) return;
    }
}

void weight_to_centre(int v[3]) {
    float w = static_cast<float>((next_random() & 8191) / 2);
    w = static_cast<float>(double(w) * w / 10000000);
    for (int axis = 0; axis < 3; ++axis) v[axis] = static_cast<int>(v[axis] * double(w));
}

void generate_random_box(int first) {
    for (int i = first; i < STAR_COUNT; ++i) {
        for (int plane = 0; plane < PLANE_COUNT; ++plane) {
            target_stars[plane][i] = static_cast<uint8_t>(random_byte());
        }
    }
}

void generate_planar(const GeneratorInputs& in, int first) {
    if (in.aux)
        generate_corkscrew(in, first);
    else
        generate_planar_box(in, first);
}

void generate_sphere(const GeneratorInputs& in, int first) {
    for (int i = first; i < STAR_COUNT; ++i) {
        int v[3];
        draw_in_ball(32767, 16383, v);
        if (in.aux) weight_to_centre(v);
        store_star(i, v[0] * in.e / 42 + AXIS_CENTRE, v[2] * in.e / 42 + AXIS_CENTRE,
                   v[1] * in.e / 42 + AXIS_CENTRE);
    }
}

void generate_shell(const GeneratorInputs& in, int first) {
    for (int i = first; i < STAR_COUNT; ++i) {
        int a, b, c;
        float r3;
        // All three draws exactly at the centre give no direction to push out to the shell:
        // draw the vector again.
        do {
            a = (next_random() & 32767) - 16383;
            b = (next_random() & 32767) - 16383;
            c = (next_random() & 32767) - 16383;
            const float r2 = static_cast<float>(std::sqrt(double(a) * a + double(b) * b));
            r3 = static_cast<float>(std::sqrt(double(r2) * r2 + double(c) * c));
        } while (r3 == 0.0f);
        // The bits of slider 1 select which radii occur.
        const int s = in.k != 0 ? (in.l + (next_random() & in.k) + 1) * 4 : 329;
        a = static_cast<int>(s / double(r3) * a);
        b = static_cast<int>(s / double(r3) * b);
        c = static_cast<int>(s / double(r3) * c);
        store_star(i, a * in.e + AXIS_CENTRE, c * in.e + AXIS_CENTRE, b * in.e + AXIS_CENTRE);
    }
}
