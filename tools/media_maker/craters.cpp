#include "tools/media_maker/craters.h"

#include <cmath>

std::vector<Crater> scatter_craters(int count, float min_radius, float max_radius, uint64_t seed) {
    Random random(seed);
    std::vector<Crater> craters;
    craters.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Vec3 centre = random.direction();
        float size = std::pow(random.uniform(), 3.0f);
        float radius = min_radius + (max_radius - min_radius) * size;
        float depth = random.range(0.6f, 1.0f) * radius;
        craters.push_back({centre, radius, std::cos(radius * 2.2f), depth});
    }
    return craters;
}

float crater_relief(const std::vector<Crater>& craters, Vec3 direction) {
    float relief = 0;
    for (const Crater& crater : craters) {
        float cosine = dot(direction, crater.centre);
        if (cosine < crater.cos_reach) continue;
        float distance = std::acos(std::fmin(1.0f, cosine)) / crater.radius;
        float shape;
        if (distance < 1)
            shape = distance * distance - 1 + 0.25f; // bowl, rim top at 0.25
        else
            shape = 0.25f * std::exp(-(distance - 1) * (distance - 1) / 0.18f); // apron
        relief += shape * crater.depth;
    }
    return relief;
}
