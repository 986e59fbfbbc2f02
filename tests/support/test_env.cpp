#include "tests/support/test_env.h"

#include "platform/headless.h"
#include "platform/profile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The exit handler runs after the root's string is gone, so it keeps its own copy.
char root_to_remove[64];

void remove_root() {
    const std::string command = std::string("rm -rf '") + root_to_remove + "'";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "left %s behind\n", root_to_remove);
}

std::string create_root() {
    char pattern[] = "/tmp/solvantrix-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) std::abort();
    std::string root = made;
    for (const char* sub : {"/config", "/data", "/runtime"}) mkdir((root + sub).c_str(), 0700);
    setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (root + "/data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (root + "/runtime").c_str(), 1);
    setenv("HOME", root.c_str(), 1);
    std::snprintf(root_to_remove, sizeof root_to_remove, "%s", root.c_str());
    std::atexit(remove_root);
    return root;
}

// Runs before any test so that even static set-up sees the temporary directories.
const std::string root_at_start = test_root();

// The last test's windows go with their dialogs and GL contexts, so that a leak checker at
// exit sees only what the program lost.
class HeadlessTearDown : public ::testing::Environment {
    void TearDown() override { headless_reset(); }
};
::testing::Environment* const tear_down = ::testing::AddGlobalTestEnvironment(new HeadlessTearDown);

} // namespace

const std::string& test_root() {
    static const std::string root = create_root();
    return root;
}

std::string make_temp_dir(const char* stem) {
    std::string pattern = test_root() + "/" + stem + "-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
}

void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string install_fixture_library() {
    const std::string install = make_temp_dir("install");
    const std::string fixtures = std::string(SOLVANTRIX_SOURCE_DIR) + "/tests/fixtures";
    const std::string command =
        "cp -r '" + fixtures + "/library' '" + fixtures + "/images' '" + install + "/'";
    if (std::system(command.c_str()) != 0) std::abort();
    write_private_profile_string("data", "path", (install + "/").c_str(), "Solvantrix!.ini");
    write_private_profile_string("data", "module", (install + "/library/Hand-Made.sv").c_str(),
                                 "Solvantrix!.ini");
    return install;
}
