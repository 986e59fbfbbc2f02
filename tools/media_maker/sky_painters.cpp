// Star skies: the deep sky, the empty one, the milky way and a single glaring star.
#include "tools/media_maker/painters.h"

#include <cmath>

namespace {

// The number of stars that keeps a sky equally dense at any map size.
int stars_for(const Canvas& canvas, float per_megapixel) {
    return static_cast<int>(per_megapixel * static_cast<float>(canvas.width) *
                            static_cast<float>(canvas.height) / 1.0e6f);
}

} // namespace

void paint_sky(Canvas& canvas) {
    canvas.paint([](Vec3 d) {
        Vec3 p = warp(d * 2.2f, 0.8f, 3, 11);
        float cloud = fbm(p, 6, 12);
        float veil = smoothstep(0.05f, 0.9f, cloud);
        float hue = fbm(d * 1.3f + Vec3{4, 0, 0}, 3, 13) * 0.5f + 0.5f;
        Colour tint =
            gradient({{0.20f, 0.10f, 0.35f}, {0.08f, 0.14f, 0.35f}, {0.35f, 0.10f, 0.16f}}, hue);
        Colour base{0.006f, 0.008f, 0.018f};
        return base + tint * (veil * veil * 0.28f);
    });
    add_stars(canvas, stars_for(canvas, 4500), 101, 0.85f);
    Random random(102);
    for (int i = 0; i < 6; ++i)
        add_glow(canvas, random.direction(), 0.006f, Colour{0.55f, 0.6f, 0.75f});
}

void paint_blank(Canvas& canvas) {
    canvas.paint([](Vec3 d) {
        float haze = fbm(d * 1.5f, 3, 21) * 0.5f + 0.5f;
        return Colour{0.010f, 0.010f, 0.016f} * (0.7f + 0.6f * haze);
    });
    add_stars(canvas, 60, 201, 0.30f);
}

void paint_milky_way(Canvas& canvas) {
    // The band follows a great circle tilted against the horizon.
    const Vec3 pole = normalised(Vec3{0.35f, 0.85f, 0.4f});
    const Vec3 core = normalised(cross(Vec3{0, 0, 1}, pole));
    auto band = [pole](Vec3 d) {
        float height = dot(d, pole);
        return std::exp(-height * height / (2 * 0.13f * 0.13f));
    };
    canvas.paint([&](Vec3 d) {
        float height = dot(d, pole);
        float toward_core = dot(d, core) * 0.5f + 0.5f;
        float clumps = fbm(warp(d * 3.0f, 0.5f, 3, 31), 6, 32) * 0.5f + 0.5f;
        float glow = band(d) * (0.35f + 0.9f * clumps * clumps) *
                     (0.45f + 0.9f * std::pow(toward_core, 3.0f));
        float bulge = std::exp(-(1 - dot(d, core)) * 30.0f) * band(d);
        // Dark rifts run along the middle of the band.
        float rift = ridged(d * 4.5f + Vec3{2, 0, 0}, 5, 33);
        float lane =
            smoothstep(0.45f, 0.85f, rift) * std::exp(-height * height / (2 * 0.04f * 0.04f));
        float light = glow * 0.3f + bulge * 0.3f;
        light *= 1 - 0.85f * lane;
        Colour warm{1.0f, 0.86f, 0.66f}, cool{0.70f, 0.78f, 1.0f};
        Colour tint = blend(cool, warm, clamp01(toward_core * 0.7f + bulge));
        Colour base{0.006f, 0.007f, 0.014f};
        return base + tint * light;
    });
    add_stars(canvas, stars_for(canvas, 6000), 301, 0.8f,
              [&](Vec3 d) { return 0.18f + 0.82f * band(d); });
    // The band's own haze of countless faint stars.
    add_stars(canvas, stars_for(canvas, 14000), 302, 0.3f,
              [&](Vec3 d) { return band(d) * band(d); });
}

void paint_spot(Canvas& canvas) {
    const LocalFrame frame(Vec3{0.0f, 0.15f, 1.0f}, 0.3f);
    canvas.paint([&](Vec3 d) {
        Colour base{0.004f, 0.005f, 0.012f};
        float u, v;
        if (!frame.project(d, u, v)) return base;
        float r = std::sqrt(u * u + v * v);
        float core = std::exp(-r * r / (2 * 0.035f * 0.035f));
        float halo = std::exp(-r / 0.2f) * 0.5f + std::exp(-r / 0.8f) * 0.12f;
        // Four thin rays, fading outward.
        float rays = std::exp(-std::fabs(v) / 0.01f) * std::exp(-std::fabs(u) / 0.6f) +
                     std::exp(-std::fabs(u) / 0.01f) * std::exp(-std::fabs(v) / 0.6f);
        float ring = std::exp(-std::pow((r - 0.5f) / 0.03f, 2.0f)) * 0.05f;
        Colour white{1.0f, 0.97f, 0.92f}, blue{0.55f, 0.7f, 1.0f};
        Colour light = white * (core * 1.6f + rays * 0.6f) + blue * (halo + ring);
        return soft_clip(base + light);
    });
    add_stars(canvas, 90, 401, 0.5f);
}
