// The two ordered name lists the unpacking walks, and the layout of a module package.
// Each list ends with the marker entry "lastnull"; counting stops there.
#pragma once

#include <cstdint>

constexpr const char* LIST_END = "lastnull";

// Backdrop images and the rumble; a name holding "RUMBLE" is a ".WAV" file, the rest ".TGA".
extern const char* const IMAGE_LIST[];
// Module packages: the module name + ".cmp" is the resource name.
extern const char* const PACKAGE_LIST[];

int count_list(const char* const* list); // entries before the marker
const char* image_extension(const char* image_name);

// A package is the plain concatenation of a module's files in this order: the module file
// (".sv"), the six star-data planes and the eighth side file.
constexpr int PACKAGE_PARTS = 8;
extern const char* const PACKAGE_PART_EXTENSIONS[PACKAGE_PARTS]; // ".sv", ".pr1" ... ".pr8"
