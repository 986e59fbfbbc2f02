#include "platform/headless.h"
#include "platform/profile.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_pacing.h"
#include "saver/engine/random.h"
#include "saver/engine/tables.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/shell/command_line.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/starfield_window.h"
#include "saver/shell/startup.h"
#include "saver/ui/ui_state.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(CommandLine, SecondCharacterSelectsTheRunMode) {
    struct Case {
        const char* line;
        int mode;
    } cases[] = {
        {"", RUN_INTERACTIVE},    {"/s", RUN_SCREEN_SAVER}, {"-s", RUN_SCREEN_SAVER},
        {"xS", RUN_SCREEN_SAVER}, {"/S", RUN_SCREEN_SAVER}, {"/c:1234", RUN_INTERACTIVE},
        {"/C", RUN_INTERACTIVE},  {"/a", RUN_PASSWORD},     {"-A 77", RUN_PASSWORD},
        {"/p 1234", RUN_REFUSED}, {"/x", RUN_REFUSED},      {"/", RUN_REFUSED},
        {"s", RUN_REFUSED},       {"//s", RUN_REFUSED},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run_mode_from_command_line(c.line), c.mode) << '"' << c.line << '"';
}

TEST(CommandLine, RefusedSwitchesEndAtOnceWithoutAWindow) {
    headless_reset();
    for (const char* line : {"/p 1234", "/x", "/"}) {
        EXPECT_EQ(run_program(line, SW_SHOWNORMAL), 0) << line;
        EXPECT_TRUE(headless_windows().empty()) << line;
    }
}

TEST(FramePeriod, DividesTheCounterFrequencyByTheFrameRate) {
    EXPECT_EQ(frame_period_for(3579545, 60), 59659u);
    EXPECT_EQ(frame_period_for(3579545, 0), 0u);
    EXPECT_EQ(frame_period_for(1000000000, 60), 16666666u);
    EXPECT_EQ(frame_period_for(NO_COUNTER_FREQUENCY, 1), NO_COUNTER_FREQUENCY);
}

TEST(StartupTables, SineTableIsTruncatedAndNeverReachesAThousand) {
    build_sine_table();
    EXPECT_EQ(sine_table[0], 0);
    EXPECT_EQ(sine_table[1], 0);
    EXPECT_EQ(sine_table[4096], 0);
    EXPECT_EQ(sine_table[2048], 999);
    EXPECT_EQ(sine_table[6144], -999);
    EXPECT_EQ(sine_table[1024], 707);
    EXPECT_EQ(sine_table[5120], -707);
    const auto [lo, hi] = std::minmax_element(sine_table, sine_table + SINE_TABLE_SIZE);
    EXPECT_EQ(*lo, -999);
    EXPECT_EQ(*hi, 999);
}

TEST(StartupTables, OffsetTablesHaveMagnitude256To511AndDrawValueThenSign) {
    seed_random(12345);
    build_offset_tables();
    bool negative = false, positive = false;
    for (const int16_t* table : {meteor_offset_z, meteor_offset_y, meteor_offset_x})
        for (int i = 0; i < STAR_COUNT; ++i) {
            const int magnitude = table[i] < 0 ? -table[i] : table[i];
            ASSERT_GE(magnitude, 256);
            ASSERT_LE(magnitude, 511);
            (table[i] < 0 ? negative : positive) = true;
        }
    EXPECT_TRUE(negative && positive);

    // Star 0 takes draws 1-2 for Z, 3-4 for Y, 5-6 for X.
    seed_random(12345);
    int draws[6];
    for (int& d : draws) d = next_random();
    auto expected = [](int value, int sign) {
        const int r = (value & 255) + 256;
        return (sign & 16) ? -r : r;
    };
    EXPECT_EQ(meteor_offset_z[0], expected(draws[0], draws[1]));
    EXPECT_EQ(meteor_offset_y[0], expected(draws[2], draws[3]));
    EXPECT_EQ(meteor_offset_x[0], expected(draws[4], draws[5]));
}

TEST(StartupSettings, BrightnessFactorAndDefaults) {
    write_private_profile_string("data", "backresolution2", "50", SETTINGS_FILE);
    write_private_profile_string("data", "globaldelay", nullptr, SETTINGS_FILE);
    read_global_settings();
    EXPECT_FLOAT_EQ(backdrop_brightness, 0.5f);
    EXPECT_EQ(globaldelay, 60);
    EXPECT_EQ(auxresolution, 120);
    EXPECT_EQ(multienable, 0);
    write_private_profile_string("data", "backresolution2", nullptr, SETTINGS_FILE);
}

class RunModes : public ::testing::Test {
  protected:
    void SetUp() override {
        headless_reset();
        control_window = save_dialog = nullptr;
        headless_set_screens({0, 0, 1600, 900}, {-1920, -200, 1600, 900});
        ASSERT_TRUE(register_class(WINDOW_CLASS, starfield_window_proc));
        ready = busy = in_frame = placed_once = full_screen = 0;
        exit_in_progress = escape_flag = mouse_move_counter = 0;
    }
    static bool has_posted_command(int id) {
        for (const Msg& m : headless_posted_messages())
            if (m.message == WM_COMMAND && loword(m.wparam) == static_cast<unsigned>(id))
                return true;
        return false;
    }
};

