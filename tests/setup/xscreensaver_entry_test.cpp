#include "setup/xscreensaver_entry.h"

#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string PROGRAM = "/home/ann/.local/bin/solvantrix";

// The layout the host's settings program writes: tab-aligned lines, each list entry ending in
// "\n\" so that the value goes on, and a closing line.
const std::string SAMPLE = "# XScreenSaver Preferences File\n"
                           "mode:\t\tone\n"
                           "selected:\t2\n"
                           "\n"
                           "programs:\t\t\t\t\t\t\t\t      \\\n"
                           "\t\t\t\tmaze --root\t\t\t\t    \\n\\\n"
                           "  GL: \t\t\t\tsuperquadrics --root\t\t\t    \\n\\\n"
                           "-\t\t\t\tnoseguy --root\t\t\t\t    \\n\\\n"
                           "\t\t\t\t\t\t\t\t\t      \\n\n"
                           "\n"
                           "pointerHysteresis:\t10\n";

TEST(XScreenSaverEntry, AddedBeforeTheClosingLineAndTakenOutByteForByte) {
    std::string text = SAMPLE;
    ASSERT_TRUE(add_xscreensaver_entry(&text, PROGRAM));
    const std::string entry = xscreensaver_entry_line(PROGRAM);
    EXPECT_EQ(entry, "  GL: \t\t\t\t\"Solvantrix\" " + PROGRAM + " --root\t\t\t    \\n\\\n");
    const size_t closing = SAMPLE.find("\t\t\t\t\t\t\t\t\t      \\n\n");
    EXPECT_EQ(text, SAMPLE.substr(0, closing) + entry + SAMPLE.substr(closing));

    EXPECT_FALSE(add_xscreensaver_entry(&text, PROGRAM)) << "a second entry";
    EXPECT_FALSE(add_xscreensaver_entry(&text, "/elsewhere/solvantrix")) << "a second entry";
    ASSERT_TRUE(remove_xscreensaver_entry(&text, PROGRAM));
    EXPECT_EQ(text, SAMPLE);
    EXPECT_FALSE(remove_xscreensaver_entry(&text, PROGRAM));
}

TEST(XScreenSaverEntry, ListsOfOtherShapes) {
    // A list whose last entry closes it, and one that runs to the end of the file.
    const std::string last_entry_closes = "programs:\t\\\n\tmaze --root\t\\n\\\n\tqix --root\n";
    std::string text = last_entry_closes;
    ASSERT_TRUE(add_xscreensaver_entry(&text, PROGRAM));
    EXPECT_EQ(text, "programs:\t\\\n\tmaze --root\t\\n\\\n" + xscreensaver_entry_line(PROGRAM) +
                        "\tqix --root\n");
    ASSERT_TRUE(remove_xscreensaver_entry(&text, PROGRAM));
    EXPECT_EQ(text, last_entry_closes);

    const std::string runs_to_end = "programs:\t\\\n\tmaze --root\t\\n\\\n";
    text = runs_to_end;
    ASSERT_TRUE(add_xscreensaver_entry(&text, PROGRAM));
    EXPECT_EQ(text, runs_to_end + xscreensaver_entry_line(PROGRAM));

    for (const std::string& untouched :
         {std::string("mode: random\n"), std::string("programs: maze --root\n"),
          std::string("programs:\t\\\n\tmaze --root\t\\n\\")}) {
        text = untouched;
        EXPECT_FALSE(add_xscreensaver_entry(&text, PROGRAM)) << untouched;
        EXPECT_EQ(text, untouched);
    }
}

TEST(XScreenSaverEntry, ACommandWithBlanksIsQuotedForTheShell) {
    EXPECT_NE(xscreensaver_entry_line("/home/a b/it's").find("'/home/a b/it'\\''s' --root"),
              std::string::npos);
}

TEST(XScreenSaverEntry, TheUsersFileIsEditedInPlaceOnlyWhenItExists) {
    const std::string home = make_temp_dir("xs-home");
    const char* old_home = std::getenv("HOME");
    const std::string saved_home = old_home ? old_home : "";
    setenv("HOME", home.c_str(), 1);
    const std::string file = home + "/.xscreensaver";

    EXPECT_FALSE(register_with_xscreensaver(PROGRAM));
    EXPECT_NE(access(file.c_str(), F_OK), 0) << "no file may be created";

    // Kept in a dotfile directory behind a link: the link stays, the real file changes.
    const std::string dotfiles = make_temp_dir("dotfiles");
    write_file(dotfiles + "/xscreensaver", SAMPLE);
    chmod((dotfiles + "/xscreensaver").c_str(), 0600);
    ASSERT_EQ(symlink((dotfiles + "/xscreensaver").c_str(), file.c_str()), 0);
    ASSERT_TRUE(register_with_xscreensaver(PROGRAM));
    struct stat link_info {
    }, info{};
    ASSERT_EQ(lstat(file.c_str(), &link_info), 0);
    EXPECT_TRUE(S_ISLNK(link_info.st_mode));
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_NE(read_file(file).find(xscreensaver_entry_line(PROGRAM)), std::string::npos);
    EXPECT_FALSE(register_with_xscreensaver(PROGRAM));
    ASSERT_TRUE(unregister_from_xscreensaver(PROGRAM));
    EXPECT_EQ(read_file(file), SAMPLE);
    setenv("HOME", saved_home.c_str(), 1);
}

} // namespace
