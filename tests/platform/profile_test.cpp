// The profile store as callers use it: settings and module work files read and written by
// section and key.
#include "platform/paths.h"
#include "platform/profile.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string read_string(const char* section, const char* key, const std::string& file,
                        unsigned size = 500, const char* fallback = "<none>") {
    std::vector<char> buffer(size, 'X');
    const unsigned length =
        get_private_profile_string(section, key, fallback, buffer.data(), size, file.c_str());
    EXPECT_EQ(length, std::string(buffer.data()).size());
    return buffer.data();
}

// The section as the list of its entries, checking the list's termination on the way.
std::vector<std::string> read_section(const char* section, const std::string& file,
                                      unsigned size = 4000) {
    std::vector<char> buffer(size + 8, 'X');
    const unsigned length = get_private_profile_section(section, buffer.data(), size, file.c_str());
    EXPECT_LT(length, size);
    EXPECT_EQ(buffer[length], '\0');
    EXPECT_EQ(buffer[size], 'X') << "wrote past the buffer";
    std::vector<std::string> entries;
    unsigned at = 0;
    while (at < length) {
        entries.emplace_back(buffer.data() + at);
        at += static_cast<unsigned>(entries.back().size()) + 1;
    }
    EXPECT_EQ(at, length);
    return entries;
}

class ProfileTest : public ::testing::Test {
  protected:
    std::string dir = make_temp_dir("profile");
    std::string file = dir + "/module.ini";
};

TEST_F(ProfileTest, SectionsAndKeysMatchWithoutCaseAndHeadersMayCarryTrailingBlanks) {
    write_file(file, "[items]  \r\nShell0=sky.tga\r\n\r\n[2000]\t \r\ntrack10=577\r\n");
    EXPECT_EQ(read_string("Items", "shell0", file), "sky.tga");
    EXPECT_EQ(read_string("ITEMS", "SHELL0", file), "sky.tga");
    EXPECT_EQ(get_private_profile_int("2000", "Track10", 0, file.c_str()), 577);

    ASSERT_TRUE(write_private_profile_string("Items", "SHELL0", "moon.tga", file.c_str()));
    ASSERT_TRUE(write_private_profile_string("iTeMs", "balls1", "2", file.c_str()));
    EXPECT_EQ(read_file(file),
              "[items]  \r\nShell0=moon.tga\r\nballs1=2\r\n\r\n[2000]\t \r\ntrack10=577\r\n");
}

TEST_F(ProfileTest, DefaultsWhenFileSectionOrKeyIsAbsent) {
    write_file(file, "[data]\nglobaldelay=70\nempty=\n");
    const std::string missing = dir + "/missing.ini";
    EXPECT_EQ(get_private_profile_int("data", "globaldelay", 60, missing.c_str()), 60);
    EXPECT_EQ(get_private_profile_int("nosection", "globaldelay", 60, file.c_str()), 60);
    EXPECT_EQ(get_private_profile_int("data", "nokey", -3, file.c_str()), -3);
    EXPECT_EQ(get_private_profile_int("data", "empty", 9, file.c_str()), 9);
    EXPECT_EQ(read_string("data", "nokey", file, 500, "C:\\demo.sv"), "C:\\demo.sv");
    EXPECT_EQ(read_string("data", "empty", file), "");
    EXPECT_EQ(read_string("data", "nokey", file, 500, nullptr), "");
    EXPECT_EQ(read_string("data", "globaldelay", missing), "<none>");
}

TEST_F(ProfileTest, IntegersAreTheLeadingDigitsWithOptionalSign) {
    write_file(file, "[2000]\nreal=64.000000\nneg=-5\nword=abc\npadded=  12  \n"
                     "huge=99999999999999\nhugeneg=-99999999999999\nplus=+7\nmixed=12ab\n");
    const char* f = file.c_str();
    EXPECT_EQ(get_private_profile_int("2000", "real", 1, f), 64);
    EXPECT_EQ(get_private_profile_int("2000", "neg", 1, f), -5);
    EXPECT_EQ(get_private_profile_int("2000", "word", 1, f), 0);
    EXPECT_EQ(get_private_profile_int("2000", "padded", 1, f), 12);
    EXPECT_EQ(get_private_profile_int("2000", "huge", 1, f), 2147483647);
    EXPECT_EQ(get_private_profile_int("2000", "hugeneg", 1, f), -2147483647 - 1);
    EXPECT_EQ(get_private_profile_int("2000", "plus", 1, f), 7);
    EXPECT_EQ(get_private_profile_int("2000", "mixed", 1, f), 12);
}

