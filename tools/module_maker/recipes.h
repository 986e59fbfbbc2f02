// The recipes of the module library, grouped by kind, and the looks they share.
#pragma once

#include "saver/engine/generator.h"
#include "tools/module_maker/module_recipe.h"

#include <vector>

// Groups of recipes; library_recipes() gathers them.
void add_demo_recipe(std::vector<ModuleRecipe>& out);
void add_starfield_recipes(std::vector<ModuleRecipe>& out);
void add_shape_recipes(std::vector<ModuleRecipe>& out);
void add_backdrop_recipes(std::vector<ModuleRecipe>& out);
void add_motion_recipes(std::vector<ModuleRecipe>& out);

// Shared looks, applied inside recipe edits.
void colour1(View& v, int r, int g, int b);     // star colour (Image off)
void colour2(View& v, int r, int g, int b);     // tail colour
void rainbow(View& v, bool pastel, bool cycle); // rainbow palette
// Spin rates in units of 1/450 degree per frame: about the view axis, the vertical axis and
// the horizontal axis of the screen.
void spins(View& v, int roll, int turn, int tumble);
void keep_flying(View& v); // flight continues from the previous View
// A shape seen from outside: scaled down in front of the viewer, still, drawn as fine points.
void object_view(View& v, int scale);
