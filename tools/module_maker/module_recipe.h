// A module as a recipe: a base View, the differences of each of the eight Views, the backdrop
// and a flight script that becomes the module's recording.
#pragma once

#include "tools/module_maker/view_recipe.h"

#include <functional>
#include <string>
#include <vector>

using ViewEdit = std::function<void(View&)>;

// How the module's star planes are made.
enum StarSource {
    STARS_AT_LOAD,   // one-byte planes: the program generates the stars from View 8 at load
    STARS_GENERATED, // full planes from the generator, run here with View 8's settings
    STARS_LATTICE,   // full planes: a crystal lattice the generator cannot make
};

struct ModuleRecipe {
    std::string name;
    std::string image; // backdrop file name without ".TGA"; empty for none
    int backdrop_mode = BACKDROP;
    int reshape = 60;
    StarSource stars = STARS_AT_LOAD;
    int star_shift[3] = {0, 0, 0}; // X, Y, Z added to made stars, to place a shape off centre
    View views[8];
    // "V FRAMES [X,Y[>X2,Y2]] [f]; ...; loop|keep|end" (see flight_script.h)
    std::string flight;
};

// Builds a recipe: every View starts from `base`, then gets its own edit.
class RecipeBuilder {
  public:
    explicit RecipeBuilder(const char* name);
    RecipeBuilder& image(const char* file, int mode = BACKDROP, int reshape = 60);
    RecipeBuilder& stars(StarSource source, int shift_x = 0, int shift_y = 0, int shift_z = 0);
    RecipeBuilder& base(const ViewEdit& edit);
    // View n is 1..8.
    RecipeBuilder& view(int n, const ViewEdit& edit);
    RecipeBuilder& fly(const char* script);
    ModuleRecipe build() const;

  private:
    ModuleRecipe recipe_;
    ViewEdit base_;
    ViewEdit edits_[8];
};

// The standard starfield every recipe starts from.
View standard_view();

// Every module of the library, in name order of the package list, and `demo`.
std::vector<ModuleRecipe> library_recipes();
