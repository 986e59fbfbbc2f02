// File names and file modes as the program's stored paths need them.
#pragma once

#include <string>

// The path as it exists on disk. Names stored by modules and settings were often written on
// a system where case does not count: a part of the path that does not exist as written is
// taken from the one entry of its directory whose name matches regardless of case (the
// first in name order when several do). A part found neither way stays as written, and so
// does the rest of the path after it.
std::string find_path_any_case(const std::string& path);

// Gives `replacement` the permission bits of `existing` before it is renamed over it, so
// that rewriting a file never widens who may read it. True when `existing` does not exist.
bool keep_file_mode(const std::string& existing, const std::string& replacement);
