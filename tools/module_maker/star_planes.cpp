#include "tools/module_maker/star_planes.h"

#include "saver/engine/engine_state.h"
#include "saver/engine/generator_modes.h"
#include "saver/engine/generator.h"
#include "saver/engine/random.h"
#include "saver/model/view.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int CENTRE = 32767;


// The generator reads the live View; give it View 8, the View a module starts with.
void generate_from(const View& v) {
    xcolormode = v.xcolormode;
    track20k = v.track20k;
    track20l = v.track20l;
    track20e = v.track20e;
    tracking = v.tracking ? 1 : 0;
    bars = v.bars ? 1 : 0;
    track10 = v.track10;
    track20j = v.track20j;
    meteor_count = static_cast<int>(v.track20j * v.track10 / 8000 + 1);
    anchor_flag = 0;
    generate();
}

// A cubic crystal: atoms on a grid that fills the whole wrap-around space, so flying through
// it never reaches an edge. Every cell holds an atom at its corner and at the middle of its
// faces, the way a face-centred crystal does; the remaining stars sit on the bonds between.
void build_lattice(int count) {
    const int cells = 8;
    const int cell = 65536 / cells;
    int i = 1;
    for (int cx = 0; cx < cells && i < count; ++cx)
        for (int cy = 0; cy < cells && i < count; ++cy)
            for (int cz = 0; cz < cells && i < count; ++cz) {
                const int x = cx * cell, y = cy * cell, z = cz * cell;
                const int atoms[4][3] = {{x, y, z},
                                         {x + cell / 2, y + cell / 2, z},
                                         {x + cell / 2, y, z + cell / 2},
                                         {x, y + cell / 2, z + cell / 2}};
                for (const auto& a : atoms)
                    if (i < count) store_star(i++, a[0] + CENTRE, a[1] + CENTRE, a[2] + CENTRE);
            }
    // Bonds: stars strung along the cell edges in all three directions.
    const int per_edge = 12;
    for (int k = 0; i < count; ++k) {
        const int edge = k / per_edge, step = k % per_edge + 1;
        const int axis = edge % 3, node = (edge / 3) % (cells * cells * cells);
        const int n[3] = {node % cells, (node / cells) % cells, node / (cells * cells)};
        int p[3] = {n[0] * cell, n[1] * cell, n[2] * cell};
        p[axis] += step * cell / (per_edge + 1);
        store_star(i++, p[0] + CENTRE, p[1] + CENTRE, p[2] + CENTRE);
    }
}

// Star 0 carries the backdrop of the Fly modes. It starts far ahead there, so that the backdrop
// is seen coming closer; elsewhere it sits at the centre.
int star0_z(const ModuleRecipe& recipe) {
    const bool fly = recipe.backdrop_mode == FLY_LARGE || recipe.backdrop_mode == FLY_SMALL;
    return fly ? CENTRE + 30000 : CENTRE;
}

} // namespace

StarPlanes make_star_planes(const ModuleRecipe& recipe, uint32_t seed) {
    StarPlanes planes;
    if (recipe.stars == STARS_AT_LOAD) {
        // One star per plane: the program generates the rest around it at load.
        std::memset(target_stars, 0, sizeof target_stars);
        store_star(0, CENTRE, CENTRE, star0_z(recipe));
        for (int p = 0; p < 6; ++p) planes.plane[p].assign(1, target_stars[p][0]);
        return planes;
    }

    // As the program's own save does: the stars up to the largest Total of the Views, plus 2.
    float most = 0;
    for (const View& v : recipe.views) most = std::max(most, v.track10);
    const int length = std::min(STAR_COUNT, static_cast<int>(most) + 2);

    std::memset(target_stars, 0, sizeof target_stars);
    seed_random(seed);
    if (recipe.stars == STARS_GENERATED)
        generate_from(recipe.views[7]);
    else
        build_lattice(length);
    for (int i = 1; i < length; ++i) {
        const int x = target_stars[PLANE_XH][i] * 256 + target_stars[PLANE_XL][i];
        const int y = target_stars[PLANE_YH][i] * 256 + target_stars[PLANE_YL][i];
        const int z = target_stars[PLANE_ZH][i] * 256 + target_stars[PLANE_ZL][i];
        store_star(i, x + recipe.star_shift[0], y + recipe.star_shift[1], z + recipe.star_shift[2]);
    }
    store_star(0, CENTRE, CENTRE, star0_z(recipe));
    for (int p = 0; p < 6; ++p) planes.plane[p].assign(target_stars[p], target_stars[p] + length);
    return planes;
}
