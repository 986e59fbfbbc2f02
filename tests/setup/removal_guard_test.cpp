#include "setup/removal_guard.h"

#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string DIR = "/home/ann/.local/share/Solvantrix Screen Saver";
const std::string PROGRAM = "/home/ann/.local/bin/solvantrix";
const std::string SETTINGS = "/home/ann/.config/solvantrix/Solvantrix!.ini";

RecordKind kind(const std::string& path) {
    return classify_record(path, DIR, PROGRAM, SETTINGS).kind;
}

TEST(RemovalGuard, OnlyWhatAnInstallWritesMayGo) {
    for (const std::string& allowed :
         {DIR + "/library/readme.txt", DIR + "/images/MILK2.TGA", DIR + "/images/RUMBLE.WAV",
          DIR + "/library/Orb.sv", DIR + "/library/Orb/Orb.ini", DIR + "/library/Orb/Orb.pr1",
          DIR + "/library/Orb/Orb.pr8", DIR + "/library/Sub-Light-N/Sub-Light-N.pr6"})
        EXPECT_EQ(kind(allowed), RecordKind::in_tree) << allowed;
    EXPECT_EQ(kind(PROGRAM), RecordKind::installed_program);
    EXPECT_EQ(kind(SETTINGS), RecordKind::settings_file);

    for (const std::string& refused : {
             std::string("/home/ann/.bashrc"), std::string("/etc/passwd"), DIR, DIR + "/uninstall",
             DIR + "/library/My-Own.sv",         // a module the user made
             DIR + "/library/My-Own/My-Own.pr1", //
             DIR + "/library/Orb/Ascent.pr1",    // another module's name in Orb's directory
             DIR + "/library/Orb/Orb.pr7",       //
             DIR + "/library/Orb/Orb.ini/x",     //
             DIR + "/images/MILK2.WAV",          //
             DIR + "/images/photo.TGA",          //
             DIR + "/library/../../../.bashrc",  //
             DIR + "/library/Orb/../../x.sv",    //
             DIR + "/library//Orb.sv",           //
             DIR + "x/library/Orb.sv",           // a sibling directory sharing the prefix
             DIR + "/library/readme.txt/..",     //
             PROGRAM + ".bak",                   //
             std::string("library/Orb.sv"),      //
         })
        EXPECT_EQ(kind(refused), RecordKind::refused) << refused;

    EXPECT_EQ(classify_record(DIR + "/library/Orb.sv", DIR, PROGRAM, SETTINGS).module_file, "Orb");
    EXPECT_EQ(classify_record(DIR + "/library/Orb/Orb.pr1", DIR, PROGRAM, SETTINGS).module_file,
              "");
}

TEST(RemovalGuard, NoDeletionFollowsALinkOutOfTheTree) {
    const std::string install = make_temp_dir("guard-install");
    const std::string outside = make_temp_dir("guard-outside");
    write_file(outside + "/Orb.sv", "mine");
    mkdir((outside + "/Orb").c_str(), 0755);
    write_file(outside + "/Orb/Orb.pr1", "mine too");
    ASSERT_EQ(symlink(outside.c_str(), (install + "/library").c_str()), 0);

    EXPECT_FALSE(delete_in_tree(install, {"library", "Orb.sv"}));
    EXPECT_FALSE(delete_in_tree(install, {"library", "Orb", "Orb.pr1"}));
    EXPECT_FALSE(remove_directory_in_tree(install, {"library", "Orb"}));
    EXPECT_EQ(read_file(outside + "/Orb.sv"), "mine");
    EXPECT_EQ(read_file(outside + "/Orb/Orb.pr1"), "mine too");

    // A link standing where a file was is removed itself, not what it points at.
    unlink((install + "/library").c_str());
    mkdir((install + "/library").c_str(), 0755);
    ASSERT_EQ(symlink((outside + "/Orb.sv").c_str(), (install + "/library/Orb.sv").c_str()), 0);
    EXPECT_TRUE(delete_in_tree(install, {"library", "Orb.sv"}));
    EXPECT_EQ(read_file(outside + "/Orb.sv"), "mine");
    EXPECT_TRUE(remove_directory_in_tree(install, {"library"}));
}

} // namespace
