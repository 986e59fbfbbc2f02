#include "setup/xscreensaver_entry.h"

#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Files as XScreenSaver 6's settings program writes them (driver/prefs.c): tab-aligned
// entries from column 32, each ending in " \n\" at column 75, lines longer than that wrapped
// at blanks with "   \" and an indent to column 34, an empty line closing the list, and no
// name for an entry whose name is the one the host derives from its command.
const std::string LIST_HEAD = "programs:\t\t\t\t\t\t\t\t      \\\n";
const std::string MAZE = "\t\t\t\tmaze --root\t\t\t\t    \\n\\\n";
const std::string SUPERQUADRICS = "  GL: \t\t\t\tsuperquadrics --root\t\t\t    \\n\\\n";
const std::string NOSEGUY = "-\t\t\t\tnoseguy --root\t\t\t\t    \\n\\\n";

std::string preferences(int selected, const std::vector<std::string>& entries) {
    std::string text = "# XScreenSaver Preferences File\n"
                       "# Written by xscreensaver-settings 6.06 for ann on Mon Dec  7 2026.\n"
                       "# https://www.jwz.org/xscreensaver/\n\n"
                       "timeout:\t0:10:00\nlock:\t\tFalse\nmode:\t\tone\nselected:\t" +
                       std::to_string(selected) + "\n\n" + LIST_HEAD;
    for (const std::string& entry : entries) text += entry;
    return text + "\n\npointerHysteresis:\t10\n";
}

struct Form {
    const char* what;
    std::string home, program;
    std::string written; // the entry as the host's settings program leaves it
};

// Our entry in every form the host's writer leaves it in. The last is what an earlier
// install wrote for a home with a blank: quoted, and wrapped inside the quotes.
const std::vector<Form> FORMS = {
    {"short home", "/home/ann", "/home/ann/.local/bin/solvantrix",
     "  GL: \t\t\t\t/home/ann/.local/bin/solvantrix --root\t    \\n\\\n"},
    {"long home", "/home/annabelle-longname", "/home/annabelle-longname/.local/bin/solvantrix",
     "  GL:\t\t\t\t\t\t\t\t\t      \\\n"
     "\t\t\t\t  /home/annabelle-longname/.local/bin/solvantrix   \\\n"
     "\t\t\t\t  --root\t\t\t\t    \\n\\\n"},
    {"home with a blank", "/home/a b", "/home/a b/.local/bin/solvantrix",
     "  GL: \t\t\t\t~/.local/bin/solvantrix \"--root\"\t    \\n\\\n"},
    {"program outside home with a blank", "/home/ann", "/opt/my saver/solvantrix",
     "  GL: \t\t  \"Solvantrix\" \t'/opt/my saver/solvantrix' --root\t    \\n\\\n"},
};
const Form EARLIER_BLANK_HOME = {"earlier entry for a home with a blank",
                                 "/home/anna maria-longname",
                                 "/home/anna maria-longname/.local/bin/solvantrix",
                                 "  GL: \t\t  \"Solvantrix\" \t'/home/anna\t\t\t\t      \\\n"
                                 "\t\t\t\t  maria-longname/.local/bin/solvantrix'\t      \\\n"
                                 "\t\t\t\t  --root\t\t\t\t    \\n\\\n"};

class XScreenSaverEntry : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* home = std::getenv("HOME");
        saved_home = home ? home : "";
    }
    void TearDown() override { setenv("HOME", saved_home.c_str(), 1); }
    std::string saved_home;
};

// Laid out as the host writes it, an entry survives the host's settings program unchanged.
TEST_F(XScreenSaverEntry, LaidOutAsTheHostsWriterLaysItOut) {
    for (const Form& form : FORMS) {
        setenv("HOME", form.home.c_str(), 1);
        EXPECT_EQ(xscreensaver_entry_lines(form.program), form.written) << form.what;
    }
}

TEST_F(XScreenSaverEntry, AddedLastKeepingTheSelectedSaver) {
    for (const Form& form : FORMS) {
        setenv("HOME", form.home.c_str(), 1);
        std::string text = preferences(1, {MAZE, SUPERQUADRICS, NOSEGUY});
        ASSERT_TRUE(add_xscreensaver_entry(&text, form.program)) << form.what;
        EXPECT_EQ(text, preferences(1, {MAZE, SUPERQUADRICS, NOSEGUY, form.written})) << form.what;
        EXPECT_FALSE(add_xscreensaver_entry(&text, form.program)) << "a second entry";
    }
    // The entry that closes the list goes down one place when ours goes before it; a number
    // past the list named no entry and stays as it is.
    setenv("HOME", "/home/ann", 1);
    const std::string closing = "\tphosphor --root\n";
    std::string text = "selected: 2\nprograms:\t\\\n" + MAZE + NOSEGUY + closing;
    ASSERT_TRUE(add_xscreensaver_entry(&text, FORMS[0].program));
    EXPECT_EQ(text, "selected: 3\nprograms:\t\\\n" + MAZE + NOSEGUY + FORMS[0].written + closing);
    text = "selected: 0\nprograms:\t\\\n\n";
    ASSERT_TRUE(add_xscreensaver_entry(&text, FORMS[0].program));
    EXPECT_EQ(text, "selected: 0\nprograms:\t\\\n" + FORMS[0].written + "\n");
}

