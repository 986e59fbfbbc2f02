// Shared set-up of the generator tests: a known View, a known seed, and star read-back.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "saver/engine/engine_state.h"
#include "saver/engine/generator.h"
#include "saver/engine/random.h"
#include "saver/model/view.h"

struct StarPos {
    int x, y, z;
};

inline StarPos star_in(const uint8_t (&table)[PLANE_COUNT][STAR_COUNT], int i) {
    return {table[PLANE_XH][i] * 256 + table[PLANE_XL][i],
            table[PLANE_YH][i] * 256 + table[PLANE_YL][i],
            table[PLANE_ZH][i] * 256 + table[PLANE_ZL][i]};
}
inline StarPos target_star(int i) {
    return star_in(target_stars, i);
}
inline StarPos display_star(int i) {
    return star_in(display_stars, i);
}

inline void put_target_star(int i, int x, int y, int z) {
    target_stars[PLANE_XH][i] = static_cast<uint8_t>(x >> 8);
    target_stars[PLANE_XL][i] = static_cast<uint8_t>(x);
    target_stars[PLANE_YH][i] = static_cast<uint8_t>(y >> 8);
    target_stars[PLANE_YL][i] = static_cast<uint8_t>(y);
    target_stars[PLANE_ZH][i] = static_cast<uint8_t>(z >> 8);
    target_stars[PLANE_ZL][i] = static_cast<uint8_t>(z);
}

// Signed distance from the centre of an axis, for patterns that stay within half the cube.
inline int from_centre(int v) {
    return v - 32767;
}
inline double radius_xyz(const StarPos& s) {
    return std::sqrt(double(from_centre(s.x)) * from_centre(s.x) +
                     double(from_centre(s.y)) * from_centre(s.y) +
                     double(from_centre(s.z)) * from_centre(s.z));
}
inline double radius_xz(const StarPos& s) {
    return std::sqrt(double(from_centre(s.x)) * from_centre(s.x) +
                     double(from_centre(s.z)) * from_centre(s.z));
}
inline int mirrored(int v) {
    return (65536 - v) & 0xFFFF;
}

// An independent copy of the random stream, to check the order in which draws are used.
struct ReferenceStream {
    uint32_t state;
    int next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};

class GeneratorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::memset(target_stars, 0, sizeof(target_stars));
        std::memset(display_stars, 0, sizeof(display_stars));
        track20k = track20l = track20e = 64;
        tracking = 0;
        bars = 0;
        meteor_count = 1;
        anchor_flag = 0;
        fsdx = fsdy = fsdz = 0.0f;
        backdrop_anchor[0] = backdrop_anchor[1] = backdrop_anchor[2] = 0;
    }

    static void run(int mode, uint32_t seed = 20240601u) {
        xcolormode = mode;
        seed_random(seed);
        generate();
    }

    static bool tables_equal(const uint8_t (&a)[PLANE_COUNT][STAR_COUNT],
                             const uint8_t (&b)[PLANE_COUNT][STAR_COUNT]) {
        return std::memcmp(a, b, sizeof(a)) == 0;
    }
};
