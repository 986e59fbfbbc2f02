// The editor on a shipped product tree that the user cannot write (a package's, owned by
// root): it plays, stores Views, saves modules, selects them and picks backdrops, and the
// tree stays as it was, byte for byte.
#include "platform/dialog.h"
#include "platform/headless.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/model/install_paths.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "saver/resources/control_ids.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/starfield_window.h"
#include "saver/shell/startup.h"
#include "saver/ui/ui_state.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dirent.h>
#include <map>
#include <string>
#include <sys/stat.h>

namespace {

// Every file and directory under `root`, with the bytes of each file.
void snapshot(const std::string& root, std::map<std::string, std::string>* files) {
    DIR* directory = opendir(root.c_str());
    if (!directory) return;
    while (dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        const std::string path = root + "/" + name;
        struct stat info {};
        lstat(path.c_str(), &info);
        if (S_ISDIR(info.st_mode)) {
            (*files)[path + "/"] = "";
            snapshot(path, files);
        } else {
            (*files)[path] = read_file(path);
        }
    }
    closedir(directory);
}

bool exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

class ReadOnlyTree : public ::testing::Test {
  protected:
    void SetUp() override {
        // Without `path` the install is the shipped tree; found nowhere beside the test
        // program, it is the one in the data directory.
        write_private_profile_string("data", "path", nullptr, SETTINGS_FILE);
        tree = program_files_dir() + "/Solvantrix Screen Saver";
        users = program_files_dir() + "/solvantrix";
        const std::string fixtures = std::string(SOLVANTRIX_SOURCE_DIR) + "/tests/fixtures";
        ASSERT_EQ(std::system(("rm -rf '" + tree + "' '" + users + "' && mkdir -p '" + tree +
                               "' && cp -r '" + fixtures + "/library' '" + fixtures + "/images' '" +
                               tree + "/' && chmod -R a-w '" + tree + "'")
                                  .c_str()),
                  0);
        ASSERT_TRUE(shipped_install());
        ASSERT_EQ(install_directory(), tree + "/");
        write_private_profile_string("data", "module", (tree + "/library/Hand-Made.sv").c_str(),
                                     SETTINGS_FILE);
        snapshot(tree, &before);

        headless_reset();
        control_window = save_dialog = backdrop_selector = nullptr;
        headless_set_screens({0, 0, 1600, 900}, {0, 0, 1600, 900});
        ASSERT_TRUE(register_class(WINDOW_CLASS, starfield_window_proc));
        ready = busy = in_frame = placed_once = full_screen = 0;
        exit_in_progress = escape_flag = mouse_move_counter = view_key_flag = 0;
        recording_state = RECORDING_IDLE;
        setup_mode = 0;
        load_module_from_settings = 1;
        run_mode = RUN_INTERACTIVE;
        ASSERT_TRUE(start_up(SW_SHOWNORMAL));
        pump();
        ASSERT_EQ(ready, 1);
        ASSERT_STREQ(module_name, "Hand-Made");
        frames(3);
    }
    void TearDown() override {
        std::map<std::string, std::string> after;
        snapshot(tree, &after);
        EXPECT_TRUE(after == before) << "the shipped tree changed";
        for (const auto& [path, bytes] : after)
            if (before.count(path) == 0) ADD_FAILURE() << "written into the tree: " << path;
        std::system(("chmod -R u+w '" + tree + "'").c_str());
    }
    void pump() {
        Msg msg{};
        while (peek_message(&msg)) dispatch_message(msg);
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            send_message(starfield_window, WM_PAINT, 0, 0);
            pump();
        }
    }
    void save_as(const char* name) {
        post_message(starfield_window, WM_COMMAND, CMD_SAVE_DIALOG, 0);
        pump();
        ASSERT_TRUE(save_dialog);
        headless_type(save_dialog, ID_SAVE_NAME, name);
        headless_click(save_dialog, ID_SAVE);
        pump();
    }
    std::vector<std::string> selector_names() {
        std::vector<std::string> names;
        for (int i = 0; i < list_count(control_window, ID_MODULE_SELECTOR); ++i)
            names.push_back(list_get_text(control_window, ID_MODULE_SELECTOR, i));
        return names;
    }
    std::string tree, users;
    std::map<std::string, std::string> before;
};

