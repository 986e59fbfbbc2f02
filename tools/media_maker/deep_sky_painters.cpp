// Single objects of the deep sky set against a starry background: a spiral galaxy, two
// nebulae and banks of layered cloud.
#include "tools/media_maker/painters.h"

#include <cmath>

namespace {

constexpr float PI = 3.14159265f;

Colour dark_space(Vec3 d, uint32_t seed) {
    float haze = fbm(d * 1.7f, 3, seed) * 0.5f + 0.5f;
    return Colour{0.005f, 0.006f, 0.014f} * (0.8f + 0.5f * haze);
}

// A star field sized to the map.
void add_background_stars(Canvas& canvas, float per_megapixel, uint64_t seed, float brightness,
                          const std::function<float(Vec3)>& density = {}) {
    auto count = static_cast<int>(per_megapixel * static_cast<float>(canvas.width) *
                                  static_cast<float>(canvas.height) / 1.0e6f);
    add_stars(canvas, count, seed, brightness, density);
}

} // namespace

void paint_galaxy(Canvas& canvas) {
    const LocalFrame frame(Vec3{0.2f, 0.25f, 1.0f}, 0.55f);
    const float tilt = 0.32f; // the disc seen well off face-on
    canvas.paint([&](Vec3 d) {
        Colour sky = dark_space(d, 41);
        float u, v;
        if (!frame.project(d, u, v)) return sky;
        float x = u / 2.4f, y = v / (2.4f * tilt);
        float r = std::sqrt(x * x + y * y);
        float angle = std::atan2(y, x);
        Vec3 grain{x * 6, y * 6, 3.0f};
        float jitter = fbm(grain, 4, 42) * 0.35f;
        // Two logarithmic arms.
        float arm_phase = 2 * (angle - std::log(r + 0.02f) * 2.6f) + jitter * 2;
        float arm = std::pow(0.5f + 0.5f * std::cos(arm_phase), 2.5f);
        float disc = std::exp(-r / 0.22f);
        float bulge = std::exp(-r * r / (2 * 0.05f * 0.05f));
        float clumps = 0.6f + 0.8f * (fbm(grain * 2.0f, 4, 43) * 0.5f + 0.5f);
        float dust_arm = std::pow(0.5f + 0.5f * std::cos(arm_phase - 1.1f), 6.0f);
        float dust = dust_arm * smoothstep(0.05f, 0.2f, r) * std::exp(-r / 0.5f) *
                     (0.5f + 0.5f * ridged(grain * 1.5f, 4, 44));
        Colour core_light{1.0f, 0.88f, 0.68f}, arm_light{0.62f, 0.72f, 1.0f};
        float arm_light_amount = disc * (0.25f + 1.1f * arm * clumps);
        Colour light =
            core_light * (bulge * 1.1f + disc * 0.35f) + arm_light * arm_light_amount * 0.5f;
        light = light * (1 - 0.75f * clamp01(dust * 1.6f));
        // Pink knots of star birth along the arms.
        float knots = smoothstep(0.55f, 0.9f, fbm(grain * 4.0f, 3, 45)) * arm * disc;
        light = light + Colour{1.0f, 0.35f, 0.55f} * knots * 0.6f;
        return soft_clip(sky + light * 0.8f);
    });
    add_background_stars(canvas, 3500, 46, 0.75f);
    // Two small companions beside the disc.
    auto place = [&](float u, float v) {
        return normalised(frame.centre + frame.east * u + frame.north * v);
    };
    add_glow(canvas, place(0.05f, 0.12f), 0.012f, Colour{0.45f, 0.40f, 0.32f});
    add_glow(canvas, place(-0.10f, -0.20f), 0.02f, Colour{0.22f, 0.20f, 0.17f});
}

