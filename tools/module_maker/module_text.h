// The text of a module file, laid out exactly as the program's module save writes it.
#pragma once

#include "tools/module_maker/module_recipe.h"

#include <cstdint>
#include <string>

// `star0` is star 0 of the module's planes, in plane order (X high, Z high, Y high, X low,
// Z low, Y low); every View records it.
std::string module_text(const ModuleRecipe& recipe, const uint8_t star0[6]);