TEST_F(ProfileTest, StringsAreCutToTheBufferAndTerminated) {
    write_file(file, "[Items]\nsword=secretpassword123\nflag=off\n");
    EXPECT_EQ(read_string("Items", "flag", file, 4), "off");
    EXPECT_EQ(read_string("Items", "sword", file, 15), "secretpassword");
    EXPECT_EQ(read_string("Items", "sword", file, 1), "");
    EXPECT_EQ(read_string("Items", "missing", file, 4, "default"), "def");

    char untouched[2] = {'Q', 'Q'};
    EXPECT_EQ(get_private_profile_string("Items", "flag", "", untouched, 0, file.c_str()), 0u);
    EXPECT_EQ(untouched[0], 'Q');
}

TEST_F(ProfileTest, FirstWriteCreatesFileAndSectionsAppendAtTheEnd) {
    ASSERT_TRUE(write_private_profile_string("data", "globaldelay", "60", file.c_str()));
    ASSERT_TRUE(write_private_profile_string("Items", "sword", "", file.c_str()));
    ASSERT_TRUE(write_private_profile_string("data", "module", "/lib/demo.sv", file.c_str()));
    EXPECT_EQ(read_file(file), "[data]\nglobaldelay=60\nmodule=/lib/demo.sv\n\n[Items]\nsword=\n");
    EXPECT_EQ(read_string("data", "module", file), "/lib/demo.sv");
}

TEST_F(ProfileTest, ReplacingKeepsOrderAndNewKeysGoAfterTheSectionsLastKey) {
    const std::string original = "; generated\n[2000]\na=1\n; note\nb = 2\nstray text\n\n\n"
                                 "[2001]\na=9\n";
    write_file(file, original);
    ASSERT_TRUE(write_private_profile_string("2000", "b", "22", file.c_str()));
    ASSERT_TRUE(write_private_profile_string("2000", "a", "11", file.c_str()));
    ASSERT_TRUE(write_private_profile_string("2000", "c", "3", file.c_str()));
    EXPECT_EQ(read_file(file), "; generated\n[2000]\na=11\n; note\nb = 22\nc=3\nstray text\n\n\n"
                               "[2001]\na=9\n");
    EXPECT_EQ(get_private_profile_int("2001", "a", 0, file.c_str()), 9);

    // A section without keys takes its first key right after the header.
    write_file(file, "[empty]\n\n[next]\nx=1\n");
    ASSERT_TRUE(write_private_profile_string("empty", "k", "v", file.c_str()));
    EXPECT_EQ(read_file(file), "[empty]\nk=v\n\n[next]\nx=1\n");
}

TEST_F(ProfileTest, NullValueDeletesKeyAndNullKeyDeletesSection) {
    write_file(file, "[cycle]\nA=1\nb=0\na=7\n\n[data]\nmodsel=3\n\n[Cycle]\nz=1\n");
    ASSERT_TRUE(write_private_profile_string("CYCLE", "a", nullptr, file.c_str()));
    EXPECT_EQ(read_file(file), "[cycle]\nb=0\n\n[data]\nmodsel=3\n\n[Cycle]\nz=1\n");
    EXPECT_EQ(get_private_profile_int("cycle", "a", -1, file.c_str()), -1)
        << "duplicate reappeared";

    ASSERT_TRUE(write_private_profile_string("cycle", nullptr, nullptr, file.c_str()));
    EXPECT_EQ(read_file(file), "[data]\nmodsel=3\n\n");
    EXPECT_EQ(get_private_profile_int("cycle", "z", -1, file.c_str()), -1);

    // Deleting what is not there succeeds without creating anything.
    const std::string missing = dir + "/missing.ini";
    EXPECT_TRUE(write_private_profile_string("data", "x", nullptr, missing.c_str()));
    EXPECT_TRUE(write_private_profile_string("data", nullptr, nullptr, missing.c_str()));
    EXPECT_EQ(read_file(missing), "");
    EXPECT_EQ(access(missing.c_str(), F_OK), -1);
}

TEST_F(ProfileTest, ReadAfterWriteAndFlush) {
    for (int view = 0; view < 100; ++view) {
        const std::string key = "track" + std::to_string(view);
        ASSERT_TRUE(write_private_profile_string("2003", key.c_str(),
                                                 std::to_string(view * 3).c_str(), file.c_str()));
        ASSERT_EQ(get_private_profile_int("2003", key.c_str(), -1, file.c_str()), view * 3);
    }
    EXPECT_TRUE(write_private_profile_string(nullptr, nullptr, nullptr, file.c_str()));
    const std::string text = read_file(file);
    EXPECT_NE(text.find("track0=0\ntrack1=3\n"), std::string::npos);
    EXPECT_NE(text.find("track99=297\n"), std::string::npos);
}

