// A floating-point RGB picture laid out as an equirectangular map of the sphere: column 0 at
// longitude 0, row 0 at the zenith (the backdrop uploads rows in file order and its sphere puts
// the first row at the top). Painters work in directions, not pixels, so nothing pinches at
// the poles and nothing shows a seam where the map wraps.
#pragma once

#include "tools/media_maker/noise.h"

#include <functional>
#include <vector>

struct Colour {
    float r, g, b;
};

inline Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Colour operator*(Colour a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Colour operator*(Colour a, Colour b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
Colour blend(Colour a, Colour b, float t);
// Colour from a list of stops spread evenly over [0, 1].
Colour gradient(const std::vector<Colour>& stops, float t);

struct Canvas {
    int width, height;
    std::vector<Colour> pixels; // rows top first

    Canvas(int width, int height);
    Colour& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    const Colour& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // Unit direction of a pixel centre; y is up, longitude runs with the column.
    Vec3 direction(int x, int y) const;
    float latitude(int y) const; // radians, +pi/2 at the top row
    // Sets every pixel from its direction.
    void paint(const std::function<Colour(Vec3)>& shade);
};

float smoothstep(float edge0, float edge1, float x);
float clamp01(float x);

// Adds a round Gaussian glow centred on a direction; radius is its angular sigma in radians.
// Near the poles the footprint widens in columns so the glow stays round on the sphere.
void add_glow(Canvas& canvas, Vec3 centre, float radius, Colour colour);
// Scatters point stars: many faint ones, few bright ones, white through blue and gold. density
// shapes where they fall (1 everywhere when empty).
void add_stars(Canvas& canvas, int count, uint64_t seed, float brightness,
               const std::function<float(Vec3)>& density = {});

// Eases highlights toward white instead of cutting them flat at full brightness.
Colour soft_clip(Colour colour);

// A flat view around one direction of the sky: (u, v) are tangent-plane offsets, u to the
// east and v to the north, about one radian per unit near the centre.
struct LocalFrame {
    Vec3 centre, east, north;
    explicit LocalFrame(Vec3 towards, float roll = 0);
    // False on the far hemisphere, where the plane has no point for the direction.
    bool project(Vec3 direction, float& u, float& v) const;
    // The direction in the frame's own axes (east, north, centre). Unlike the tangent plane
    // these stay bounded, so noise sampled with them does not stretch into rings at the edge.
    Vec3 axes(Vec3 direction) const;
};
