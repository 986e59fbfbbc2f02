#include "platform/dialog.h"
#include "platform/headless.h"
#include "platform/profile.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "saver/resources/control_ids.h"
#include "saver/shell/placement.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/starfield_window.h"
#include "saver/shell/startup.h"
#include "saver/ui/ui_state.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

namespace {

class StarfieldWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        headless_reset();
        control_window = save_dialog = nullptr;
        headless_set_screens({0, 0, 1600, 900}, {0, 0, 1600, 900});
        ASSERT_TRUE(register_class(WINDOW_CLASS, starfield_window_proc));
        ready = busy = in_frame = placed_once = full_screen = 0;
        exit_in_progress = escape_flag = mouse_move_counter = view_key_flag = 0;
        recording_state = RECORDING_IDLE;
        setup_mode = 0;
        load_module_from_settings = 1;
        install = install_fixture_library();
        write_private_profile_string("Items", "appx", "20", SETTINGS_FILE);
        write_private_profile_string("Items", "appy", "30", SETTINGS_FILE);
        write_private_profile_string("Items", "appx1", "640", SETTINGS_FILE);
        write_private_profile_string("Items", "appy1", "400", SETTINGS_FILE);
        run_mode = RUN_INTERACTIVE;
        ASSERT_TRUE(start_up(SW_SHOWNORMAL));
        pump();
        ASSERT_EQ(ready, 1);
        frames(2);
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
    void key(unsigned vk) {
        send_message(starfield_window, WM_KEYDOWN, vk, 0);
        pump();
    }
    std::string install;
};

TEST_F(StarfieldWindow, FirstLoadPlaysTheModuleFromTheSettings) {
    EXPECT_STREQ(module_name, "Hand-Made");
    EXPECT_EQ(get_window_text(starfield_window), "Hand-Made");
    const Rect r = get_window_rect(starfield_window);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(rect_width(r), 640);
    // View 8 of the module is live after the recording's first sample.
    EXPECT_FLOAT_EQ(track10, 12000.0f);
    EXPECT_EQ(xcolormode, 4);
    EXPECT_TRUE(control_window);
    EXPECT_EQ(get_window_text(control_window), "Module: Hand-Made");
}

TEST_F(StarfieldWindow, DigitAndArrowKeysSetTheThrustTarget) {
    key('7');
    EXPECT_FLOAT_EQ(thrust_target, 80.0f);
    key(VK_UP);
    EXPECT_FLOAT_EQ(thrust_target, 81.0f);
    key('0');
    key(VK_DOWN);
    EXPECT_FLOAT_EQ(thrust_target, -1.0f);
}

TEST_F(StarfieldWindow, FunctionKeysSelectViewsAndStopPlaybackButNotRecording) {
    key('P');
    ASSERT_EQ(recording_state, RECORDING_PLAYBACK);
    key(VK_F1);
    EXPECT_EQ(recording_state, RECORDING_IDLE);
    frames(1);
    EXPECT_EQ(xcolormode, 3); // View 1 of the module
    EXPECT_EQ(flat, 1);
    EXPECT_STREQ(status_text, "VIEW 1");
    EXPECT_EQ(get_dlg_item_text(control_window, ID_STATUS_TEXT), "VIEW 1");

    key('R');
    ASSERT_EQ(recording_state, RECORDING_ACTIVE);
    key(VK_F1 + 2);
    EXPECT_EQ(recording_state, RECORDING_ACTIVE);
    EXPECT_STREQ(selected_section, "2002");
}

TEST_F(StarfieldWindow, RecordingKeysEndTheRecordingWithAFlag) {
    key('R');
    frames(3);
    key('E');
    frames(1);
    EXPECT_EQ(recording_state, RECORDING_IDLE);
    EXPECT_EQ(recorded_length, 10); // four samples, then two words more
}

TEST_F(StarfieldWindow, MouseSteersFromTheWindowCentre) {
    // A loaded View turns mouse control off; the right button turns it back on.
    EXPECT_EQ(mouse_control_off, 1);
    const float played = fsxx;
    send_message(starfield_window, WM_MOUSEMOVE, 0, make_lparam(100, 100));
    EXPECT_FLOAT_EQ(fsxx, played);
    send_message(starfield_window, WM_RBUTTONDOWN, 0, make_lparam(100, 100));
    EXPECT_EQ(mouse_control_off, 0);
    EXPECT_EQ(recording_state, RECORDING_IDLE);
    send_message(starfield_window, WM_MOUSEMOVE, 0, make_lparam(100, 101));
    EXPECT_FLOAT_EQ(fsxx, 100.0f - 320.0f);
    EXPECT_FLOAT_EQ(fsyy, static_cast<float>((101 - 200) / 2));
    send_message(starfield_window, WM_LBUTTONDOWN, 0, make_lparam(330, 200));
    EXPECT_FLOAT_EQ(fsxx, 30.0f);
    EXPECT_EQ(follow_direction, 1);
    send_message(starfield_window, WM_LBUTTONUP, 0, make_lparam(330, 200));
    EXPECT_EQ(follow_direction, 0);
}

TEST_F(StarfieldWindow, FullScreenAndEscapeRestoreTheExactRectangle) {
    const Rect framed = get_window_rect(starfield_window);
    post_message(starfield_window, WM_COMMAND, CMD_TOGGLE_FULLSCREEN, 0);
    pump();
    EXPECT_EQ(full_screen, 1);
    EXPECT_FALSE(get_window_style(starfield_window) & WS_CAPTION);
    EXPECT_EQ(rect_width(get_window_rect(starfield_window)), 1600);
    EXPECT_FALSE(is_window_visible(control_window));
    key(VK_ESCAPE);
    EXPECT_EQ(full_screen, 0);
    const Rect back = get_window_rect(starfield_window);
    EXPECT_EQ(back.left, framed.left);
    EXPECT_EQ(back.top, framed.top);
    EXPECT_EQ(back.right, framed.right);
    EXPECT_EQ(back.bottom, framed.bottom);
    EXPECT_TRUE(is_window_visible(control_window));
}

