// Module files: loading a module copies its text into the work file and reads its star-data
// side files into the target star table and the recording buffer.
#pragma once

// Returns 1 on success, 0 on failure (the current module path is then empty). Sets
// *saved_without_stars when ".pr1" is exactly one byte long: the stars are to be generated.
int load_module(const char* path, int* saved_without_stars);

// The module name of a path: after its last "\" or "/", without the last three characters.
void module_name_of(const char* path, char* name, unsigned size);
