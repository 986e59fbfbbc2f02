// Where the program's files live: XDG directories, bare settings names, directory creation.
#include "platform/paths.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace {

bool is_directory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Sets or clears an environment variable for one test and restores it afterwards, so the
// other tests of this program keep their temporary directories.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, had_ = true;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (had_)
            setenv(name_, old_.c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

TEST(PathsTest, DirectoriesFollowTheXdgVariables) {
    const std::string root = make_temp_dir("paths");
    ScopedEnv config("XDG_CONFIG_HOME", (root + "/cfg/").c_str());
    ScopedEnv data("XDG_DATA_HOME", (root + "/share").c_str());
    EXPECT_EQ(windows_directory(), root + "/cfg/solvantrix");
    EXPECT_TRUE(is_directory(root + "/cfg/solvantrix")) << "created on demand";
    EXPECT_EQ(program_files_dir(), root + "/share");
}

TEST(PathsTest, UnsetEmptyOrRelativeVariablesFallBackToHome) {
    const std::string home = make_temp_dir("home");
    ScopedEnv home_env("HOME", home.c_str());
    for (const char* value : {static_cast<const char*>(nullptr), "", "relative/dir"}) {
        ScopedEnv config("XDG_CONFIG_HOME", value);
        ScopedEnv data("XDG_DATA_HOME", value);
        EXPECT_EQ(windows_directory(), home + "/.config/solvantrix");
        EXPECT_EQ(program_files_dir(), home + "/.local/share");
    }
    EXPECT_TRUE(is_directory(home + "/.config/solvantrix"));
}

TEST(PathsTest, BareProfileNamesLiveInTheWindowsDirectory) {
    EXPECT_EQ(resolve_profile_path("Solvantrix!.ini"), windows_directory() + "/Solvantrix!.ini");
    EXPECT_EQ(resolve_profile_path("/opt/lib/demo/demo.ini"), "/opt/lib/demo/demo.ini");
    EXPECT_EQ(resolve_profile_path("library/demo.ini"), "library/demo.ini");
    EXPECT_EQ(resolve_profile_path("C:\\WINDOWS\\Solvantrix!.ini"), "C:\\WINDOWS\\Solvantrix!.ini");
}

TEST(PathsTest, MakeDirectoriesCreatesParentsAndReportsObstacles) {
    const std::string root = make_temp_dir("mkdirs");
    EXPECT_TRUE(make_directories(root + "/a/b/c"));
    EXPECT_TRUE(is_directory(root + "/a/b/c"));
    EXPECT_TRUE(make_directories(root + "/a/b/c")) << "an existing directory is fine";
    EXPECT_TRUE(make_directories(root + "/a//d/"));
    EXPECT_TRUE(is_directory(root + "/a/d"));

    write_file(root + "/file", "x");
    EXPECT_FALSE(make_directories(root + "/file"));
    EXPECT_FALSE(make_directories(root + "/file/below"));
    EXPECT_FALSE(make_directories(""));
}

} // namespace
