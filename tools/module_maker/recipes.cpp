#include "tools/module_maker/recipes.h"

void colour1(View& v, int r, int g, int b) {
    v.track20 = r;
    v.track20a = g;
    v.digitsize = static_cast<float>(b);
}

void colour2(View& v, int r, int g, int b) {
    v.track20b = r;
    v.track20c = g;
    v.track20d = b;
}

void rainbow(View& v, bool pastel, bool cycle) {
    v.flat = true;
    v.sizeflag = pastel;
    v.plotspeed = cycle;
}

void spins(View& v, int roll, int turn, int tumble) {
    v.track4 = 1800 + roll;
    v.track5 = 1800 + turn;
    v.track6 = 1800 + tumble;
}

void keep_flying(View& v) {
    v.mettype = true;
}

void object_view(View& v, int scale) {
    v.track7 = scale;
    // Brightness falls to nothing about 150 drawing units from the centre: across the shape.
    const double range = 150.0 * 12500.0 * 1000000.0 / (double(scale) * scale);
    v.track4a = range > 2000 ? 2000 : static_cast<int>(range);
    v.vista = 0;
    v.track4b = 1000;
    v.track20h = 1;
    v.track13 = 0;
    // The rainbow fades over the shape's own size rather than the whole field's.
    v.titlelenx = 30;
}

std::vector<ModuleRecipe> library_recipes() {
    std::vector<ModuleRecipe> out;
    add_demo_recipe(out);
    add_starfield_recipes(out);
    add_shape_recipes(out);
    add_backdrop_recipes(out);
    add_motion_recipes(out);
    return out;
}