TEST_F(RunModes, InteractiveWindowIsFramedTitledAndSmallUntilTheFirstLoad) {
    run_mode = RUN_INTERACTIVE;
    ASSERT_TRUE(start_up(SW_SHOWNORMAL));
    // The starfield window and, made on WM_USER, the control window.
    ASSERT_EQ(headless_windows().size(), 2u);
    Hwnd hwnd = headless_windows()[0];
    EXPECT_EQ(hwnd, starfield_window);
    EXPECT_EQ(headless_windows()[1], control_window);
    EXPECT_TRUE(is_window_visible(control_window));
    EXPECT_EQ(get_window_text(hwnd), "SOLVANTRIX");
    const unsigned style = get_window_style(hwnd);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_THICKFRAME);
    const Rect r = get_window_rect(hwnd);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(rect_width(r), 222);
    EXPECT_EQ(rect_height(r), 22);
    EXPECT_TRUE(is_window_visible(hwnd));
    // WM_USER was handled during start-up: the first module load waits in the queue.
    EXPECT_TRUE(has_posted_command(CMD_LOAD_MODULE));
}

TEST_F(RunModes, ScreenSaverCoversThePrimaryScreenWithoutFrame) {
    run_mode = RUN_SCREEN_SAVER;
    multienable = 0;
    ASSERT_TRUE(start_up(SW_SHOWNORMAL));
    Hwnd hwnd = starfield_window;
    EXPECT_FALSE(get_window_style(hwnd) & WS_CAPTION);
    ASSERT_TRUE(control_window);
    EXPECT_FALSE(is_window_visible(control_window));
    const Rect r = get_window_rect(hwnd);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(rect_width(r), 1600);
    EXPECT_EQ(rect_height(r), 900);
}

TEST_F(RunModes, ScreenSaverWithMultienableCoversTheVirtualScreen) {
    run_mode = RUN_SCREEN_SAVER;
    write_private_profile_string("data", "multienable", "1", SETTINGS_FILE);
    ASSERT_TRUE(start_up(SW_SHOWNORMAL));
    write_private_profile_string("data", "multienable", nullptr, SETTINGS_FILE);
    const Rect r = get_window_rect(starfield_window);
    EXPECT_EQ(r.left, -1920);
    EXPECT_EQ(r.top, -200);
    EXPECT_EQ(rect_width(r), 3520);
    EXPECT_EQ(rect_height(r), 1100);
}

TEST_F(RunModes, PasswordChangeModeMakesAHiddenWindowAndEnds) {
    run_mode = RUN_PASSWORD;
    EXPECT_FALSE(start_up(SW_SHOWNORMAL));
    ASSERT_EQ(headless_windows().size(), 1u);
    EXPECT_FALSE(is_window_visible(headless_windows()[0]));
    EXPECT_TRUE(headless_posted_messages().empty());
}

TEST_F(RunModes, InteractiveCloseWritesPlacementAndTimerThenQuits) {
    run_mode = RUN_INTERACTIVE;
    write_private_profile_string("Items", "appx", "30", SETTINGS_FILE);
    write_private_profile_string("Items", "appy", "40", SETTINGS_FILE);
    write_private_profile_string("Items", "appx1", "500", SETTINGS_FILE);
    write_private_profile_string("Items", "appy1", "300", SETTINGS_FILE);
    write_private_profile_string("data", "timer", "65531", SETTINGS_FILE);
    ASSERT_TRUE(start_up(SW_SHOWNORMAL));
    EXPECT_EQ(cycle_timer, 65531); // the control window took it over
    post_message(starfield_window, WM_CLOSE, 0, 0);
    EXPECT_EQ(message_loop(), 0);
    // The first module load placed the window at the saved rectangle.
    const Rect r = get_window_rect(starfield_window);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(rect_width(r), 500);
    EXPECT_EQ(get_private_profile_int("Items", "appx", -1, SETTINGS_FILE), 30);
    EXPECT_EQ(get_private_profile_int("Items", "appy1", -1, SETTINGS_FILE), 300);
    EXPECT_EQ(get_private_profile_int("data", "timer", -1, SETTINGS_FILE), 65531);
    write_private_profile_string("data", "timer", nullptr, SETTINGS_FILE);
}

TEST_F(RunModes, TenthMouseMoveEndsTheScreenSaver) {
    run_mode = RUN_SCREEN_SAVER;
    write_private_profile_string("data", "timer", nullptr, SETTINGS_FILE);
    ASSERT_TRUE(start_up(SW_SHOWNORMAL));
    for (int i = 0; i < 9; ++i) send_message(starfield_window, WM_MOUSEMOVE, 0, make_lparam(i, i));
    for (const Msg& m : headless_posted_messages()) EXPECT_NE(m.message, WM_CLOSE);
    send_message(starfield_window, WM_MOUSEMOVE, 0, make_lparam(10, 10));
    EXPECT_EQ(busy, 1);
    EXPECT_EQ(message_loop(), 0);
    // Screen-saver mode writes the cycle timer but no placement.
    EXPECT_EQ(get_private_profile_int("data", "timer", -1, SETTINGS_FILE), 0);
}

TEST_F(RunModes, EscapeTurnsTheScreenSaverIntoAnInteractiveWindow) {
    run_mode = RUN_SCREEN_SAVER;
    ASSERT_TRUE(start_up(SW_SHOWNORMAL));
    send_message(starfield_window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(has_posted_command(CMD_TO_INTERACTIVE));
    Msg msg{};
    while (peek_message(&msg)) dispatch_message(msg);
    EXPECT_EQ(run_mode, RUN_INTERACTIVE);
    EXPECT_TRUE(get_window_style(starfield_window) & WS_CAPTION);
}

} // namespace
