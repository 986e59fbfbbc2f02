// Standing on a planet: ground below the horizon, an atmosphere glowing where the sun has just
// set or is about to rise, stars overhead.
#include "tools/media_maker/painters.h"

#include <cmath>

namespace {

struct Horizon {
    Vec3 sun;           // direction of the sun, just below the horizon
    Colour glow_near;   // sky colour at the horizon under the sun
    Colour glow_far;    // colour of the glow's outer reach
    Colour zenith;      // sky colour overhead
    Colour ground_lit;  // ground colour facing the glow
    Colour ground_dark; // ground colour away from it
    float ridge_height; // of the skyline, radians
    float ridge_scale;  // noise frequency along the skyline
    uint32_t seed;
    float star_brightness;
};

// Skyline elevation at an azimuth, from noise sampled around the horizon circle.
float skyline(const Horizon& scene, Vec3 d) {
    Vec3 around = normalised(Vec3{d.x, 0, d.z});
    float hills = fbm(around * scene.ridge_scale, 6, scene.seed) * 0.5f + 0.5f;
    return scene.ridge_height * hills * hills;
}

void paint_horizon(Canvas& canvas, const Horizon& scene) {
    Vec3 sun_azimuth = normalised(Vec3{scene.sun.x, 0, scene.sun.z});
    canvas.paint([&](Vec3 d) {
        float elevation = std::asin(std::fmin(1.0f, std::fmax(-1.0f, d.y)));
        float facing = dot(normalised(Vec3{d.x, 0, d.z}), sun_azimuth) * 0.5f + 0.5f;
        float ground_edge = skyline(scene, d);
        if (elevation < ground_edge) {
            // Ground: dark, with a faint sheen toward the glow and texture that fades with
            // distance toward the horizon.
            float depth = ground_edge - elevation;
            float texture = fbm(d * 40.0f, 5, scene.seed + 1) * 0.5f + 0.5f;
            float sheen = std::pow(facing, 6.0f) * std::exp(-depth / 0.15f);
            Colour ground = blend(scene.ground_dark, scene.ground_lit, sheen);
            return ground * (0.6f + 0.7f * texture);
        }
        float above = elevation - ground_edge;
        float twilight = std::pow(facing, 3.0f);
        float band = std::exp(-above / (0.06f + 0.18f * twilight));
        float halo = std::exp(-above / 0.5f) * twilight;
        Colour sky = blend(scene.zenith, scene.glow_far, clamp01(halo * 1.2f));
        sky = sky + scene.glow_far * band * 0.4f + scene.glow_near * (band * twilight * 0.9f);
        // Thin high clouds catch the last light.
        float clouds =
            smoothstep(0.2f, 0.7f, fbm(Vec3{d.x * 3, d.y * 16, d.z * 3}, 5, scene.seed + 2));
        float cloud_band = std::exp(-std::pow((above - 0.12f) / 0.08f, 2.0f));
        sky = sky + scene.glow_near * clouds * cloud_band * twilight * 0.25f;
        return soft_clip(sky);
    });
    add_stars(canvas,
              static_cast<int>(3500.0f * static_cast<float>(canvas.width * canvas.height) / 1.0e6f),
              scene.seed + 3, scene.star_brightness, [&](Vec3 d) {
                  float elevation = std::asin(std::fmin(1.0f, std::fmax(-1.0f, d.y)));
                  float facing = dot(normalised(Vec3{d.x, 0, d.z}), sun_azimuth) * 0.5f + 0.5f;
                  float clear =
                      elevation - skyline(scene, d) - 0.08f - 0.4f * std::pow(facing, 3.0f);
                  return clamp01(clear * 3.0f);
              });
}

} // namespace

void paint_dusk_horizon(Canvas& canvas) {
    paint_horizon(canvas, {normalised(Vec3{1.0f, -0.05f, 0.2f}),
                           {1.0f, 0.45f, 0.12f},
                           {0.45f, 0.12f, 0.20f},
                           {0.008f, 0.010f, 0.030f},
                           {0.10f, 0.05f, 0.04f},
                           {0.015f, 0.012f, 0.014f},
                           0.07f,
                           3.0f,
                           111,
                           0.75f});
}

void paint_dawn_horizon(Canvas& canvas) {
    paint_horizon(canvas, {normalised(Vec3{-0.4f, -0.05f, 1.0f}),
                           {0.55f, 0.80f, 0.70f},
                           {0.10f, 0.28f, 0.42f},
                           {0.006f, 0.010f, 0.028f},
                           {0.06f, 0.08f, 0.08f},
                           {0.010f, 0.013f, 0.016f},
                           0.025f,
                           5.0f,
                           121,
                           0.7f});
}

void paint_ice_horizon(Canvas& canvas) {
    paint_horizon(canvas, {normalised(Vec3{0.3f, -0.05f, -1.0f}),
                           {0.85f, 0.55f, 0.90f},
                           {0.30f, 0.18f, 0.55f},
                           {0.010f, 0.008f, 0.030f},
                           {0.25f, 0.25f, 0.35f},
                           {0.03f, 0.035f, 0.06f},
                           0.12f,
                           2.2f,
                           131,
                           0.8f});
}