TEST_F(ProfileTest, SectionListsKeyLinesDoubleTerminated) {
    write_file(file, "[items]  \r\n  shell0 = sky.tga  \r\n; comment\r\nno equals here\r\n"
                     "balls1=2\r\n=orphan\r\n\r\n[2000]  \r\ntrack3=1\r\n");
    EXPECT_EQ(read_section("items", file),
              (std::vector<std::string>{"shell0=sky.tga", "balls1=2"}));
    EXPECT_TRUE(read_section("absent", file).empty());

    // Cut to whole entries: "shell0=sky.tga\0" is 15 bytes, the list's end one more.
    EXPECT_EQ(read_section("items", file, 24), (std::vector<std::string>{"shell0=sky.tga"}));
    EXPECT_EQ(read_section("items", file, 16), (std::vector<std::string>{"shell0=sky.tga"}));
    EXPECT_TRUE(read_section("items", file, 15).empty());
    EXPECT_TRUE(read_section("items", file, 2).empty());

    char one = 'X';
    EXPECT_EQ(get_private_profile_section("items", &one, 1, file.c_str()), 0u);
    EXPECT_EQ(one, '\0');
}

TEST_F(ProfileTest, CommentsStrayLinesAndDuplicatesAreKeptButNotKeys) {
    write_file(file, "[s]\n;a=1\nplain\na=first\na=second\n[bad\nb=2\n");
    EXPECT_EQ(read_string("s", "a", file), "first");
    EXPECT_EQ(read_string("s", ";a", file), "<none>");
    EXPECT_EQ(read_string("s", "b", file), "2") << "a \"[\" without \"]\" is no header";
    ASSERT_TRUE(write_private_profile_string("s", "a", "new", file.c_str()));
    EXPECT_EQ(read_file(file), "[s]\n;a=1\nplain\na=new\na=second\n[bad\nb=2\n");
}

TEST_F(ProfileTest, EachFileKeepsItsLineEndStyle) {
    write_file(file, "[items]  \r\na=1\r\n\r\n[2000]  \r\nb=2\r\n");
    ASSERT_TRUE(write_private_profile_string("items", "c", "3", file.c_str()));
    ASSERT_TRUE(write_private_profile_string("2007", "d", "4", file.c_str()));
    EXPECT_EQ(read_file(file),
              "[items]  \r\na=1\r\nc=3\r\n\r\n[2000]  \r\nb=2\r\n\r\n[2007]\r\nd=4\r\n");

    const std::string unix_file = dir + "/unix.ini";
    write_file(unix_file, "[data]\na=1\n");
    ASSERT_TRUE(write_private_profile_string("data", "b", "2", unix_file.c_str()));
    EXPECT_EQ(read_file(unix_file), "[data]\na=1\nb=2\n");
}

TEST_F(ProfileTest, WritesThatWouldReadBackDifferentlyAreRefused) {
    const std::string original = "[data]\na=1\n";
    write_file(file, original);
    const char* f = file.c_str();
    EXPECT_FALSE(write_private_profile_string("data", "a", "1\n[evil]\nx=1", f));
    EXPECT_FALSE(write_private_profile_string("data", "k=v", "1", f));
    EXPECT_FALSE(write_private_profile_string("data", ";k", "1", f));
    EXPECT_FALSE(write_private_profile_string("data", "", "1", f));
    EXPECT_FALSE(write_private_profile_string("da]ta", "k", "1", f));
    EXPECT_FALSE(write_private_profile_string(nullptr, "k", "1", f));
    EXPECT_FALSE(write_private_profile_string("data", "k", "1", nullptr));
    EXPECT_EQ(read_file(file), original);
}

TEST_F(ProfileTest, BareNamesAreSettingsFilesInTheWindowsDirectory) {
    const char* name = "ProfileTestSettings.ini";
    ASSERT_TRUE(write_private_profile_string("Items", "timer", "5", name));
    EXPECT_EQ(read_file(windows_directory() + "/" + name), "[Items]\ntimer=5\n");
    EXPECT_EQ(get_private_profile_int("items", "TIMER", 0, name), 5);
    EXPECT_EQ(
        get_private_profile_int("items", "timer", 0, (windows_directory() + "/" + name).c_str()),
        5);
}

} // namespace

