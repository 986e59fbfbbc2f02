// Deterministic randomness for the painters: every image comes out byte for byte the same on
// every run, so nothing here may read the clock or the platform's generator.
#pragma once

#include <cstdint>

struct Vec3 {
    float x, y, z;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, float k) {
    return {a.x * k, a.y * k, a.z * k};
}
inline float dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 normalised(Vec3 v);
Vec3 cross(Vec3 a, Vec3 b);

// A small seeded generator (splitmix64) for star positions, crater lists and the like.
struct Random {
    uint64_t state;
    explicit Random(uint64_t seed) : state(seed) {}
    uint64_t next();
    float uniform(); // [0, 1)
    float range(float low, float high);
    Vec3 direction(); // uniform on the unit sphere
};

// Lattice value noise in three dimensions, smoothly interpolated, in [-1, 1]. Sampling it on
// the unit sphere gives equirectangular maps without a seam at the wrap or a pinch at the poles.
float value_noise(Vec3 p, uint32_t seed);
// Fractal sum of octaves, normalised to about [-1, 1].
float fbm(Vec3 p, int octaves, uint32_t seed, float gain = 0.5f);
// Sharp-crested octaves (1 - |noise|), in [0, 1]: filaments, dust lanes, ridges.
float ridged(Vec3 p, int octaves, uint32_t seed);
// Moves p along a noise field first, which turns round blobs into swirls and veils.
Vec3 warp(Vec3 p, float amount, int octaves, uint32_t seed);
