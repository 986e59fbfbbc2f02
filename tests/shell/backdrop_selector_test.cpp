#include "tests/shell/control_window_fixture.h"

#include "platform/message_box.h"
#include "platform/profile.h"
#include "saver/engine/engine_state.h"
#include "saver/resources/control_ids.h"
#include "saver/ui/backdrop_selector.h"
#include "tests/support/gl_window.h"

namespace {

class BackdropSelector : public ControlWindowTest {
  protected:
    void SetUp() override {
        ControlWindowTest::SetUp();
        install = install_fixture_library();
        ASSERT_NE(create_gl_test_window(32, 32), nullptr);
        open();
        item("shell0", (install + "/images/NEBULA.TGA").c_str());
        item("reshape", "60");
        item("balls1", "0");
        balls1 = 0;
        backdrop_resolution = 60;
        backdrop_image_loaded = 0;
        backdrop_hold = 1;
        backdrop_selector = nullptr;
        browsing = 0;
    }

    void item(const char* key, const char* value) {
        write_private_profile_string("Items", key, value, module_work_file);
    }
    std::string stored(const char* key) {
        char value[600];
        get_private_profile_string("Items", key, "absent", value, sizeof value, module_work_file);
        return value;
    }
    Hwnd open_selector() {
        open_backdrop_selector(owner);
        return backdrop_selector;
    }

    std::string install;
};

TEST_F(BackdropSelector, OkKeepsTheImageStoresModeAndResolutionAndLoadsIt) {
    headless_set_cursor_pos(600, 400);
    Hwnd selector = open_selector();
    ASSERT_NE(selector, nullptr);
    const Rect r = get_window_rect(selector);
    EXPECT_EQ((r.left + r.right) / 2, 600) << "centred on the mouse";
    EXPECT_EQ(get_dlg_item_text(selector, ID_SOURCE_FILE_NAME), "NEBULA.TGA");
    EXPECT_EQ(is_dlg_button_checked(selector, SOURCE_MODE_BUTTONS[0].id), 1);
    EXPECT_EQ(updown_get_pos(selector, ID_SOURCE_RESHAPE), 60);

    headless_click(selector, SOURCE_MODE_BUTTONS[3].id);
    EXPECT_EQ(balls1, 0) << "a mode button alone changes nothing yet";
    headless_spin(selector, ID_SOURCE_RESHAPE, 30);
    headless_click(selector, IDOK);

    EXPECT_EQ(backdrop_selector, nullptr);
    EXPECT_FALSE(is_window(selector));
    EXPECT_EQ(stored("reshape"), "30");
    EXPECT_EQ(stored("balls1"), "3");
    EXPECT_EQ(stored("shell0"), install + "/images/NEBULA.TGA");
    EXPECT_EQ(balls1, 3);
    EXPECT_EQ(backdrop_resolution, 30);
    EXPECT_EQ(backdrop_image_loaded, 1);
    EXPECT_EQ(backdrop_hold, 0);
    EXPECT_FALSE(headless_wait_cursor_shown());
    for (int i = 0; i < BALLS1_GROUP.count; ++i)
        EXPECT_EQ(is_dlg_button_checked(dialog, BALLS1_GROUP.buttons[i].id), i == 3 ? 1 : 0);
}

TEST_F(BackdropSelector, ABrowsedImageIsStoredWithItsPathButLoadedFromTheInstall) {
    Hwnd selector = open_selector();
    const std::string elsewhere = make_temp_dir("elsewhere") + "/NEBULA.TGA";
    headless_queue_file_answer(elsewhere.c_str());
    headless_click(selector, ID_SOURCE_BROWSE);

    ASSERT_EQ(headless_file_dialog_calls().size(), 1u);
    const FileDialogCall& call = headless_file_dialog_calls()[0];
    EXPECT_EQ(call.owner, owner);
    EXPECT_EQ(call.pattern, "*.tga");
    EXPECT_EQ(call.initial_directory, install + "/images");
    EXPECT_EQ(stored("shell0"), elsewhere);
    EXPECT_EQ(backdrop_image_loaded, 1) << "the install's copy of the same name";
    EXPECT_EQ(backdrop_selector, nullptr);
}

// File names on this system differ by case, so the chosen name is kept as it is.
TEST_F(BackdropSelector, ALowerCaseImageNameKeepsItsCaseSoItStillLoads) {
    const std::string lower = install + "/images/nebula-copy.tga";
    write_file(lower, read_file(install + "/images/NEBULA.TGA"));
    Hwnd selector = open_selector();
    headless_queue_file_answer(lower.c_str());
    headless_click(selector, ID_SOURCE_BROWSE);
    EXPECT_EQ(stored("shell0"), lower);
    EXPECT_EQ(backdrop_image_loaded, 1);
}

TEST_F(BackdropSelector, ACancelledOrNonTargaBrowseStoresNothingAndStaysOpen) {
    Hwnd selector = open_selector();
    headless_queue_file_answer(nullptr);
    headless_click(selector, ID_SOURCE_BROWSE);
    headless_queue_file_answer((install + "/library/Hand-Made.sv").c_str());
    headless_click(selector, ID_SOURCE_BROWSE);
    EXPECT_EQ(backdrop_selector, selector);
    EXPECT_EQ(browsing, 0);
    EXPECT_EQ(stored("shell0"), install + "/images/NEBULA.TGA");
    EXPECT_EQ(backdrop_image_loaded, 0);
}

TEST_F(BackdropSelector, WithoutAnImageOkStoresModeAndResolutionAndLoadsNothing) {
    item("shell0", "");
    Hwnd selector = open_selector();
    EXPECT_EQ(get_dlg_item_text(selector, ID_SOURCE_FILE_NAME), "");
    headless_click(selector, SOURCE_MODE_BUTTONS[1].id);
    headless_click(selector, IDOK);
    EXPECT_EQ(stored("balls1"), "1");
    EXPECT_EQ(stored("reshape"), "60");
    EXPECT_EQ(backdrop_image_loaded, 0);
    EXPECT_EQ(backdrop_hold, 1);
}

TEST_F(BackdropSelector, OpensOnceAndCancelClosesUnlessTheFileDialogRuns) {
    Hwnd selector = open_selector();
    const size_t windows = headless_windows().size();
    EXPECT_EQ(open_selector(), selector);
    EXPECT_EQ(headless_windows().size(), windows);

    browsing = 1;
    headless_click(selector, IDCANCEL);
    EXPECT_TRUE(is_window(selector));
    browsing = 0;
    headless_press_escape(selector);
    EXPECT_FALSE(is_window(selector));
    EXPECT_EQ(stored("balls1"), "0");
    EXPECT_EQ(backdrop_selector, nullptr);
}

} // namespace