namespace {

std::vector<std::string> directory_entries(const std::string& dir) {
    std::vector<std::string> names;
    if (DIR* listing = opendir(dir.c_str())) {
        while (const dirent* entry = readdir(listing)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        closedir(listing);
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(ProfileTest, WritesLeaveNoTemporaryFileAndKeepPermissions) {
    write_file(file, "[data]\na=1\n");
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(
            write_private_profile_string("data", "a", std::to_string(i).c_str(), file.c_str()));
    }
    EXPECT_EQ(directory_entries(dir), std::vector<std::string>{"module.ini"});
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(ProfileTest, FailedReplacementLeavesEverythingAsItWas) {
    // A directory in the file's place makes the final rename fail after the data was written.
    const std::string blocked = dir + "/blocked.ini";
    ASSERT_EQ(mkdir(blocked.c_str(), 0755), 0);
    write_file(blocked + "/inside", "keep");
    EXPECT_FALSE(write_private_profile_string("data", "a", "1", blocked.c_str()));
    EXPECT_EQ(directory_entries(dir), std::vector<std::string>{"blocked.ini"});
    EXPECT_EQ(read_file(blocked + "/inside"), "keep");
    EXPECT_EQ(get_private_profile_int("data", "a", -1, blocked.c_str()), -1);

    const std::string no_directory = dir + "/missing/settings.ini";
    EXPECT_FALSE(write_private_profile_string("data", "a", "1", no_directory.c_str()));
}

TEST_F(ProfileTest, WriteFailingMidwayLeavesTheOriginalIntact) {
    const std::string original = "[data]\nkeep=" + std::string(3000, 'k') + "\n";
    write_file(file, original);
    ASSERT_EQ(get_private_profile_int("data", "a", -1, file.c_str()), -1);
    // A file size limit makes the temporary file's write fail part way, like a full disk.
    const bool written = with_file_size_limit(
        1024, [&] { return write_private_profile_string("data", "a", "1", file.c_str()); });

    EXPECT_FALSE(written);
    EXPECT_EQ(read_file(file), original);
    EXPECT_EQ(directory_entries(dir), std::vector<std::string>{"module.ini"});
    EXPECT_EQ(get_private_profile_int("data", "a", -1, file.c_str()), -1);
}

TEST_F(ProfileTest, LinkedSettingsFileStaysALink) {
    const std::string target = dir + "/real.ini";
    const std::string link = dir + "/link.ini";
    write_file(target, "[data]\na=1\n");
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    ASSERT_TRUE(write_private_profile_string("data", "a", "2", link.c_str()));
    struct stat info {};
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(read_file(target), "[data]\na=2\n");
}

TEST_F(ProfileTest, ChangesMadeBehindTheStoreAreSeen) {
    write_file(file, "[data]\na=1\n");
    ASSERT_EQ(get_private_profile_int("data", "a", -1, file.c_str()), 1);

    // Another size.
    write_file(file, "[data]\na=22\n");
    EXPECT_EQ(get_private_profile_int("data", "a", -1, file.c_str()), 22);

    // Same size, rewritten in place with another modification time.
    write_file(file, "[data]\na=33\n");
    const timespec times[2] = {{0, UTIME_OMIT}, {1000000, 123456789}};
    ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    EXPECT_EQ(get_private_profile_int("data", "a", -1, file.c_str()), 33);

    // Same size and time, but a new file renamed into place.
    const std::string other = dir + "/other.ini";
    write_file(other, "[data]\na=44\n");
    ASSERT_EQ(utimensat(AT_FDCWD, other.c_str(), times, 0), 0);
    ASSERT_EQ(rename(other.c_str(), file.c_str()), 0);
    EXPECT_EQ(get_private_profile_int("data", "a", -1, file.c_str()), 44);

    // A module load replaces the work file wholesale; the next write builds on the new text.
    write_file(file, "[items]  \r\nshell0=x\r\n");
    ASSERT_TRUE(write_private_profile_string("items", "balls1", "1", file.c_str()));
    EXPECT_EQ(read_file(file), "[items]  \r\nshell0=x\r\nballs1=1\r\n");

    ASSERT_EQ(unlink(file.c_str()), 0);
    EXPECT_EQ(get_private_profile_int("items", "balls1", -1, file.c_str()), -1);
}

TEST_F(ProfileTest, ManyFilesInTurnEachReadTheirOwnContent) {
    // More files than the store keeps parsed at once.
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 20; ++i) {
            const std::string path = dir + "/f" + std::to_string(i) + ".ini";
            if (round == 0) {
                ASSERT_TRUE(write_private_profile_string("s", "n", std::to_string(i).c_str(),
                                                         path.c_str()));
            }
            ASSERT_EQ(get_private_profile_int("s", "n", -1, path.c_str()), i);
        }
    }
}

} // namespace
