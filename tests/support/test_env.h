// Every test program runs with its own XDG directories under a fresh temporary directory,
// so no test ever reads or writes the user's own configuration.
#pragma once

#include <string>

// The temporary root of this test program (holds config/, data/ and runtime/).
const std::string& test_root();
// A new empty directory under the test root.
std::string make_temp_dir(const char* stem);
// Writes bytes to a file, replacing it.
void write_file(const std::string& path, const std::string& bytes);
// The whole file, or an empty string when it cannot be read.
std::string read_file(const std::string& path);
// A copy of the test fixtures' module library as an install directory of its own; the
// settings file names it as `path` and its "Hand-Made" module as `module`.
std::string install_fixture_library();
