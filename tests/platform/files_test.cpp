#include "platform/files.h"
#include "platform/profile.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(FindPathAnyCase, MissingPartsAreTakenFromTheDirectoryRegardlessOfCase) {
    const std::string root = make_temp_dir("case");
    mkdir((root + "/images").c_str(), 0755);
    mkdir((root + "/Library").c_str(), 0755);
    mkdir((root + "/Library/M42").c_str(), 0755);
    write_file(root + "/images/M42.TGA", "x");
    write_file(root + "/images/RUMBLE.WAV", "x");
    write_file(root + "/Library/M42/M42.pr1", "x");
    write_file(root + "/images/twin.tga", "x");
    write_file(root + "/images/Twin.TGA", "x");
    struct Case {
        const char *asked, *found;
    } cases[] = {
        {"/images/M42.TGA", "/images/M42.TGA"},
        {"/images/m42.tga", "/images/M42.TGA"},
        {"/IMAGES/rumble.wav", "/images/RUMBLE.WAV"},
        {"/library/m42/M42.PR1", "/Library/M42/M42.pr1"},
        // Several names match: the first in name order, the same every time.
        {"/images/TWIN.tga", "/images/Twin.TGA"},
        // Nothing matches: the path stays as written from the missing part on.
        {"/images/nebula.tga", "/images/nebula.tga"},
        {"/LIBRARY/gone/m42.pr1", "/Library/gone/m42.pr1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(find_path_any_case(root + c.asked), root + c.found) << c.asked;
    EXPECT_EQ(find_path_any_case(""), "");
}

TEST(KeepFileMode, AReplacementTakesTheOldFilesPermissions) {
    const std::string root = make_temp_dir("mode");
    write_file(root + "/old", "a");
    write_file(root + "/new", "b");
    chmod((root + "/old").c_str(), 0600);
    chmod((root + "/new").c_str(), 0644);
    EXPECT_TRUE(keep_file_mode(root + "/old", root + "/new"));
    struct stat info {};
    ASSERT_EQ(stat((root + "/new").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_TRUE(keep_file_mode(root + "/absent", root + "/new"));
}

pid_t ended_process() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

bool exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

// A write killed half-way leaves its temporary beside the file; the next write of that file
// clears what dead writers left, and nothing a live writer may still be using.
TEST(TemporariesBeside, TheNextWriteRemovesWhatDeadWritersLeftAndNothingElse) {
    const std::function<bool(const std::string&)> writers[] = {
        [](const std::string& path) {
            // A value that is already stored is not written again.
            static int timer = 0;
            return write_private_profile_string("data", "timer", std::to_string(++timer).c_str(),
                                                path.c_str());
        },
        [](const std::string& path) { return write_file_atomically(path, "[data]\n"); },
    };
    for (const auto& write : writers) {
        const std::string root = make_temp_dir("temporaries");
        const std::string path = root + "/Solvantrix!.ini";
        const std::string dead = std::to_string(ended_process());
        const std::string self = std::to_string(getpid());
        write_file(root + "/outside", "kept");
        // Open by this process right now, as a staged module file is until its save commits.
        std::string open_now;
        const int fd = create_temporary_beside(path, 0600, &open_now);
        ASSERT_GE(fd, 0);
        struct Leftover {
            std::string name;
            bool removed;
        } leftovers[] = {
            {".Solvantrix!.ini.tmp-" + dead + "-0", true},
            {".Solvantrix!.ini.tmp-" + self + "-9999", true}, // an earlier process with our id
            {".Solvantrix!.ini.tmp-1-0", false},              // a live writer
            {".Solvantrix!.ini.tmp-" + dead + "-x", false},
            {".Solvantrix!.ini.tmp--0", false},
            {".Solvantrix!.ini.tmp-99999999999999999999-0", false},
            {".other.ini.tmp-" + dead + "-0", false}, // another file's write
            {"Solvantrix!.ini.tmp-" + dead + "-0", false},
        };
        for (const Leftover& leftover : leftovers) write_file(root + "/" + leftover.name, "half");
        const std::string link = ".Solvantrix!.ini.tmp-" + dead + "-1";
        ASSERT_EQ(symlink((root + "/outside").c_str(), (root + "/" + link).c_str()), 0);

        ASSERT_TRUE(write(path));
        for (const Leftover& leftover : leftovers)
            EXPECT_EQ(exists(root + "/" + leftover.name), !leftover.removed) << leftover.name;
        EXPECT_TRUE(exists(root + "/" + link));
        EXPECT_EQ(read_file(root + "/outside"), "kept");
        EXPECT_TRUE(exists(open_now));
        close(fd);
        release_temporary(open_now);
        ASSERT_TRUE(write(path));
        EXPECT_FALSE(exists(open_now)) << "a released temporary of ours is a leftover";
    }
}

} // namespace
