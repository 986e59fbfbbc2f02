#include "tools/module_maker/module_recipe.h"

RecipeBuilder::RecipeBuilder(const char* name) {
    recipe_.name = name;
}

RecipeBuilder& RecipeBuilder::image(const char* file, int mode, int reshape) {
    recipe_.image = file;
    recipe_.backdrop_mode = mode;
    recipe_.reshape = reshape;
    return *this;
}

RecipeBuilder& RecipeBuilder::stars(StarSource source, int shift_x, int shift_y, int shift_z) {
    recipe_.stars = source;
    recipe_.star_shift[0] = shift_x;
    recipe_.star_shift[1] = shift_y;
    recipe_.star_shift[2] = shift_z;
    return *this;
}

RecipeBuilder& RecipeBuilder::base(const ViewEdit& edit) {
    base_ = edit;
    return *this;
}

RecipeBuilder& RecipeBuilder::view(int n, const ViewEdit& edit) {
    edits_[n - 1] = edit;
    return *this;
}

RecipeBuilder& RecipeBuilder::fly(const char* script) {
    recipe_.flight = script;
    return *this;
}

ModuleRecipe RecipeBuilder::build() const {
    ModuleRecipe recipe = recipe_;
    for (int i = 0; i < 8; ++i) {
        View view = standard_view();
        if (base_) base_(view);
        if (edits_[i]) edits_[i](view);
        recipe.views[i] = view;
    }
    // A module starts with View 8 from whatever scale the module before it left; gliding
    // from there can keep the new shape out of sight for seconds, so View 8's scale arrives
    // at once.
    recipe.views[7].track20f3 = 1000;
    return recipe;
}

View standard_view() {
    return View{};
}
