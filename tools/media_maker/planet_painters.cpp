// Planet maps (equirectangular, for the planet backdrop modes) and a ringed planet hanging in
// the sky.
#include "tools/media_maker/craters.h"
#include "tools/media_maker/painters.h"

#include <cmath>

namespace {

// Relief shading baked into a map: the slope of height toward a light low in the north-west.
// The sphere has no lighting of its own, so this is what makes craters read as craters.
float slope_light(const std::function<float(Vec3)>& height, Vec3 d, float step, float strength) {
    Vec3 up{0, 1, 0};
    if (std::fabs(d.y) > 0.999f) up = Vec3{1, 0, 0};
    Vec3 east = normalised(cross(up, d));
    Vec3 north = cross(d, east);
    float here = height(d);
    float to_east = (height(normalised(d + east * step)) - here) / step;
    float to_north = (height(normalised(d + north * step)) - here) / step;
    return 1 + strength * (-0.7f * to_east + 0.7f * to_north);
}

} // namespace

void paint_mars(Canvas& canvas) {
    const std::vector<Crater> craters = scatter_craters(240, 0.006f, 0.08f, 81);
    auto height = [&](Vec3 d) {
        return fbm(d * 2.5f, 6, 82) * 0.04f + crater_relief(craters, d) * 0.6f;
    };
    float step = 3.14159265f / static_cast<float>(canvas.height);
    canvas.paint([&](Vec3 d) {
        float albedo = fbm(warp(d * 1.8f, 0.6f, 3, 83), 5, 84) * 0.5f + 0.5f;
        float dark_regions = smoothstep(0.45f, 0.7f, albedo);
        Colour rust{0.62f, 0.30f, 0.16f}, ochre{0.72f, 0.48f, 0.28f}, umber{0.30f, 0.16f, 0.10f};
        float fine = fbm(d * 14.0f, 4, 85) * 0.5f + 0.5f;
        Colour ground = blend(blend(rust, ochre, fine * 0.6f), umber, dark_regions * 0.8f);
        // Dune fields fill the dark lowlands with fine parallel ridges.
        float dunes =
            ridged(Vec3{d.x * 40, d.y * 8, d.z * 40} + warp(d * 3.0f, 1.0f, 2, 86), 2, 87);
        ground = ground * (1 - 0.18f * dark_regions * dunes);
        float light = slope_light(height, d, step, 0.7f);
        Colour surface = ground * clamp01(light) * 0.75f;
        // Polar caps with ragged edges.
        float cap_edge = 0.972f + 0.012f * fbm(d * 6.0f, 4, 88);
        float cap = smoothstep(cap_edge, cap_edge + 0.03f, std::fabs(d.y));
        Colour frost{0.88f, 0.86f, 0.84f};
        return soft_clip(blend(surface, frost * clamp01(light), cap));
    });
}

void paint_moon(Canvas& canvas) {
    const std::vector<Crater> craters = scatter_craters(700, 0.005f, 0.14f, 91);
    const std::vector<Crater> young = scatter_craters(3, 0.02f, 0.03f, 92);
    auto height = [&](Vec3 d) {
        return fbm(d * 3.0f, 5, 93) * 0.03f + crater_relief(craters, d) * 0.7f;
    };
    float step = 3.14159265f / static_cast<float>(canvas.height);
    canvas.paint([&](Vec3 d) {
        float maria = smoothstep(0.15f, 0.45f, fbm(warp(d * 1.4f, 0.7f, 3, 94), 5, 95));
        float grain = fbm(d * 20.0f, 4, 96) * 0.5f + 0.5f;
        float grey = 0.58f - 0.3f * maria + 0.08f * (grain - 0.5f);
        // Bright rays thrown out from a few young craters.
        float rays = 0;
        for (const Crater& crater : young) {
            float cosine = dot(d, crater.centre);
            float angle = std::acos(std::fmin(1.0f, cosine));
            Vec3 side = normalised(d - crater.centre * cosine);
            float spokes = ridged(side * 9.0f + crater.centre * 3.0f, 2, 97);
            rays +=
                std::pow(spokes, 6.0f) * std::exp(-angle / 0.35f) * smoothstep(0.0f, 0.03f, angle);
            rays += std::exp(-angle * angle / (2 * crater.radius * crater.radius)) * 0.6f;
        }
        float light = slope_light(height, d, step, 0.8f);
        float value = clamp01((grey + 0.25f * rays) * clamp01(light));
        return Colour{value, value, value * 0.97f};
    });
}

