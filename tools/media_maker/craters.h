// Impact craters for planet maps, laid out on the sphere.
#pragma once

#include "tools/media_maker/noise.h"

#include <vector>

struct Crater {
    Vec3 centre;
    float radius;    // angular, radians
    float cos_reach; // cosine of the widest angle the crater's rim and ejecta touch
    float depth;
};

// count craters, sizes between min_radius and max_radius with many more small than large.
std::vector<Crater> scatter_craters(int count, float min_radius, float max_radius, uint64_t seed);
// Relief the craters add at a direction: a bowl below the rim, a raised rim, a soft apron.
float crater_relief(const std::vector<Crater>& craters, Vec3 direction);
