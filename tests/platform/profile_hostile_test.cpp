// Damaged, foreign and oversized files: the store never crashes or hangs on them, and a
// write into one keeps every byte it does not change.
#include "platform/common/ini_text.h"
#include "platform/profile.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <sys/stat.h>

namespace {

class ProfileHostileTest : public ::testing::Test {
  protected:
    std::string dir = make_temp_dir("hostile");
    std::string file = dir + "/hostile.ini";

    std::string read_value(const char* section, const char* key) {
        char buffer[64];
        get_private_profile_string(section, key, "<none>", buffer, sizeof buffer, file.c_str());
        return buffer;
    }
};

std::string random_bytes(std::size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    // Weighted toward the bytes the parser cares about.
    const std::string special = std::string("[]=;\r\n \t\0", 9);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        const unsigned draw = generator();
        c = (draw & 3) == 0 ? special[(draw >> 8) % special.size()] : static_cast<char>(draw >> 16);
    }
    return bytes;
}

TEST_F(ProfileHostileTest, BinaryGarbageReadsAndKeepsItsBytesWhenWrittenInto) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::string garbage = random_bytes(20000, seed);
        write_file(file, garbage);
        std::vector<char> section(3000);
        get_private_profile_section("]", section.data(), 3000, file.c_str());
        get_private_profile_int("=", ";", 0, file.c_str());
        ASSERT_TRUE(write_private_profile_string("fresh section", "key", "value", file.c_str()));
        const std::string written = read_file(file);
        ASSERT_EQ(written.compare(0, garbage.size(), garbage), 0) << "seed " << seed;
        EXPECT_EQ(read_value("fresh section", "key"), "value") << "seed " << seed;
    }
}

TEST_F(ProfileHostileTest, NulBytesInsideLines) {
    write_file(file, std::string("[s]\nvalue=ab\0cd\n\0hidden=1\nkey\0x=2\nnext=3\n", 42));
    EXPECT_EQ(read_value("s", "value"), "ab");
    EXPECT_EQ(read_value("s", "next"), "3");
    char list[100];
    const unsigned length = get_private_profile_section("s", list, sizeof list, file.c_str());
    // The entry starting with NUL is dropped: an empty entry would end the list early.
    EXPECT_EQ(std::string(list, length), std::string("value=ab\0key\0next=3\0", 20));

    ASSERT_TRUE(write_private_profile_string("s", "next", "4", file.c_str()));
    EXPECT_EQ(read_file(file),
              std::string("[s]\nvalue=ab\0cd\n\0hidden=1\nkey\0x=2\nnext=4\n", 42));
}

TEST_F(ProfileHostileTest, MixedLineEndsAndNoFinalNewline) {
    write_file(file, "[a]\rone=1\r\ntwo=2\n\r[b]\nthree=3");
    EXPECT_EQ(read_value("a", "one"), "1");
    EXPECT_EQ(read_value("a", "two"), "2");
    EXPECT_EQ(read_value("b", "three"), "3");
    ASSERT_TRUE(write_private_profile_string("b", "four", "4", file.c_str()));
    ASSERT_TRUE(write_private_profile_string("a", "zero", "0", file.c_str()));
    // Lines it adds end in LF unless the file's first line end is CR LF; old ones keep theirs.
    EXPECT_EQ(read_file(file), "[a]\rone=1\r\ntwo=2\nzero=0\n\r[b]\nthree=3\nfour=4");
    ASSERT_TRUE(write_private_profile_string("c", "five", "5", file.c_str()));
    EXPECT_EQ(read_file(file),
              "[a]\rone=1\r\ntwo=2\nzero=0\n\r[b]\nthree=3\nfour=4\n\n[c]\nfive=5\n");
    EXPECT_EQ(read_value("b", "four"), "4");
    EXPECT_EQ(read_value("c", "five"), "5");
}

TEST_F(ProfileHostileTest, UnclosedHeadersAndBlankOnlyFiles) {
    write_file(file, "[\n[unclosed\n[x\n=\n]\n");
    EXPECT_EQ(read_value("unclosed", "x"), "<none>");
    ASSERT_TRUE(write_private_profile_string("unclosed", "k", "v", file.c_str()));
    EXPECT_EQ(read_file(file), "[\n[unclosed\n[x\n=\n]\n\n[unclosed]\nk=v\n");

    write_file(file, "\n\n  \n");
    ASSERT_TRUE(write_private_profile_string("s", "k", "v", file.c_str()));
    EXPECT_EQ(read_file(file), "\n\n  \n[s]\nk=v\n");
}

TEST_F(ProfileHostileTest, VeryManySectionsStayAddressable) {
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "[s" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    write_file(file, text);
    EXPECT_EQ(get_private_profile_int("S199999", "K", -1, file.c_str()), 199999);
    EXPECT_EQ(get_private_profile_int("s100000", "k", -1, file.c_str()), 100000);
    ASSERT_TRUE(write_private_profile_string("s5", "k", "five", file.c_str()));
    EXPECT_EQ(read_value("s5", "k"), "five");
    EXPECT_EQ(read_file(file).size(), text.size() + 3);
}

TEST_F(ProfileHostileTest, LongSingleLineBelowTheLimitIsKeptWhole) {
    const std::string line(10u << 20, 'q');
    const std::string original = "[s]\nlong=" + line + "\n[t]\nk=1";
    write_file(file, original);
    EXPECT_EQ(read_value("s", "long").size(), 63u);
    ASSERT_TRUE(write_private_profile_string("t", "k", "2", file.c_str()));
    EXPECT_EQ(read_file(file), "[s]\nlong=" + line + "\n[t]\nk=2");
}

TEST_F(ProfileHostileTest, FilesAboveTheLimitReadAsEmptyAndAreNeverRewritten) {
    std::string huge = "[s]\nk=1\n";
    huge += std::string(100u << 20, 'z');
    write_file(file, huge);
    EXPECT_EQ(get_private_profile_int("s", "k", -1, file.c_str()), -1);
    char list[16] = "untouched";
    EXPECT_EQ(get_private_profile_section("s", list, sizeof list, file.c_str()), 0u);
    EXPECT_EQ(list[0], '\0');
    EXPECT_FALSE(write_private_profile_string("s", "k", "2", file.c_str()));
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(static_cast<std::size_t>(info.st_size), huge.size());
}

TEST_F(ProfileHostileTest, WritesThatWouldPassTheLimitAreRefused) {
    const std::string original = "[s]\nk=" + std::string(INI_MAX_BYTES - 20, 'a') + "\n";
    write_file(file, original);
    const std::string value(100, 'b');
    EXPECT_FALSE(write_private_profile_string("s", "other", value.c_str(), file.c_str()));
    EXPECT_EQ(read_file(file).size(), original.size());
}

} // namespace
