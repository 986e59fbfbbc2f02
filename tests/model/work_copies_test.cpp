#include "platform/paths.h"
#include "saver/model/work_copies.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool is_directory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string parent_of(const std::string& directory) {
    const std::string without_slash = directory.substr(0, directory.size() - 1);
    return without_slash.substr(0, without_slash.rfind('/'));
}

class WorkCopiesTest : public ::testing::Test {
  protected:
    void TearDown() override {
        end_work_copies();
        use_work_copies(WorkCopies::PRIVATE);
    }
};

TEST_F(WorkCopiesTest, TheEditorsPlaceIsPerUserAndOutlivesIt) {
    use_work_copies(WorkCopies::PER_USER);
    const std::string place = work_directory();
    EXPECT_EQ(place, state_home() + "/solvantrix/work/");
    end_work_copies();
    EXPECT_TRUE(is_directory(place));
}

// A copy's directory is its own and goes when it ends; what a killed copy left goes at the
// next start, while a live copy's directory stays.
TEST_F(WorkCopiesTest, PrivateDirectoriesLastAsLongAsTheirCopy) {
    use_work_copies(WorkCopies::PRIVATE);
    const std::string mine = work_directory();
    ASSERT_FALSE(mine.empty());
    EXPECT_EQ(mine, work_directory());
    const std::string parent = parent_of(mine);
    struct stat info {};
    ASSERT_EQ(stat(parent.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u) << "other users must not reach the copies";

    // A process that has ended, for the names of copies that were killed.
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    ASSERT_EQ(waitpid(ended, nullptr, 0), ended);
    const std::string prefix = parent + "/copy-";
    const std::string killed = prefix + std::to_string(ended) + "-killed";
    const std::string live = prefix + std::to_string(ended) + "-live"; // its mark is held
    const std::string starting = prefix + std::to_string(getpid()) + "-starting"; // no mark yet
    for (const std::string& directory : {killed, live, starting}) {
        ASSERT_EQ(mkdir(directory.c_str(), 0700), 0);
        write_file(directory + "/.live", "");
        write_file(directory + "/Hand-Made.ini", "[items]\n");
    }
    const int held = open((live + "/.live").c_str(), O_RDONLY);
    ASSERT_EQ(flock(held, LOCK_EX), 0);

    end_work_copies();
    EXPECT_FALSE(is_directory(mine));
    const std::string next = work_directory();
    EXPECT_NE(next, mine);
    EXPECT_FALSE(is_directory(killed));
    EXPECT_TRUE(is_directory(live));
    EXPECT_TRUE(is_directory(starting));
    close(held);
}

// A host may start its savers with a runtime directory it cannot write; playing must not
// depend on it.
TEST_F(WorkCopiesTest, AnUnusableRuntimeDirectoryFallsBack) {
    const std::string saved = std::getenv("XDG_RUNTIME_DIR");
    setenv("XDG_RUNTIME_DIR", "/proc/no-such-place", 1);
    const std::string place = work_directory();
    setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    ASSERT_FALSE(place.empty());
    EXPECT_TRUE(is_directory(place));
    EXPECT_EQ(place.rfind("/proc/", 0), std::string::npos);
}

} // namespace
