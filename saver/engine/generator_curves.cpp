// The patterns that follow a curve: "Sine" and "Sine T", "Galaxy", "Tube" and "Rings".
#include <cmath>
#include <cstdlib>

#include "saver/engine/generator_modes.h"

namespace {

constexpr float FULL_TURN = 6.28318f;

float advance_phase(float phase, float step) {
    phase = phase + step;
    if (phase > FULL_TURN) phase = phase - FULL_TURN;
    return phase;
}

int sine_coordinate(float phase, int amplitude_slider, int divisor) {
    return static_cast<int>(std::sin(double(phase)) * 32765 * amplitude_slider / divisor +
                            AXIS_CENTRE);
}

float sine_phase_step() {
    return static_cast<float>((next_random() + 16) / 10430.068850486537 / 64);
}

} // namespace

void generate_sine(const GeneratorInputs& in, int first, bool whole_space) {
    const float d1 = sine_phase_step();
    const float d2 = sine_phase_step();
    const float d3 = sine_phase_step();
    float a1 = 0.0f, a2 = 0.0f, a3 = 0.0f;
    const int sheet = in.e * 60;
    for (int i = first; i < STAR_COUNT; i += 2) {
        a1 = advance_phase(a1, d1);
        a2 = advance_phase(a2, d2);
        a3 = advance_phase(a3, d3);
        const int x = whole_space ? sine_coordinate(a1, 1, 1) : sine_coordinate(a1, in.l, 128);
        const int z = whole_space ? sine_coordinate(a2, 1, 1) : sine_coordinate(a2, in.k, 128);
        int y;
        if (!in.aux) {
            y = sine_coordinate(a3, in.e, whole_space ? 64 : 128);
        } else if (!in.meteors || i >= in.meteor_count) {
            y = sheet + AXIS_CENTRE; // the mirrored partner lands on the opposite sheet
        } else {
            y = (next_random() & 255) * sheet / 255 + AXIS_CENTRE;
        }
        store_mirrored_pair(i, x, y, z);
    }
    clear_stored_drift();
}

void generate_galaxy(const GeneratorInputs& in, int first) {
    float r = 0.0f, theta = 0.0f;
    const float step = static_cast<float>(in.k / 3000.0);
    for (int i = first; i < STAR_COUNT; i += 2) {
        r = r + 7.0f;
        const int sx = static_cast<int>(std::sin(double(theta)) * r);
        const int cz = static_cast<int>(std::cos(double(theta)) * r);
        theta = theta + step;
        int cloud[3];
        draw_in_ball(4095, 2047, cloud);
        if (in.aux) weight_to_centre(cloud);
        for (int axis = 0; axis < 3; ++axis) cloud[axis] = cloud[axis] * (in.e + 1) / 80;
        // The arm has reached the rim: the next pair starts the spiral again; this one stays.
        if (std::abs(sx) > 6192 || std::abs(cz) > 6192) {
            r = 0.0f;
            theta = 0.0f;
        }
        store_mirrored_pair(i, (sx + cloud[0]) * 40 / 12 + AXIS_CENTRE,
                            cloud[2] * in.l / 12 + AXIS_CENTRE,
                            (cz + cloud[1]) * 40 / 12 + AXIS_CENTRE);
    }
}

void generate_tube(const GeneratorInputs& in, int first) {
    const int step1 = (next_random() & 127) + 1;
    const int z_step = (next_random() & 127) + 1;
    const int winding_divisor = (next_random() & 7) + 1;
    const int step2 = (next_random() & 127) + 1;
    float theta1 = 0.0f, theta2 = 0.0f, z = 0.0f;
    for (int i = first; i < STAR_COUNT; ++i) {
        float p, q;
        if (in.aux) {
            p = static_cast<float>(std::sin(double(theta1)) +
                                   std::sin(double(theta2)) / winding_divisor);
            q = static_cast<float>(std::cos(double(theta1)) +
                                   std::cos(double(theta2)) / winding_divisor);
            theta2 = theta2 + static_cast<float>(step2);
        } else {
            p = static_cast<float>(std::sin(double(theta1)));
            q = static_cast<float>(std::cos(double(theta1)));
        }
        theta1 = theta1 + static_cast<float>(step1);
        z = z + static_cast<float>(z_step);
        int ox = static_cast<int>(double(in.e) * p * in.e);
        const int oz = static_cast<int>(z);
        int oy = static_cast<int>(double(in.e) * q * in.e);
        squeeze_meteor(in, i, ox, oy);
        store_star(i, ox * 40 / 12 + AXIS_CENTRE, oy * 40 / 12 + AXIS_CENTRE,
                   oz * 40 / 12 + AXIS_CENTRE);
    }
}

void generate_rings(const GeneratorInputs& in, int first) {
    const float inner_radius = static_cast<float>(in.l * 100);
    const int rim = in.e * 100;
    float r = inner_radius, theta = 0.0f;
    float step = static_cast<float>(in.k / 300.0);
    for (int i = first; i < STAR_COUNT; i += 2) {
        r = r + 7.0f;
        const int sx = static_cast<int>(std::sin(double(theta)) * r);
        const int cz = static_cast<int>(std::cos(double(theta)) * r);
        theta = theta + step;
        if (in.aux) step = static_cast<float>((next_random() & 255) / 10);
        if (std::abs(sx) > rim || std::abs(cz) > rim) r = inner_radius;
        store_mirrored_pair(i, sx * 40 / 12 + AXIS_CENTRE, AXIS_CENTRE, cz * 40 / 12 + AXIS_CENTRE);
    }
}
