// An abstract backdrop: a glowing lattice of diamonds over the sphere, crossed by slow
// interference rings.
#include "tools/media_maker/painters.h"

#include <cmath>

void paint_pattern(Canvas& canvas) {
    constexpr float PI = 3.14159265f;
    const Vec3 focus_a = normalised(Vec3{1, 0.3f, 0.2f});
    const Vec3 focus_b = normalised(Vec3{-0.5f, -0.2f, 0.9f});
    canvas.paint([&](Vec3 d) {
        float longitude = std::atan2(d.z, d.x);
        float latitude = std::asin(std::fmin(1.0f, std::fmax(-1.0f, d.y)));
        // Whole numbers of cells around the circle keep the lattice seamless.
        float u = longitude / (2 * PI) * 24.0f, v = latitude / PI * 12.0f;
        float a = u + v, b = u - v;
        float edge_a = std::fabs(a - std::round(a)), edge_b = std::fabs(b - std::round(b));
        float line = std::exp(-std::fmin(edge_a, edge_b) / 0.035f);
        float node = std::exp(-(edge_a * edge_a + edge_b * edge_b) / 0.004f);
        float ring_a = std::acos(std::fmin(1.0f, dot(d, focus_a)));
        float ring_b = std::acos(std::fmin(1.0f, dot(d, focus_b)));
        float interference = 0.5f + 0.5f * std::cos(ring_a * 18.0f) * std::cos(ring_b * 18.0f);
        // The lattice thins out toward the poles where its cells crowd together.
        float fade = std::pow(std::cos(latitude), 1.5f);
        Colour violet{0.45f, 0.20f, 0.75f}, cyan{0.15f, 0.65f, 0.75f}, gold{0.9f, 0.7f, 0.35f};
        Colour lattice = blend(violet, cyan, interference) * line * 0.45f + gold * node * 0.6f;
        Colour field =
            blend(Colour{0.01f, 0.008f, 0.03f}, Colour{0.02f, 0.05f, 0.08f}, interference);
        return soft_clip(field + lattice * fade);
    });
}
