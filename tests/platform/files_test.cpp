#include "platform/files.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

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

} // namespace