// Whole entries go, in whatever form the host left them, and `selected:` names the same
// saver afterwards (none when it named ours).
TEST_F(XScreenSaverEntry, RemovedWholeInEveryFormTheHostLeavesIt) {
    std::vector<Form> forms = FORMS;
    forms.push_back(EARLIER_BLANK_HOME);
    for (const Form& form : forms) {
        setenv("HOME", form.home.c_str(), 1);
        struct {
            int before, after;
        } const selections[] = {{3, 2}, {2, -1}, {1, 1}};
        for (const auto& selected : selections) {
            std::string text =
                preferences(selected.before, {MAZE, SUPERQUADRICS, form.written, NOSEGUY});
            ASSERT_TRUE(remove_xscreensaver_entry(&text, form.program)) << form.what;
            EXPECT_EQ(text, preferences(selected.after, {MAZE, SUPERQUADRICS, NOSEGUY}))
                << form.what;
            EXPECT_FALSE(remove_xscreensaver_entry(&text, form.program));
        }
    }
}

TEST_F(XScreenSaverEntry, DuplicatesAndOldSpellingsGoToo) {
    setenv("HOME", "/home/ann", 1);
    const std::string program = "/home/ann/.local/bin/solvantrix";
    const std::string named_old_root =
        "  GL: \t\t  \"Solvantrix\" \t" + program + " -root\t\\n\\\n";
    std::string text =
        preferences(4, {MAZE, FORMS[0].written, SUPERQUADRICS, named_old_root, NOSEGUY});
    ASSERT_TRUE(remove_xscreensaver_entry(&text, program));
    EXPECT_EQ(text, preferences(2, {MAZE, SUPERQUADRICS, NOSEGUY}));
    // Another program's entry of the same name is not ours.
    text = preferences(0, {MAZE, "  GL: \t\t\t\t/usr/bin/solvantrix --root\t\t    \\n\\\n"});
    EXPECT_FALSE(remove_xscreensaver_entry(&text, program));
}

// Hand-written lists: an entry that closes the list, and a last entry over two lines.
TEST_F(XScreenSaverEntry, ListsOfOtherShapes) {
    setenv("HOME", "/home/ann", 1);
    const std::string program = "/home/ann/.local/bin/solvantrix";
    const std::string ours = xscreensaver_entry_lines(program);

    const std::string closing_over_two_lines =
        "programs:\t\\\n\tmaze --root\t\\n\\\n\tphosphor -scale 2\t\\\n\t\t--root\nlock: False\n";
    std::string text = closing_over_two_lines;
    ASSERT_TRUE(add_xscreensaver_entry(&text, program));
    EXPECT_EQ(text, "programs:\t\\\n\tmaze --root\t\\n\\\n" + ours +
                        "\tphosphor -scale 2\t\\\n\t\t--root\nlock: False\n");
    ASSERT_TRUE(remove_xscreensaver_entry(&text, program));
    EXPECT_EQ(text, closing_over_two_lines);

    text = "programs:\t\\\n\tmaze --root\t\\n\\\n\t" + program + " --root\nlock: False\n";
    ASSERT_TRUE(remove_xscreensaver_entry(&text, program));
    EXPECT_EQ(text, "programs:\t\\\n\tmaze --root\t\nlock: False\n");

    const std::string runs_to_end = "programs:\t\\\n\tmaze --root\t\\n\\\n";
    text = runs_to_end;
    ASSERT_TRUE(add_xscreensaver_entry(&text, program));
    EXPECT_EQ(text, runs_to_end + ours);

    for (const std::string& untouched :
         {std::string("mode: random\n"), std::string("programs: maze --root\n"),
          std::string("programs:\t\\\n\tmaze --root\t\\n\\")}) {
        text = untouched;
        EXPECT_FALSE(add_xscreensaver_entry(&text, program)) << untouched;
        EXPECT_EQ(text, untouched);
    }
}

TEST_F(XScreenSaverEntry, TheUsersFileIsEditedInPlaceOnlyWhenItExists) {
    const std::string home = make_temp_dir("xs-home");
    setenv("HOME", home.c_str(), 1);
    const std::string program = home + "/.local/bin/solvantrix";
    const std::string file = home + "/.xscreensaver";
    const std::string sample = preferences(0, {MAZE, SUPERQUADRICS, NOSEGUY});

    EXPECT_FALSE(register_with_xscreensaver(program));
    EXPECT_NE(access(file.c_str(), F_OK), 0) << "no file may be created";

    // Kept in a dotfile directory behind a link: the link stays, the real file changes.
    const std::string dotfiles = make_temp_dir("dotfiles");
    write_file(dotfiles + "/xscreensaver", sample);
    chmod((dotfiles + "/xscreensaver").c_str(), 0600);
    ASSERT_EQ(symlink((dotfiles + "/xscreensaver").c_str(), file.c_str()), 0);
    ASSERT_TRUE(register_with_xscreensaver(program));
    struct stat link_info {
    }, info{};
    ASSERT_EQ(lstat(file.c_str(), &link_info), 0);
    EXPECT_TRUE(S_ISLNK(link_info.st_mode));
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_NE(read_file(file).find(xscreensaver_entry_lines(program)), std::string::npos);
    EXPECT_FALSE(register_with_xscreensaver(program));
    ASSERT_TRUE(unregister_from_xscreensaver(program));
    EXPECT_EQ(read_file(file), sample);
}

} // namespace
