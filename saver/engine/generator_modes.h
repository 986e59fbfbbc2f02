// The pattern loops of the generator and what they share. Only generator*.cpp include this.
#pragma once

#include "saver/engine/engine_state.h"
#include "saver/engine/random.h"

// The View values a pattern reads, taken once per run. Sliders are clamped to their control
// range 0..128 so that a module file with a stray value can neither stall a rejection loop
// nor overflow the integer formulas.
struct GeneratorInputs {
    int k; // generator slider 1, `track20k`
    int l; // generator slider 2, `track20l`
    int e; // generator slider 3, `track20e`
    bool aux;
    bool meteors;
    int meteor_count;
};

constexpr int AXIS_CENTRE = 32767;

// The low 8 bits of one draw.
inline int random_byte() {
    return next_random() & 255;
}

// A formula's signed result is stored modulo 65536: offsets below the centre and overflows wrap
// around the cube.
inline void store_star(int i, int x, int y, int z) {
    const unsigned ux = static_cast<unsigned>(x) & 0xFFFFu;
    const unsigned uy = static_cast<unsigned>(y) & 0xFFFFu;
    const unsigned uz = static_cast<unsigned>(z) & 0xFFFFu;
    target_stars[PLANE_XH][i] = static_cast<uint8_t>(ux >> 8);
    target_stars[PLANE_ZH][i] = static_cast<uint8_t>(uz >> 8);
    target_stars[PLANE_YH][i] = static_cast<uint8_t>(uy >> 8);
    target_stars[PLANE_XL][i] = static_cast<uint8_t>(ux);
    target_stars[PLANE_ZL][i] = static_cast<uint8_t>(uz);
    target_stars[PLANE_YL][i] = static_cast<uint8_t>(uy);
}

// Star i and its point mirror at i+1; a partner that would fall past the last star is dropped.
inline void store_mirrored_pair(int i, int x, int y, int z) {
    store_star(i, x, y, z);
    if (i + 1 < STAR_COUNT) store_star(i + 1, -x, -y, -z);
}

// Stars below the meteor count are pulled towards the axis by a random factor each.
void squeeze_meteor(const GeneratorInputs& in, int i, int& ox, int& oy);

// Single-star patterns: write stars `first` .. 31999.
void generate_random_box(int first);
void generate_planar(const GeneratorInputs& in, int first);
void generate_sphere(const GeneratorInputs& in, int first);
void generate_tube(const GeneratorInputs& in, int first);
void generate_shell(const GeneratorInputs& in, int first);

// Mirrored-pair patterns: write pairs from `first` on.
void generate_sine(const GeneratorInputs& in, int first, bool whole_space);
void generate_galaxy(const GeneratorInputs& in, int first);
void generate_rings(const GeneratorInputs& in, int first);

// Draws a, b, c as (rand & mask) - half until the vector lies inside the ball of radius `half`.
void draw_in_ball(int mask, int half, int v[3]);
// Scales a, b, c by one random weight that favours the centre (0 .. about 1.68).
void weight_to_centre(int v[3]);
// Patterns that move the flight's stored drift to rest once they are laid out.
void clear_stored_drift();
