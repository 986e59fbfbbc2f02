// The screen saver's window among other clients: what it asks of the window manager, the input
// it holds, a close request from outside, and Enter in the password dialogs.
#include "platform/dialog.h"
#include "platform/headless.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/screen.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/lock/lock.h"
#include "saver/lock/lock_state.h"
#include "saver/lock/password_text.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/resources/control_ids.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/starfield_window.h"
#include "saver/shell/startup.h"
#include "saver/ui/ui_state.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* DESKTOP = "Control Panel\\Desktop";

void forget_password() {
    write_private_profile_string("Items", "sword", nullptr, SETTINGS_FILE);
}

bool closing() {
    for (const Msg& m : headless_posted_messages())
        if (m.message == WM_CLOSE && m.hwnd == starfield_window) return true;
    return false;
}

class SaverWindow : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        headless_reset();
        control_window = save_dialog = nullptr;
        headless_set_screens({0, 0, 1600, 900}, {0, 0, 1600, 900});
        ASSERT_TRUE(register_class(WINDOW_CLASS, starfield_window_proc));
        ready = busy = in_frame = placed_once = full_screen = 0;
        exit_in_progress = escape_flag = mouse_move_counter = password_dialog_open = 0;
        unlock_dialog = nullptr;
        install_fixture_library();
        write_stored_password("Pass_2");
        reg_set_value(HKEY_CURRENT_USER, DESKTOP, "ScreenSaveUsePassword", locked() ? "1" : "0");
        run_mode = RUN_SCREEN_SAVER;
        load_module_from_settings = 1;
        ASSERT_TRUE(start_up(SW_SHOWNORMAL));
        Msg msg{};
        while (peek_message(&msg)) dispatch_message(msg);
    }
    void TearDown() override {
        forget_password();
        reg_delete_value(HKEY_CURRENT_USER, DESKTOP, "ScreenSaveUsePassword");
    }
    static bool locked() { return GetParam(); }
};

TEST_P(SaverWindow, CoversTheScreenAboveAllAndHoldsTheInputWhileItRuns) {
    const WindowStates states = get_window_states(starfield_window);
    EXPECT_TRUE(states.full_screen);
    EXPECT_TRUE(states.above);
    EXPECT_EQ(screen_saver_window(), starfield_window);
}

// A window manager's close is input: with the lock it asks for the password and the saver runs
// on until the right one; without, the saver ends. Either way the input goes back first.
TEST_P(SaverWindow, ACloseRequestGoesTheWayOfAKey) {
    send_message(starfield_window, WM_CLOSE, 0, 0);
    if (!locked()) {
        EXPECT_TRUE(closing());
        EXPECT_EQ(screen_saver_window(), nullptr);
        return;
    }
    ASSERT_NE(unlock_dialog, nullptr);
    EXPECT_FALSE(closing());
    EXPECT_EQ(screen_saver_window(), starfield_window);
    // A second request while the bar is shown changes nothing.
    const Hwnd bar = unlock_dialog;
    send_message(starfield_window, WM_CLOSE, 0, 0);
    EXPECT_EQ(unlock_dialog, bar);
    headless_type(unlock_dialog, ID_UNLOCK_PASSWORD, "Pass_2");
    headless_press_enter(unlock_dialog);
    EXPECT_EQ(message_loop(), 0);
    EXPECT_EQ(screen_saver_window(), nullptr);
}

// Esc turns an unlocked saver into the editor, a framed window the window manager may place; a
// locked one keeps the screen while it asks.
TEST_P(SaverWindow, EscapeLetsGoOfTheScreenOnlyOnceUnlocked) {
    send_message(starfield_window, WM_KEYDOWN, VK_ESCAPE, 0);
    Msg msg{};
    while (peek_message(&msg)) dispatch_message(msg);
    const WindowStates states = get_window_states(starfield_window);
    if (locked()) {
        EXPECT_NE(unlock_dialog, nullptr);
        EXPECT_EQ(screen_saver_window(), starfield_window);
        EXPECT_TRUE(states.full_screen && states.above);
        return;
    }
    ASSERT_EQ(run_mode, RUN_INTERACTIVE);
    EXPECT_EQ(screen_saver_window(), nullptr);
    EXPECT_FALSE(states.full_screen || states.above);
}

INSTANTIATE_TEST_SUITE_P(LockedOrNot, SaverWindow, ::testing::Bool());

// Enter in the password dialogs, with the focus where the user typed, takes OK.
TEST(PasswordDialogs, EnterTakesOk) {
    headless_reset();
    forget_password();
    int step = 0;
    write_stored_password("Old_1");
    // The check dialog: the old password and Enter lead on to the set dialog.
    headless_set_modal_driver([&step](Hwnd dialog) {
        if (step == 0)
            headless_type(dialog, ID_CHECK_PASSWORD, "Old_1");
        else if (step == 1) {
            headless_type(dialog, ID_SET_UPPER, "Secret-1");
            headless_type(dialog, ID_SET_LOWER, "Secret-1");
        }
        ++step;
        headless_press_enter(dialog);
    });
    run_password_change();
    EXPECT_EQ(step, 2);
    EXPECT_EQ(read_stored_password(), "Secret-1");
    headless_set_modal_driver(nullptr);
    forget_password();
}

} // namespace