void paint_orion_nebula(Canvas& canvas) {
    const LocalFrame frame(Vec3{-0.3f, 0.1f, 1.0f}, -0.2f);
    canvas.paint([&](Vec3 d) {
        Colour sky = dark_space(d, 51);
        float u, v;
        if (!frame.project(d, u, v)) return sky;
        u /= 3.0f;
        v /= 3.0f;
        Vec3 p = warp(frame.axes(d) * 1.2f + Vec3{0, 0, 1.5f}, 0.9f, 4, 52);
        float r = std::sqrt(u * u + v * v);
        float gas = fbm(p, 6, 53) * 0.5f + 0.5f;
        float body = std::exp(-r / 0.28f) * std::pow(gas, 1.8f) * 1.8f;
        float wings = std::exp(-r / 0.6f) * std::pow(gas, 3.0f) * 0.6f;
        float core = std::exp(-r * r / (2 * 0.06f * 0.06f));
        float lanes = smoothstep(0.55f, 0.9f, ridged(p * 1.3f + Vec3{3, 1, 0}, 4, 54));
        Colour pink{0.95f, 0.32f, 0.52f}, teal{0.35f, 0.85f, 0.80f}, white{1.0f, 0.95f, 0.9f};
        Colour light =
            pink * (body + wings) * 0.45f + teal * core * gas * 0.7f + white * core * core * 0.25f;
        light = light * (1 - 0.7f * lanes * std::exp(-r / 0.4f));
        return soft_clip(sky + light);
    });
    add_background_stars(canvas, 3000, 55, 0.7f);
    // The four hot stars that light the heart of the nebula.
    const float trapezium[4][2] = {
        {0.0f, 0.0f}, {0.012f, 0.006f}, {0.004f, -0.011f}, {0.016f, -0.006f}};
    for (const auto& star : trapezium)
        add_glow(
            canvas,
            normalised(frame.centre + frame.east * (star[0] * 3) + frame.north * (star[1] * 3)),
            PI / static_cast<float>(canvas.height) * 0.8f, Colour{0.9f, 0.95f, 1.0f});
}

