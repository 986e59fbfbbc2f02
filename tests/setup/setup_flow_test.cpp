#include "tests/setup/setup_fixture.h"

#include "platform/common/control_model.h"
#include "platform/dialog.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "setup/install_places.h"
#include "setup/package_lists.h"
#include "setup/product_files.h"
#include "setup/remove_list.h"
#include "setup/resources/setup_ids.h"
#include "setup/uninstall_entry.h"
#include "setup/xscreensaver_entry.h"

#include <sys/stat.h>
#include <unistd.h>

std::string SetupProgram::text(int id) {
    return get_dlg_item_text(setup_dialog, id);
}

namespace {

bool exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

std::string settings_text() {
    return read_file(settings_file_path());
}

// Walks the dialog through an install into the given directory (the default when empty).
void install(const std::string& chosen = "") {
    ASSERT_TRUE(setup_start());
    ASSERT_EQ(setup_mode, MODE_INSTALL);
    ASSERT_TRUE(SetupProgram::click(ID_CONTINUE));
    if (!chosen.empty()) {
        headless_queue_file_answer(chosen.c_str());
        ASSERT_TRUE(SetupProgram::click(ID_BROWSE));
    }
    ASSERT_TRUE(SetupProgram::click(ID_CONTINUE)); // Finish
}

using SetupInstall = SetupProgram;

TEST_F(SetupInstall, InstallsEverythingAndASecondStartRemovesIt) {
    const std::string dir = data + "/Solvantrix Screen Saver";
    write_file(home + "/.xscreensaver", "programs:\t\\\n\tmaze --root\t\\n\\\n\t\\n\n");
    const std::string xscreensaver_before = read_file(home + "/.xscreensaver");
    install();
    EXPECT_FALSE(is_dlg_item_visible(setup_dialog, ID_CONTINUE)) << "busy while unpacking";
    EXPECT_FALSE(click(ID_CANCEL));
    EXPECT_EQ(progress_step, 303);
    ASSERT_TRUE(pump_until([] { return setup_step == STEP_DONE || ended(); }));
    ASSERT_EQ(setup_step, STEP_DONE) << text(ID_MESSAGE);
    EXPECT_EQ(text(ID_MESSAGE).substr(0, 60),
              "The Solvantrix Screen Saver has been installed successfully.");
    EXPECT_EQ(text(ID_CONTINUE), "OK");
    EXPECT_EQ(progress_position, 0);

    // Every file as the product tree has it.
    const std::string product = SOLVANTRIX_PRODUCT_DIR;
    EXPECT_EQ(read_file(installed_program_path()), read_file(SOLVANTRIX_PROGRAM));
    EXPECT_EQ(read_file(dir + "/" + REMOVER_NAME), read_file(SOLVANTRIX_REMOVER));
    EXPECT_EQ(access(installed_program_path().c_str(), X_OK), 0);
    EXPECT_EQ(read_file(dir + "/library/readme.txt"), read_file(product + "/library/readme.txt"));
    for (int i = 0; i < count_list(IMAGE_LIST); ++i) {
        const std::string name = std::string(IMAGE_LIST[i]) + image_extension(IMAGE_LIST[i]);
        EXPECT_EQ(read_file(dir + "/images/" + name), read_file(product + "/images/" + name))
            << name;
    }
    for (int i = 0; i < count_list(PACKAGE_LIST); ++i) {
        const std::string package = PACKAGE_LIST[i];
        const std::string module = package.substr(0, package.size() - 4);
        for (int part = 0; part < PACKAGE_PARTS; ++part) {
            const std::string below =
                (part ? module + "/" : "") + module + PACKAGE_PART_EXTENSIONS[part];
            const std::string installed = read_file(dir + "/library/" + below);
            EXPECT_FALSE(installed.empty()) << below;
            EXPECT_EQ(installed, read_file(product + "/library/" + below)) << below;
        }
    }

    // The remove list: program, manual, 16 images, 9 records per module, settings.
    const std::string list = read_file(dir + "/uninstal.txt");
    const RemoveListRead records =
        read_remove_list(reinterpret_cast<const unsigned char*>(list.data()), list.size());
    EXPECT_EQ(records.end, RemoveListEnd::closed);
    ASSERT_EQ(records.paths.size(), 469u);
    EXPECT_EQ(list.substr(list.size() - 2), std::string(2, '\0'));
    EXPECT_EQ(records.paths[0], installed_program_path());
    EXPECT_EQ(records.paths[1], dir + "/library/readme.txt");
    EXPECT_EQ(records.paths[2], dir + "/images/M.TGA");
    EXPECT_EQ(records.paths[17], dir + "/images/RUMBLE.WAV");
    EXPECT_EQ(records.paths[18], dir + "/library/Anti-Light-4.sv");
    EXPECT_EQ(records.paths[19], dir + "/library/Anti-Light-4/Anti-Light-4.ini");
    EXPECT_EQ(records.paths[20], dir + "/library/Anti-Light-4/Anti-Light-4.pr1");
    EXPECT_EQ(records.paths[26], dir + "/library/Anti-Light-4/Anti-Light-4.pr8");
    EXPECT_EQ(records.paths[27], dir + "/library/Ascent.sv");
    EXPECT_EQ(records.paths[468], settings_file_path());

    // The settings in their order; `path` with the final "/", `installpath` without.
    EXPECT_EQ(settings_text(), "[Items]\ninstallpath=" + dir + "\n\n[data]\nsound=" + dir +
                                   "/images/RUMBLE.WAV\nsoundenable=1\npath=" + dir +
                                   "/\nmodule=" + dir + "/library/Anti-Light-4.sv\nmodsel=0\n");

    std::string value;
    ASSERT_TRUE(reg_query_value(HKEY_LOCAL_MACHINE, UNINSTALL_KEY, "UninstallString", &value));
    EXPECT_EQ(value, dir + "/" + REMOVER_NAME);
    ASSERT_TRUE(reg_query_value(HKEY_LOCAL_MACHINE, UNINSTALL_KEY, "DisplayName", &value));
    EXPECT_EQ(value, "Solvantrix Screensaver  (Remove only)");

    const std::string launcher = data + "/applications/solvantrix.desktop";
    EXPECT_NE(read_file(launcher).find("\nExec=" + installed_program_path() + "\n"),
              std::string::npos);
    if (std::system("command -v desktop-file-validate >/dev/null") == 0) {
        EXPECT_EQ(std::system(("desktop-file-validate '" + launcher + "'").c_str()), 0);
    }
    EXPECT_TRUE(exists(dir + "/" + ICON_NAME));
    EXPECT_NE(
        read_file(home + "/.xscreensaver").find(xscreensaver_entry_lines(installed_program_path())),
        std::string::npos);

    ASSERT_TRUE(click(ID_CONTINUE)); // OK
    EXPECT_TRUE(ended());
    EXPECT_EQ(setup_run(), 0);

    // The user plays and saves a module of their own beside the factory ones.
    write_file(dir + "/library/Anti-Light-4/Anti-Light-4.ini", "[items]\n");
    write_file(dir + "/library/Mine.sv", "[items]\n");
    mkdir((dir + "/library/Mine").c_str(), 0755);
    write_file(dir + "/library/Mine/Mine.pr8", "x");

    // Second start: removal.
    headless_reset();
    ASSERT_TRUE(setup_start());
    EXPECT_EQ(setup_mode, MODE_REMOVE);
    EXPECT_EQ(text(ID_PROMPT), "To REMOVE this program, select Continue.");
    ASSERT_TRUE(click(ID_CONTINUE));
    EXPECT_EQ(text(ID_DIRECTORY), dir);
    EXPECT_FALSE(is_dlg_item_visible(setup_dialog, ID_BROWSE));
    ASSERT_TRUE(click(ID_CONTINUE));
    ASSERT_EQ(setup_step, STEP_DONE);
    EXPECT_EQ(text(ID_MESSAGE), "The Solvantrix Screen Saver has been successfully removed.");
    // Before anything here asks for a settings path, which makes the folder again.
    EXPECT_FALSE(exists(config + "/solvantrix")) << "an empty key store or its folder is left";

    EXPECT_FALSE(exists(installed_program_path()));
    EXPECT_FALSE(exists(settings_file_path()));
    EXPECT_FALSE(exists(launcher));
    EXPECT_FALSE(reg_key_exists(HKEY_LOCAL_MACHINE, UNINSTALL_KEY));
    EXPECT_EQ(read_file(home + "/.xscreensaver"), xscreensaver_before);
    EXPECT_FALSE(exists(dir + "/images"));
    EXPECT_FALSE(exists(dir + "/library/Anti-Light-4"));
    // What is left is what the user made, with the directories that hold it.
    std::string left;
    FILE* listing = popen(("cd '" + dir + "' && find . | sort").c_str(), "r");
    for (int c; (c = fgetc(listing)) != EOF;) left += static_cast<char>(c);
    pclose(listing);
    EXPECT_EQ(left, ".\n./library\n./library/Mine\n./library/Mine.sv\n./library/Mine/Mine.pr8\n");
    ASSERT_TRUE(click(ID_CONTINUE));
    EXPECT_EQ(setup_run(), 0);
}

TEST_F(SetupProgram, OpensWithTheTypeSizeOfTheScreen) {
    for (int dpi : {96, 107, 108, 144}) {
        headless_reset();
        headless_set_screen_dpi(dpi);
        ASSERT_TRUE(setup_start());
        EXPECT_EQ(dialog_model(setup_dialog)->source->name, std::string(dpi > 107 ? "104" : "103"));
        EXPECT_EQ(text(ID_TITLE), "Setup for Solvantrix Screen Saver 9.1");
        EXPECT_FALSE(is_dlg_item_visible(setup_dialog, ID_BROWSE));
        EXPECT_FALSE(is_dlg_item_visible(setup_dialog, ID_DIRECTORY));
        ASSERT_TRUE(click(ID_CANCEL));
        EXPECT_EQ(setup_run(), 0);
        EXPECT_FALSE(exists(data + "/Solvantrix Screen Saver")) << "made for nothing";
    }
}

TEST_F(SetupProgram, BrowseTakesTheChosenFolderUnchangedAndACancelKeepsTheLast) {
    const std::string chosen = make_temp_dir("chosen");
    ASSERT_TRUE(setup_start());
    EXPECT_FALSE(click(ID_BROWSE)) << "hidden before Continue";
    ASSERT_TRUE(click(ID_CONTINUE));
    headless_queue_file_answer(chosen.c_str());
    headless_queue_file_answer(nullptr);
    ASSERT_TRUE(click(ID_BROWSE));
    ASSERT_TRUE(click(ID_BROWSE));
    EXPECT_EQ(text(ID_DIRECTORY), chosen);
    EXPECT_EQ(install_dir, chosen);
    EXPECT_EQ(headless_file_dialog_calls().back().title_or_filter,
              "Select a location for the program.");
    EXPECT_EQ(headless_file_dialog_calls().back().initial_directory, chosen)
        << "starts in the directory shown";
    ASSERT_TRUE(click(ID_CANCEL));
    EXPECT_FALSE(exists(data + "/Solvantrix Screen Saver")) << "made for nothing";
}

TEST_F(SetupProgram, FailuresOfTheInstall) {
    // The default directory cannot be made: its parent is a file.
    write_file(home + "/blocker", "");
    setenv("XDG_DATA_HOME", (home + "/blocker").c_str(), 1);
    EXPECT_FALSE(setup_start());
    ASSERT_EQ(headless_message_boxes().size(), 1u);
    EXPECT_EQ(headless_message_boxes()[0].text,
              "The chosen directory does not exist and could not be created.");
    EXPECT_EQ(headless_message_boxes()[0].caption, "ERROR");
    EXPECT_EQ(setup_run(), 1);
    setenv("XDG_DATA_HOME", data.c_str(), 1);

    // `library` cannot be made where a file of that name stands.
    headless_reset();
    headless_clear_message_boxes();
    const std::string blocked = make_temp_dir("blocked");
    write_file(blocked + "/library", "");
    install(blocked);
    ASSERT_TRUE(ended());
    ASSERT_EQ(headless_message_boxes().size(), 1u);
    EXPECT_EQ(headless_message_boxes()[0].text,
              "Setup has FAILED ... A directory could not be created.");
    EXPECT_FALSE(exists(settings_file_path())) << "no settings after a failed install";
    EXPECT_EQ(setup_run(), 1);
    unlink(installed_program_path().c_str()); // written before the failure, and kept

    // A file of the product cannot be written where a directory of its name stands.
    headless_reset();
    const std::string taken = make_temp_dir("taken");
    mkdir((taken + "/uninstall").c_str(), 0755);
    install(taken);
    EXPECT_EQ(text(ID_MESSAGE), "Install has FAILED!");
    EXPECT_EQ(text(ID_PROMPT), "Try again...");
    EXPECT_TRUE(pump_until(ended));
    EXPECT_FALSE(exists(settings_file_path()));
    EXPECT_EQ(setup_run(), 1);

    // No free space can be found on a folder that has gone since it was chosen.
    headless_reset();
    const std::string gone = make_temp_dir("gone");
    rmdir(gone.c_str());
    install(gone);
    EXPECT_EQ(text(ID_MESSAGE).substr(0, 28), "Not enough free disk space. ");
    EXPECT_NE(text(ID_MESSAGE).find(" Megabytes are required."), std::string::npos);
    EXPECT_FALSE(ended());
    EXPECT_TRUE(pump_until(ended)) << "ends after the message was shown";
    EXPECT_FALSE(exists(gone));
    EXPECT_FALSE(exists(installed_program_path()));
    EXPECT_EQ(setup_run(), 1);
}

// A remove mode made by hand: the settings name the install directory.
std::string fake_install(const std::string& data) {
    const std::string dir = data + "/Solvantrix Screen Saver";
    make_directories(dir + "/library/Orb");
    write_file(dir + "/library/Orb.sv", "x");
    write_file(dir + "/library/Orb/Orb.pr1", "x");
    write_private_profile_string("Items", "installpath", dir.c_str(), SETTINGS_FILE);
    write_private_profile_string(nullptr, nullptr, nullptr, SETTINGS_FILE);
    return dir;
}

TEST_F(SetupProgram, AMissingRemoveListFailsTheRemovalAndForgetsTheInstall) {
    const std::string dir = fake_install(data);
    ASSERT_TRUE(setup_start());
    ASSERT_TRUE(click(ID_CONTINUE));
    ASSERT_TRUE(click(ID_CONTINUE));
    EXPECT_EQ(text(ID_MESSAGE), "Remove has FAILED!");
    EXPECT_FALSE(exists(settings_file_path()));
    EXPECT_TRUE(exists(dir + "/library/Orb.sv"));
    EXPECT_TRUE(pump_until(ended));
    EXPECT_EQ(setup_run(), 1);
}

TEST_F(SetupProgram, AHostileRemoveListDeletesNothingOutsideWhatAnInstallWrites) {
    const std::string dir = fake_install(data);
    const std::string victims = make_temp_dir("victims");
    write_file(victims + "/Orb.sv", "keep");
    write_file(home + "/.bashrc", "keep");
    write_file(dir + "/library/Mine.sv", "keep");
    make_directories(dir + "/images");
    ASSERT_EQ(symlink(victims.c_str(), (dir + "/images/RUMBLE.WAV").c_str()), 0);
    mkdir((dir + "/library/Ascent").c_str(), 0755);
    ASSERT_EQ(symlink(victims.c_str(), (dir + "/library/Ascent/Ascent.pr1").c_str()), 0);
    std::string list;
    for (const std::string& path :
         {victims + "/Orb.sv", home + "/.bashrc", dir + "/library/../../../.bashrc",
          dir + "/library/Mine.sv", dir + "/images/RUMBLE.WAV/Orb.sv", dir + "/library/Orb.sv",
          dir + "/library/Orb/Orb.pr1"})
        append_remove_record(&list, path);
    list += std::string("\xff", 1) + victims + "/Orb.sv"; // cut short, no closing zeros
    write_file(dir + "/uninstal.txt", list);

    ASSERT_TRUE(setup_start());
    ASSERT_TRUE(click(ID_CONTINUE));
    ASSERT_TRUE(click(ID_CONTINUE));
    EXPECT_EQ(text(ID_MESSAGE), "The Solvantrix Screen Saver has been successfully removed.");
    EXPECT_EQ(read_file(victims + "/Orb.sv"), "keep");
    EXPECT_EQ(read_file(home + "/.bashrc"), "keep");
    EXPECT_EQ(read_file(dir + "/library/Mine.sv"), "keep");
    EXPECT_FALSE(exists(dir + "/library/Orb.sv"));
    EXPECT_FALSE(exists(dir + "/library/Orb")) << "emptied module directory";
    EXPECT_FALSE(exists(dir + "/uninstal.txt"));
    EXPECT_TRUE(exists(dir + "/library")) << "holds the user's module";
}

} // namespace
