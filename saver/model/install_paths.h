// Where the product's files are: the install directory and the module library in it.
#pragma once

#include <string>

// [data] `path` of the settings file, ending with a separator; without one, the default
// install directory under the data directory.
std::string install_directory();
std::string module_library();      // install directory + "library/"
std::string default_module_path(); // the library's "demo.sv"
