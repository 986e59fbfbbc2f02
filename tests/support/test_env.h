// Every test program runs with its own XDG directories under a fresh temporary directory,
// so no test ever reads or writes the user's own configuration.
#pragma once

#include <csignal>
#include <string>
#include <sys/resource.h>

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

// Runs `write` with files limited to `bytes` (a write beyond fails, as on a full disk, with the
// signal that would end the program ignored) and returns what it returned.
template <class Write> auto with_file_size_limit(rlim_t bytes, Write write) {
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old_limit{};
    getrlimit(RLIMIT_FSIZE, &old_limit);
    rlimit small = old_limit;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = write();
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    return result;
}
