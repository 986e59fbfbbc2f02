#include "tools/media_maker/canvas.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float PI = 3.14159265f;
}

Colour blend(Colour a, Colour b, float t) {
    return a * (1 - t) + b * t;
}

Colour gradient(const std::vector<Colour>& stops, float t) {
    t = clamp01(t) * static_cast<float>(stops.size() - 1);
    auto index = std::min(static_cast<size_t>(t), stops.size() - 2);
    return blend(stops[index], stops[index + 1], t - static_cast<float>(index));
}

float clamp01(float x) {
    return std::min(1.0f, std::max(0.0f, x));
}

float smoothstep(float edge0, float edge1, float x) {
    float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

Canvas::Canvas(int width, int height)
    : width(width), height(height),
      pixels(static_cast<size_t>(width) * static_cast<size_t>(height), Colour{0, 0, 0}) {}

float Canvas::latitude(int y) const {
    return PI / 2 - (static_cast<float>(y) + 0.5f) * PI / height;
}

Vec3 Canvas::direction(int x, int y) const {
    float longitude = (static_cast<float>(x) + 0.5f) * 2 * PI / width;
    float lat = latitude(y);
    return {std::cos(lat) * std::cos(longitude), std::sin(lat),
            std::cos(lat) * std::sin(longitude)};
}

void Canvas::paint(const std::function<Colour(Vec3)>& shade) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) at(x, y) = shade(direction(x, y));
}

void add_glow(Canvas& canvas, Vec3 centre, float radius, Colour colour) {
    centre = normalised(centre);
    float reach = radius * 3.5f;
    float lat = std::asin(std::max(-1.0f, std::min(1.0f, centre.y)));
    float lon = std::atan2(centre.z, centre.x);
    if (lon < 0) lon += 2 * PI;
    float row_step = PI / canvas.height, column_step = 2 * PI / canvas.width;
    int top = std::max(0, static_cast<int>((PI / 2 - lat - reach) / row_step) - 1);
    int bottom =
        std::min(canvas.height - 1, static_cast<int>((PI / 2 - lat + reach) / row_step) + 1);
    for (int y = top; y <= bottom; ++y) {
        float row_lat = canvas.latitude(y);
        float circle = std::cos(row_lat);
        int span = canvas.width;
        if (circle * canvas.width > 1 && reach / circle < PI)
            span = static_cast<int>(reach / circle / column_step) + 2;
        int centre_column = static_cast<int>(lon / column_step);
        int first = centre_column - span, last = centre_column + span;
        if (last - first + 1 >= canvas.width) first = 0, last = canvas.width - 1;
        for (int x = first; x <= last; ++x) {
            int column = ((x % canvas.width) + canvas.width) % canvas.width;
            float cosine = dot(canvas.direction(column, y), centre);
            float angle = std::acos(std::max(-1.0f, std::min(1.0f, cosine)));
            if (angle > reach) continue;
            float weight = std::exp(-angle * angle / (2 * radius * radius));
            canvas.at(column, y) = canvas.at(column, y) + colour * weight;
        }
    }
}

void add_stars(Canvas& canvas, int count, uint64_t seed, float brightness,
               const std::function<float(Vec3)>& density) {
    Random random(seed);
    // A star narrower than a texel vanishes in the mipmaps; one texel keeps it a point.
    float texel = PI / canvas.height;
    const Colour tints[] = {{1.0f, 1.0f, 1.0f},
                            {0.75f, 0.85f, 1.0f},
                            {1.0f, 0.9f, 0.7f},
                            {1.0f, 0.75f, 0.55f},
                            {0.85f, 0.9f, 1.0f}};
    for (int placed = 0; placed < count;) {
        Vec3 where = random.direction();
        float keep = random.uniform();
        float tint_pick = random.uniform();
        float magnitude = random.uniform();
        if (density && keep > density(where)) continue;
        ++placed;
        // Few bright stars, many faint: a steep power law of a uniform draw.
        float strength = brightness * (0.08f + 0.92f * std::pow(magnitude, 9.0f));
        Colour tint = tints[static_cast<int>(tint_pick * 5) % 5];
        float size = texel * (0.55f + 0.5f * std::pow(magnitude, 6.0f));
        add_glow(canvas, where, size, tint * strength);
    }
}

Colour soft_clip(Colour colour) {
    auto knee = [](float x) {
        constexpr float start = 0.75f, room = 0.25f;
        if (x <= start) return std::max(0.0f, x);
        return start + room * (1 - std::exp(-(x - start) / room));
    };
    return {knee(colour.r), knee(colour.g), knee(colour.b)};
}

LocalFrame::LocalFrame(Vec3 towards, float roll) : centre(normalised(towards)) {
    Vec3 up{0, 1, 0};
    if (std::fabs(centre.y) > 0.99f) up = Vec3{1, 0, 0};
    // East is the way the map's columns run, so that pictures read the right way round from
    // inside the sphere.
    Vec3 plain_east = normalised(cross(centre, up));
    Vec3 plain_north = cross(plain_east, centre);
    float c = std::cos(roll), s = std::sin(roll);
    east = plain_east * c + plain_north * s;
    north = plain_north * c - plain_east * s;
}

Vec3 LocalFrame::axes(Vec3 direction) const {
    return {dot(direction, east), dot(direction, north), dot(direction, centre)};
}

bool LocalFrame::project(Vec3 direction, float& u, float& v) const {
    float depth = dot(direction, centre);
    if (depth <= 0.05f) return false;
    u = dot(direction, east) / depth;
    v = dot(direction, north) / depth;
    return true;
}
