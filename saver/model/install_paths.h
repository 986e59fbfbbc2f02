// Where the product's files are: the install directory and the module library in it, and
// where the user's own modules and images go.
#pragma once

#include <string>

// [data] `path` of the settings file, ending with a separator; without one, the shipped
// product tree (see shipped_install()), else the default install directory.
std::string install_directory();
std::string module_library();      // install directory + "library/"
std::string default_module_path(); // the library's "demo.sv"

// True without a `path` in the settings: the install directory is then the product tree
// shipped with the program, which may belong to root and is only read.
bool shipped_install();
// Where the user's own modules are saved and listed beside the library: with a shipped
// install the per-user library under the data directory, else the install's own library.
// Ends with a separator.
std::string user_module_library();
// The same for backdrop images: the per-user images directory, else the install's.
std::string user_image_directory();
