#include "platform/paths.h"
#include "platform/profile.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr const char* SHARED = "Shared!.ini";
constexpr int KEYS_EACH = 150;

void write_keys(const char* who) {
    for (int i = 0; i < KEYS_EACH; ++i)
        write_private_profile_string("data", (std::string(who) + std::to_string(i)).c_str(), "1",
                                     SHARED);
}

// Copies on several monitors write the one settings file at the same moments; each write
// reads the file, changes a key and replaces the file, so without one lock across processes
// a write made in between is lost.
TEST(SettingsLock, WritesOfSeveralCopiesAreNeverLost) {
    std::remove(resolve_profile_path(SHARED).c_str());
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        write_keys("other");
        _exit(0);
    }
    write_keys("this");
    int status = 0;
    ASSERT_EQ(waitpid(other, &status, 0), other);
    int missing = 0;
    for (const char* who : {"this", "other"})
        for (int i = 0; i < KEYS_EACH; ++i)
            missing += get_private_profile_int(
                           "data", (std::string(who) + std::to_string(i)).c_str(), 0, SHARED) != 1;
    EXPECT_EQ(missing, 0);
}

} // namespace
