#include "tools/media_maker/noise.h"

#include <cmath>

Vec3 normalised(Vec3 v) {
    float length = std::sqrt(dot(v, v));
    return length > 0 ? v * (1.0f / length) : Vec3{0, 1, 0};
}

Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

uint64_t Random::next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

float Random::uniform() {
    return static_cast<float>(next() >> 40) / 16777216.0f;
}

float Random::range(float low, float high) {
    return low + (high - low) * uniform();
}

Vec3 Random::direction() {
    float y = range(-1, 1);
    float angle = range(0, 6.2831853f);
    float ring = std::sqrt(1 - y * y);
    return {ring * std::cos(angle), y, ring * std::sin(angle)};
}

namespace {

uint32_t hash(int32_t x, int32_t y, int32_t z, uint32_t seed) {
    uint32_t h = seed * 0x27D4EB2Du;
    h ^= static_cast<uint32_t>(x) * 0x8DA6B343u;
    h ^= static_cast<uint32_t>(y) * 0xD8163841u;
    h ^= static_cast<uint32_t>(z) * 0xCB1AB31Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float lattice(int32_t x, int32_t y, int32_t z, uint32_t seed) {
    return static_cast<float>(hash(x, y, z, seed) >> 8) / 8388607.5f - 1.0f;
}

float smooth(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

float mix(float a, float b, float t) {
    return a + (b - a) * t;
}

} // namespace

float value_noise(Vec3 p, uint32_t seed) {
    float fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
    auto x = static_cast<int32_t>(fx), y = static_cast<int32_t>(fy), z = static_cast<int32_t>(fz);
    float u = smooth(p.x - fx), v = smooth(p.y - fy), w = smooth(p.z - fz);
    float near = mix(mix(lattice(x, y, z, seed), lattice(x + 1, y, z, seed), u),
                     mix(lattice(x, y + 1, z, seed), lattice(x + 1, y + 1, z, seed), u), v);
    float far = mix(mix(lattice(x, y, z + 1, seed), lattice(x + 1, y, z + 1, seed), u),
                    mix(lattice(x, y + 1, z + 1, seed), lattice(x + 1, y + 1, z + 1, seed), u), v);
    return mix(near, far, w);
}

float fbm(Vec3 p, int octaves, uint32_t seed, float gain) {
    float sum = 0, amplitude = 1, total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * value_noise(p, seed + static_cast<uint32_t>(octave) * 101u);
        total += amplitude;
        amplitude *= gain;
        // An irrational-ish factor and a shift keep the octaves' lattices from lining up.
        p = Vec3{p.x * 2.03f + 17.1f, p.y * 2.03f - 5.3f, p.z * 2.03f + 9.7f};
    }
    return sum / total * 1.6f;
}

float ridged(Vec3 p, int octaves, uint32_t seed) {
    float sum = 0, amplitude = 1, total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        float crest = 1 - std::fabs(value_noise(p, seed + static_cast<uint32_t>(octave) * 131u));
        sum += amplitude * crest * crest;
        total += amplitude;
        amplitude *= 0.5f;
        p = Vec3{p.x * 2.07f - 3.1f, p.y * 2.07f + 11.3f, p.z * 2.07f + 7.9f};
    }
    return sum / total;
}

Vec3 warp(Vec3 p, float amount, int octaves, uint32_t seed) {
    Vec3 offset{fbm(p, octaves, seed), fbm(p + Vec3{5.2f, 1.3f, 2.8f}, octaves, seed + 7),
                fbm(p + Vec3{1.7f, 9.2f, 4.1f}, octaves, seed + 13)};
    return p + offset * amount;
}