TEST_F(StarfieldWindow, SetupModeStoresTheLiveViewIntoTheChosenView) {
    fov = 123;
    setup_mode = 1;
    check_dlg_button(control_window, ID_SETUP, 1);
    post_message(starfield_window, WM_COMMAND, CMD_VIEW2, 0);
    pump();
    EXPECT_EQ(setup_mode, 0);
    EXPECT_EQ(is_dlg_button_checked(control_window, ID_SETUP), 0);
    EXPECT_EQ(get_private_profile_int("2001", "fov", -1, module_work_file), 123);
}

TEST_F(StarfieldWindow, SavingUnderANewNameWritesAndReloadsIt) {
    post_message(starfield_window, WM_COMMAND, CMD_SAVE_DIALOG, 0);
    pump();
    ASSERT_TRUE(save_dialog);
    // An existing name asks first.
    headless_type(save_dialog, ID_SAVE_NAME, "Hand-Made");
    headless_click(save_dialog, ID_SAVE);
    pump();
    EXPECT_EQ(get_dlg_item_text(save_dialog, ID_SAVE_STATUS), ">>> FILE ALREADY EXISTS <<<");
    EXPECT_EQ(get_dlg_item_text(save_dialog, ID_SAVE), "REPLACE");
    // A new name saves at once.
    headless_type(save_dialog, ID_SAVE_NAME, "Copy");
    headless_click(save_dialog, ID_SAVE);
    pump();
    EXPECT_FALSE(save_dialog);
    struct stat info {};
    EXPECT_EQ(stat((install + "/library/Copy.sv").c_str(), &info), 0);
    EXPECT_EQ(stat((install + "/library/Copy/Copy.pr8").c_str(), &info), 0);
    EXPECT_STREQ(module_name, "Copy");
    EXPECT_EQ(get_window_text(starfield_window), "Copy");
    EXPECT_EQ(list_get_text(control_window, ID_MODULE_SELECTOR,
                            list_get_cur_sel(control_window, ID_MODULE_SELECTOR)),
              "Copy");
}

TEST_F(StarfieldWindow, CloseWritesTheControlWindowCorner) {
    set_window_pos(control_window, HWND_TOP, 77, 88, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    post_message(starfield_window, WM_CLOSE, 0, 0);
    EXPECT_EQ(message_loop(), 0);
    EXPECT_EQ(get_private_profile_int("Items", "xmainx", -1, SETTINGS_FILE), 77);
    EXPECT_EQ(get_private_profile_int("Items", "xmainy", -1, SETTINGS_FILE), 88);
}

TEST_F(StarfieldWindow, ASaveWhoseModuleFileCannotBeMadeKeepsTheTitle) {
    post_message(starfield_window, WM_COMMAND, CMD_SAVE_DIALOG, 0);
    pump();
    ASSERT_TRUE(save_dialog);
    headless_clear_message_boxes();
    headless_type(save_dialog, ID_SAVE_NAME, "no-such-folder/Copy");
    headless_click(save_dialog, ID_SAVE);
    pump();
    EXPECT_EQ(get_window_text(starfield_window), "Hand-Made");
    EXPECT_TRUE(headless_message_boxes().empty());
    EXPECT_EQ(busy, 0);
}

TEST_F(StarfieldWindow, ImportPutsTheStarsWhereTheModelsPointsAre) {
    const std::string model = make_temp_dir("model") + "/one.DXF";
    write_file(model, "0\nPOINT\n10\n1.5\n20\n-2\n30\n0.25\n0\nEOF\n");
    track20e = 0;
    headless_queue_file_answer(model.c_str());
    post_message(starfield_window, WM_COMMAND, CMD_IMPORT_MODEL, 0);
    pump();
    const FileDialogCall& call = headless_file_dialog_calls().back();
    EXPECT_EQ(call.title_or_filter, "Solvantrix {planmXX.dem} or DXF");
    EXPECT_EQ(call.pattern, "*.*");
    EXPECT_EQ(std::string(module_path), model);
    EXPECT_EQ(display_stars[PLANE_XH][0] << 8 | display_stars[PLANE_XL][0], 32768);
    EXPECT_EQ(display_stars[PLANE_ZH][0] << 8 | display_stars[PLANE_ZL][0], 32765);
    EXPECT_EQ(display_stars[PLANE_YH][0] << 8 | display_stars[PLANE_YL][0], 32767);
    // Cancelled: only the path is gone.
    const uint8_t before = display_stars[PLANE_XL][1];
    post_message(starfield_window, WM_COMMAND, CMD_IMPORT_MODEL, 0);
    pump();
    EXPECT_STREQ(module_path, "");
    EXPECT_EQ(display_stars[PLANE_XL][1], before);
}

TEST_F(StarfieldWindow, AControlWindowCornerAtTheIntegerLimitsLandsAtTheOrigin) {
    const char* cases[][2] = {{"-2147483648", "5"}, {"5", "-2147483648"}, {"2147483647", "0"}};
    for (const auto& c : cases) {
        write_private_profile_string("Items", "xmainx", c[0], SETTINGS_FILE);
        write_private_profile_string("Items", "xmainy", c[1], SETTINGS_FILE);
        set_window_pos(control_window, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        place_control_window();
        const Rect r = get_window_rect(control_window);
        EXPECT_EQ(r.left, 0) << c[0] << ", " << c[1];
        EXPECT_EQ(r.top, 0) << c[0] << ", " << c[1];
    }
}

} // namespace
