// The module library as lists and the order in which module cycling walks it.
#pragma once

#include <string>

constexpr int MAX_MODULES = 1100;

// Lists the "*.sv" files of the module library and of the user's own library into
// `module_files`, sorted by module name without regard to case (a user's module before the
// library's of the same name), at most MAX_MODULES of them.
void refresh_module_list();
// The path of a listed module: in the user's library or the install's.
std::string module_file_path(int index);
// A module name for the selector: its file name without ".sv".
std::string module_display_name(int index);
// Rebuilds `next_module`, `shuffled_module` and `first_included_module` from the [cycle]
// flags of the settings file.
void rebuild_cycle_order();
// The [cycle] flag of a module file name.
bool module_included(const std::string& file_name);
void set_module_included(const std::string& file_name, bool included);