TEST_F(ReadOnlyTree, StoringRecordingSavingAndSelectingWriteOnlyTheUsersFiles) {
    fov = 123;
    setup_mode = 1;
    post_message(starfield_window, WM_COMMAND, CMD_VIEW2, 0);
    pump();
    EXPECT_EQ(get_private_profile_int("2001", "fov", -1, module_work_file), 123);

    // A flight recorded from the keyboard, then saved under a new name: into the user's library.
    send_message(starfield_window, WM_KEYDOWN, 'R', 0);
    frames(3);
    send_message(starfield_window, WM_KEYDOWN, 'E', 0);
    frames(1);
    ASSERT_GT(recorded_length, 0);
    const size_t recorded_bytes = (static_cast<size_t>(recorded_length) + 2) * 2;
    save_as("Mine");
    EXPECT_STREQ(module_name, "Mine");
    EXPECT_TRUE(exists(users + "/library/Mine.sv"));
    EXPECT_EQ(read_file(users + "/library/Mine/Mine.pr8").size(), recorded_bytes);
    // The name of a shipped module goes there too, beside the shipped one.
    save_as("Hand-Made");
    EXPECT_FALSE(save_dialog) << "a shipped module of the name is not replaced";
    ASSERT_TRUE(exists(users + "/library/Hand-Made.sv"));
    EXPECT_EQ(get_private_profile_int("2001", "fov", -1, (users + "/library/Hand-Made.sv").c_str()),
              123);
    // Both libraries are listed, the user's module of a shared name first and selected.
    EXPECT_EQ(selector_names(), (std::vector<std::string>{"Hand-Made", "Hand-Made", "Mine"}));
    EXPECT_EQ(module_is_users, (std::vector<char>{1, 0, 1}));
    EXPECT_EQ(list_get_cur_sel(control_window, ID_MODULE_SELECTOR), 0);

    // Selecting plays each from where it is: the user's from their library, the shipped one
    // from the tree.
    headless_select(control_window, ID_MODULE_SELECTOR, 2);
    pump();
    EXPECT_EQ(std::string(module_path), users + "/library/Mine.sv");
    headless_select(control_window, ID_MODULE_SELECTOR, 1);
    pump();
    char chosen[500];
    get_private_profile_string("data", "module", "", chosen, sizeof chosen, SETTINGS_FILE);
    EXPECT_EQ(std::string(chosen), tree + "/library/Hand-Made.sv");
    EXPECT_EQ(std::string(module_path), tree + "/library/Hand-Made.sv");
    frames(3);
    EXPECT_EQ(ready, 1);
    EXPECT_EQ(busy, 0);
}

TEST_F(ReadOnlyTree, TheBackdropChoiceOffersTheUsersImagesBesideTheShippedOnes) {
    ASSERT_TRUE(make_directories(users + "/images"));
    write_file(users + "/images/MINE.TGA", read_file(tree + "/images/NEBULA.TGA"));
    post_message(starfield_window, WM_COMMAND, CMD_BACKDROP_SELECTOR, 0);
    pump();
    ASSERT_TRUE(backdrop_selector);
    headless_queue_file_answer(nullptr);
    headless_click(backdrop_selector, ID_SOURCE_BROWSE);
    ASSERT_FALSE(headless_file_dialog_calls().empty());
    const std::string offered = headless_file_dialog_calls().back().initial_directory;
    EXPECT_TRUE(exists(offered + "/MINE.TGA"));
    EXPECT_TRUE(exists(offered + "/NEBULA.TGA"));

    // The user's image is picked there and loads.
    headless_queue_file_answer((offered + "/MINE.TGA").c_str());
    headless_click(backdrop_selector, ID_SOURCE_BROWSE);
    EXPECT_EQ(backdrop_image_loaded, 1);
    frames(2);
}

} // namespace