void paint_ringed_planet(Canvas& canvas) {
    const LocalFrame frame(Vec3{0.6f, 0.22f, 0.8f}, 0.35f);
    const float radius = 0.4f;
    const Vec3 ring_normal = normalised(Vec3{0.0f, 0.93f, 0.38f});
    const Vec3 sun = normalised(Vec3{-0.75f, 0.25f, 0.6f});
    auto planet_hit = [&](float u, float v, float& depth) {
        float inside = radius * radius - u * u - v * v;
        if (inside < 0) return false;
        depth = std::sqrt(inside);
        return true;
    };
    auto ring_density = [&](float distance) {
        float band = distance / radius;
        if (band < 1.25f || band > 2.3f) return 0.0f;
        float gaps = 0.55f + 0.45f * std::sin(band * 38.0f) * std::sin(band * 11.0f + 1.0f);
        float division = 1 - 0.9f * std::exp(-std::pow((band - 1.85f) / 0.025f, 2.0f));
        return clamp01(gaps) * division * smoothstep(1.25f, 1.35f, band) *
               (1 - smoothstep(2.15f, 2.3f, band));
    };
    canvas.paint([&](Vec3 d) {
        Colour sky =
            Colour{0.005f, 0.006f, 0.013f} * (0.8f + 0.4f * (fbm(d * 1.5f, 3, 101) * 0.5f + 0.5f));
        float u, v;
        if (!frame.project(d, u, v)) return sky;
        Colour result = sky;
        float planet_depth;
        bool on_planet = planet_hit(u, v, planet_depth);
        // The ring plane through the planet's centre; the viewer looks along -z.
        float ring_depth = -(ring_normal.x * u + ring_normal.y * v) / ring_normal.z;
        Vec3 ring_point{u, v, ring_depth};
        float density = ring_density(std::sqrt(dot(ring_point, ring_point)));
        if (on_planet) {
            Vec3 normal = Vec3{u, v, planet_depth} * (1 / radius);
            float latitude = dot(normal, ring_normal);
            float bands =
                fbm(Vec3{latitude * 14.0f, normal.x * 0.8f, normal.z * 0.8f}, 4, 102) * 0.5f + 0.5f;
            Colour cloud = gradient(
                {{0.55f, 0.42f, 0.28f}, {0.78f, 0.66f, 0.46f}, {0.62f, 0.50f, 0.38f}}, bands);
            float lit = clamp01(dot(normal, sun) * 1.1f + 0.05f);
            // The rings' shadow falls across the globe as a dark stripe.
            float along = -dot(Vec3{u, v, planet_depth}, ring_normal) / dot(sun, ring_normal);
            Vec3 crossing = Vec3{u, v, planet_depth} + sun * along;
            float shadow = along > 0 ? ring_density(std::sqrt(dot(crossing, crossing))) : 0.0f;
            result = cloud * lit * (1 - 0.7f * shadow) * 0.8f;
        }
        if (density > 0 && (!on_planet || ring_depth > planet_depth)) {
            // Ring particles in the planet's shadow stay dark.
            float toward = dot(ring_point, sun);
            Vec3 off_axis = ring_point - sun * toward;
            bool shaded = toward < 0 && dot(off_axis, off_axis) < radius * radius;
            Colour ring_colour = Colour{0.80f, 0.72f, 0.58f} * (shaded ? 0.05f : 0.75f);
            result = blend(result, ring_colour, density * 0.85f);
        }
        return soft_clip(result);
    });
    add_stars(canvas,
              static_cast<int>(3000.0f * static_cast<float>(canvas.width * canvas.height) / 1.0e6f),
              103, 0.7f, [&](Vec3 d) {
                  float u, v;
                  return frame.project(d, u, v) && u * u + v * v < 4.8f * radius * radius ? 0.0f
                                                                                          : 1.0f;
              });
}
