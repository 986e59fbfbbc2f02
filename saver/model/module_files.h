// Module files: loading a module copies its text into the work file and reads its star-data
// side files into the target star table and the recording buffer.
#pragma once

#include "platform/win.h"

// Returns 1 on success, 0 on failure (the current module path is then empty). Sets
// *saved_without_stars when ".pr1" is exactly one byte long: the stars are to be generated.
int load_module(const char* path, int* saved_without_stars);

enum SaveMode { SAVE_NORMAL = 0, SAVE_FULL = 1, SAVE_NO_STARS = 2 };
// What a module save achieved. Whatever fails, the old module on disk stays as it was.
enum SaveResult {
    SAVE_NOT_CREATED = -1, // the module file itself could not be created
    SAVE_FAILED = 0,       // a later step failed
    SAVE_DONE = 1,
};
// Writes the module text from the work file's sections and the side files from memory, after
// storing the starfield window's rectangle in the work file. Returns a SaveResult.
int save_module(const char* path, int save_mode, const Rect& window);

// The module name of a path: after its last "\" or "/", without the last three characters.
void module_name_of(const char* path, char* name, unsigned size);
