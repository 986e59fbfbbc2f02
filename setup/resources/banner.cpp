#include "setup/resources/banner.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

struct Colour {
    float r, g, b;
};

void add(Picture& picture, int x, int y, Colour c, float amount) {
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height || amount <= 0) return;
    unsigned char* p = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
    const float added[3] = {c.r, c.g, c.b};
    for (int i = 0; i < 3; ++i)
        p[i] = static_cast<unsigned char>(std::min(255.0f, p[i] + added[i] * amount));
}

} // namespace

Picture paint_banner(int width, int height) {
    Picture picture;
    if (width <= 0 || height <= 0) return picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.assign(static_cast<size_t>(width) * height * 3, 0);

    // The sky: deep blue at the top, violet toward the horizon.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float down = static_cast<float>(y) / height;
            const float across = static_cast<float>(x) / width;
            add(picture, x, y, {10 + 24 * down, 12 + 10 * across, 34 + 40 * down}, 1);
        }

    // The core the flight heads for, a third of the way in.
    const float cx = width * 0.3f, cy = height * 0.45f;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float d = std::hypot(x - cx, (y - cy) * 1.6f);
            add(picture, x, y, {150, 180, 255}, 1.2f * std::exp(-d / (height * 0.18f)));
        }

    // Stars streaking out of the core, longer the farther they are.
    uint32_t seed = 20250917;
    auto next = [&seed] {
        seed = seed * 214013 + 2531011;
        return static_cast<float>((seed >> 16) & 0x7FFF) / 32767.0f;
    };
    for (int i = 0; i < width * height / 90; ++i) {
        const float x = next() * width, y = next() * height;
        const float dx = x - cx, dy = y - cy, d = std::hypot(dx, dy) + 1;
        const float length = std::min(d * 0.12f, 14.0f) * next();
        const float bright = 0.35f + 0.65f * next();
        const Colour tint = next() < 0.2f ? Colour{255, 214, 170} : Colour{200, 220, 255};
        const int steps = std::max(1, static_cast<int>(length));
        for (int s = 0; s <= steps; ++s) {
            const float t = static_cast<float>(s) / steps;
            add(picture, static_cast<int>(x - dx / d * length * t),
                static_cast<int>(y - dy / d * length * t), tint, bright * (1 - t));
        }
    }

    // A planet's lit rim rising at the lower right.
    const float px = width * 0.86f, py = height * 2.35f, radius = height * 1.9f;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float d = std::hypot(x - px, y - py);
            if (d < radius) {
                unsigned char* p = &picture.rgb[(static_cast<size_t>(y) * width + x) * 3];
                const float shade = std::max(0.0f, 1 - (radius - d) / (height * 0.5f));
                p[0] = static_cast<unsigned char>(6 + 40 * shade);
                p[1] = static_cast<unsigned char>(8 + 60 * shade);
                p[2] = static_cast<unsigned char>(16 + 110 * shade);
            } else {
                add(picture, x, y, {120, 170, 255}, std::exp(-(d - radius) / 2.5f));
            }
        }
    return picture;
}