void paint_horse_head(Canvas& canvas) {
    const LocalFrame frame(Vec3{0.1f, 0.05f, 1.0f});
    // The scene is drawn in units of about a third of a radian.
    auto local = [&](Vec3 d, float& u, float& v) {
        if (!frame.project(d, u, v)) return false;
        u /= 3.2f;
        v /= 3.2f;
        return true;
    };
    // Signed distance to the silhouette, negative inside.
    auto silhouette = [](float u, float v) {
        auto ellipse = [](float x, float y, float cx, float cy, float rx, float ry, float turn) {
            float c = std::cos(turn), s = std::sin(turn);
            float dx = x - cx, dy = y - cy;
            float ex = (dx * c + dy * s) / rx, ey = (-dx * s + dy * c) / ry;
            return (std::sqrt(ex * ex + ey * ey) - 1) * std::fmin(rx, ry);
        };
        float ground = v - (-0.12f + 0.03f * std::sin(u * 7.0f));
        float neck = ellipse(u, v, 0.025f, -0.04f, 0.042f, 0.11f, -0.15f);
        float head = ellipse(u, v, -0.035f, 0.072f, 0.055f, 0.033f, 0.72f);
        float snout = ellipse(u, v, -0.085f, 0.03f, 0.03f, 0.02f, 1.0f);
        float ear = ellipse(u, v, 0.0f, 0.125f, 0.01f, 0.025f, -0.3f);
        float mane = ellipse(u, v, 0.05f, 0.03f, 0.025f, 0.07f, 0.3f);
        float shoulder = ellipse(u, v, 0.04f, -0.11f, 0.09f, 0.04f, 0.0f);
        return std::fmin(std::fmin(std::fmin(ground, neck), std::fmin(head, snout)),
                         std::fmin(std::fmin(ear, mane), shoulder));
    };
    // The dark bank thins out to the sides and below instead of covering half the sky.
    auto bank = [](float u, float v, float ragged) {
        return (1 - smoothstep(0.35f, 0.7f, std::fabs(u) + ragged * 6)) *
               smoothstep(-0.75f, -0.4f, v + ragged * 6);
    };
    canvas.paint([&](Vec3 d) {
        Colour sky = dark_space(d, 61);
        float u, v;
        if (!local(d, u, v)) return sky;
        Vec3 p = frame.axes(d) * 1.6f;
        // The head keeps a crisp outline; the bank around it is torn and ragged.
        float ragged = fbm(p * 3.0f, 5, 62) *
                       (0.006f + 0.014f * smoothstep(0.12f, 0.3f, std::sqrt(u * u + v * v)));
        float edge = silhouette(u, v) + ragged;
        float inside = (1 - smoothstep(-0.004f, 0.01f, edge)) * bank(u, v, ragged);
        // The glowing curtain behind: brightest just above the dark cloud's edge, streaked
        // upward by the hot stars' wind.
        Vec3 a = frame.axes(d);
        float streaks = fbm(Vec3{a.x * 4.4f, a.y * 0.8f, a.z * 2}, 5, 63) * 0.5f + 0.5f;
        float mottling = fbm(warp(p, 0.5f, 3, 64), 5, 65) * 0.5f + 0.5f;
        float curtain = std::exp(-std::fabs(v + 0.08f) / 0.3f) * std::exp(-std::fabs(u) / 0.6f);
        float glow = curtain * (0.55f + 0.45f * streaks) * (0.35f + 1.0f * mottling * mottling);
        Colour red{0.80f, 0.13f, 0.18f}, rose{1.0f, 0.42f, 0.48f};
        Colour light = blend(red, rose, clamp01(streaks * mottling * 0.6f)) * glow * 0.85f;
        float rim = std::exp(-edge * edge / (2 * 0.006f * 0.006f));
        light = light + rose * rim * curtain * bank(u, v, ragged) * 0.15f;
        Colour dark_cloud = Colour{0.014f, 0.006f, 0.008f} * (0.7f + 0.6f * mottling);
        // A bluish reflection glow off to one side.
        Vec3 reflection_centre{u + 0.28f, v + 0.2f, 0};
        float reflection =
            std::exp(-dot(reflection_centre, reflection_centre) / (2 * 0.06f * 0.06f));
        light = light + Colour{0.35f, 0.5f, 0.9f} * reflection * mottling * 0.4f;
        return soft_clip(blend(sky + light, dark_cloud, inside));
    });
    add_background_stars(canvas, 2800, 66, 0.7f, [&](Vec3 d) {
        float u, v;
        if (!local(d, u, v)) return 1.0f;
        return 1 - 0.92f * bank(u, v, 0) * (silhouette(u, v) < 0 ? 1.0f : 0.0f);
    });
}

void paint_layers(Canvas& canvas) {
    canvas.paint([](Vec3 d) {
        // Squashing the noise vertically stretches it into horizontal sheets.
        Vec3 p = warp(Vec3{d.x * 1.6f, d.y * 9.0f, d.z * 1.6f}, 0.35f, 3, 71);
        float sheets = fbm(p, 6, 72) * 0.5f + 0.5f;
        float height = d.y;
        float layer = 0.5f + 0.5f * std::sin(height * 22.0f + fbm(d * 2.0f, 3, 73) * 2.0f);
        float density = std::pow(sheets, 2.2f) * (0.4f + 0.6f * layer);
        density *= std::exp(-height * height / (2 * 0.35f * 0.35f));
        Colour tint = gradient({{0.10f, 0.05f, 0.22f},
                                {0.08f, 0.22f, 0.35f},
                                {0.45f, 0.28f, 0.20f},
                                {0.55f, 0.45f, 0.38f}},
                               clamp01(0.5f + height * 1.4f + (sheets - 0.5f) * 0.6f));
        return Colour{0.006f, 0.007f, 0.014f} + tint * density * 0.9f;
    });
    add_stars(canvas, 1800, 74, 0.6f, [](Vec3 d) { return 0.3f + 0.7f * std::fabs(d.y); });
}
