// The six star-data planes of a module.
#pragma once

#include "tools/module_maker/module_recipe.h"

#include <cstdint>
#include <vector>

struct StarPlanes {
    std::vector<uint8_t> plane[6]; // X high, Z high, Y high, X low, Z low, Y low; equal lengths
};

// One-byte planes holding only the centre star, or full planes made from the recipe. `seed`
// makes the generated patterns the same on every run.
StarPlanes make_star_planes(const ModuleRecipe& recipe, uint32_t seed);
