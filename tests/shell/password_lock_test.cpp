#include "platform/common/control_model.h"
#include "platform/dialog.h"
#include "platform/headless.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/registry.h"
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

#include <algorithm>
#include <functional>
#include <memory>
#include <sys/stat.h>

namespace {

constexpr const char* DESKTOP = "Control Panel\\Desktop";

void forget_password() {
    write_private_profile_string("Items", "sword", nullptr, SETTINGS_FILE);
}

TEST(PasswordRules, NewPasswordsAreTwoToFifteenCharactersTypedTwiceAlike) {
    struct Case {
        const char *upper, *lower, *fault;
    } cases[] = {
        {"ab", "ab", nullptr},
        {"abcdefghijklmno", "abcdefghijklmno", nullptr},
        {"a", "a", "Your password isn't long enough. "},
        {"abcdefghijklmnop", "abcdefghijklmnop", "Your password is too long. "},
        {"abc", "abd", "Enter both again.  They MUST be the same. "},
        {"abc", "abcd", "Enter both again.  Both MUST be the same. "},
        // The length test comes first, even for a password too short as well.
        {"", "a", "Enter both again.  Both MUST be the same. "},
        {"Abc", "abc", "Enter both again.  They MUST be the same. "},
    };
    for (const Case& c : cases) {
        const char* fault = new_password_fault(c.upper, c.lower);
        EXPECT_STREQ(fault, c.fault) << c.upper << " / " << c.lower;
    }
}

TEST(PasswordRules, ScrambleHidesTheAlphabetAndKeepsEverythingElse) {
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyz0123456789_-ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::string scrambled = scramble_password(alphabet);
    // A permutation: every letter once, nothing lost, and no letter left as it was.
    EXPECT_EQ(scrambled.size(), alphabet.size());
    for (char c : alphabet) EXPECT_EQ(std::count(scrambled.begin(), scrambled.end(), c), 1) << c;
    for (size_t i = 0; i < alphabet.size(); ++i) EXPECT_NE(scrambled[i], alphabet[i]) << i;
    EXPECT_EQ(unscramble_password(scrambled), alphabet);
    // Case is kept apart, and what is outside the alphabet passes through.
    EXPECT_NE(scramble_password("a"), scramble_password("A"));
    const std::string odd = "a b!\xe9";
    EXPECT_EQ(scramble_password(odd),
              scramble_password("a") + " " + scramble_password("b") + "!\xe9");
    EXPECT_EQ(unscramble_password(scramble_password(odd)), odd);
}

TEST(PasswordRules, TheDesktopOptionReadFromText) {
    struct Case {
        const char* text;
        int on;
    } cases[] = {{"1", 1},     {"0", 0},    {"", 0},     {"  7 ", 1}, {"00", 0},
                 {"-1", 1},    {"on", 1},   {"TRUE", 1}, {"yes", 1},  {"off", 0},
                 {"false", 0}, {"junk", 0}, {"0001", 1}, {"0x1", 0}};
    for (const Case& c : cases) EXPECT_EQ(password_option_from_text(c.text), c.on) << c.text;
}

class PasswordChange : public ::testing::Test {
  protected:
    void SetUp() override {
        headless_reset();
        headless_clear_message_boxes();
        forget_password();
    }
    void TearDown() override {
        headless_set_modal_driver(nullptr);
        forget_password();
    }
    // Each modal dialog in turn gets the next hand.
    void hands(std::vector<std::function<void(Hwnd)>> steps) {
        auto queue = std::make_shared<std::vector<std::function<void(Hwnd)>>>(std::move(steps));
        auto next = std::make_shared<size_t>(0);
        headless_set_modal_driver([queue, next](Hwnd dialog) {
            if (*next < queue->size()) (*queue)[(*next)++](dialog);
        });
    }
    static std::function<void(Hwnd)> set_to(const char* upper, const char* lower) {
        return [=](Hwnd dialog) {
            headless_type(dialog, ID_SET_UPPER, upper);
            headless_type(dialog, ID_SET_LOWER, lower);
            headless_click(dialog, ID_SET_OK);
        };
    }
    static std::function<void(Hwnd)> check_with(const char* typed) {
        return [=](Hwnd dialog) {
            headless_type(dialog, ID_CHECK_PASSWORD, typed);
            headless_click(dialog, ID_CHECK_OK);
        };
    }
    static std::string stored() {
        char buffer[64];
        get_private_profile_string("Items", "sword", "", buffer, sizeof buffer, SETTINGS_FILE);
        return buffer;
    }
};

TEST_F(PasswordChange, WithoutAPasswordTheCheckPassesAndTheNewOneIsStoredScrambled) {
    // Loosen the file first: writing the password must close it to others again.
    write_private_profile_string("data", "globaldelay", "60", SETTINGS_FILE);
    chmod(resolve_profile_path(SETTINGS_FILE).c_str(), 0644);
    hands({set_to("Secret-1", "Secret-1")});
    run_password_change();
    EXPECT_EQ(headless_modal_dialogs(), (std::vector<std::string>{"PASSWORDCHECK", "PASSWORDSET"}));
    EXPECT_EQ(stored(), scramble_password("Secret-1"));
    EXPECT_NE(stored(), "Secret-1");
    EXPECT_EQ(read_stored_password(), "Secret-1");
    struct stat info {};
    ASSERT_EQ(stat(resolve_profile_path(SETTINGS_FILE).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    // Later writes of other settings keep the file closed.
    write_private_profile_string("data", "globaldelay", "30", SETTINGS_FILE);
    ASSERT_EQ(stat(resolve_profile_path(SETTINGS_FILE).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(PasswordChange, ARefusedPasswordKeepsTheDialogOpenAndCancelKeepsTheOldOne) {
    write_stored_password("old1");
    hands({check_with("old1"), [](Hwnd dialog) {
               set_to("a", "a")(dialog);
               // Still open after the refusal: the user gives up.
               headless_click(dialog, ID_SET_CANCEL);
           }});
    run_password_change();
    // The refusal, then the question whether the kept password locks the saver.
    ASSERT_EQ(headless_message_boxes().size(), 2u);
    EXPECT_EQ(headless_message_boxes()[0].text, "Your password isn't long enough. ");
    EXPECT_EQ(headless_message_boxes()[0].caption, "Password Error");
    EXPECT_NE(headless_message_boxes()[0].owner, nullptr);
    EXPECT_EQ(read_stored_password(), "old1");
}

TEST_F(PasswordChange, AWrongCurrentPasswordNeverOpensTheSetDialog) {
    write_stored_password("Case1");
    hands({check_with("case1"), set_to("new1", "new1")});
    run_password_change();
    EXPECT_EQ(headless_modal_dialogs(), std::vector<std::string>{"PASSWORDCHECK"});
    ASSERT_EQ(headless_message_boxes().size(), 1u);
    EXPECT_EQ(headless_message_boxes()[0].text, "BAD PASSWORD !!!");
    EXPECT_EQ(headless_message_boxes()[0].caption, "ERROR");
    EXPECT_EQ(read_stored_password(), "Case1");
}

TEST_F(PasswordChange, TheRightPasswordLeadsToANewOne) {
    write_stored_password("a b!");
    hands({check_with("a b!"), set_to("zz", "zz")});
    run_password_change();
    for (const ShownMessageBox& box : headless_message_boxes())
        EXPECT_NE(box.caption, "ERROR") << box.text;
    EXPECT_EQ(read_stored_password(), "zz");
}

TEST_F(PasswordChange, APasswordTheSettingsWouldNotKeepAsTypedIsRefused) {
    write_stored_password("old1");
    struct Case {
        const char* typed;
        bool refused;
    } cases[] = {{"ab ", true}, {" ab", true}, {"   ", true}, {"a\tb\t", true}, {"a b", false}};
    for (const Case& c : cases) {
        headless_clear_message_boxes();
        hands({[&](Hwnd dialog) {
            set_to(c.typed, c.typed)(dialog);
            if (c.refused) headless_click(dialog, ID_SET_CANCEL); // still open: give up
        }});
        run_password_set();
        const bool said = !headless_message_boxes().empty() &&
                          headless_message_boxes()[0].caption == "Password Error";
        EXPECT_EQ(said, c.refused) << "'" << c.typed << "'";
        if (said) {
            EXPECT_EQ(headless_message_boxes()[0].text,
                      "Your password cannot begin or end with a blank. ");
        }
        // A refused one leaves the old password; an accepted one comes back as typed.
        EXPECT_EQ(read_stored_password(), c.refused ? "old1" : c.typed) << "'" << c.typed << "'";
        if (!c.refused) write_stored_password("old1");
    }
}

TEST_F(PasswordChange, AFailedWriteSaysSoAndKeepsTheDialogOpen) {
    // A settings file larger than the files the disk still takes.
    write_private_profile_string("data", "filler", std::string(400, 'x').c_str(), SETTINGS_FILE);
    bool open_after_ok = false;
    hands({[&](Hwnd dialog) {
        with_file_size_limit(64, [&] {
            set_to("Secret-1", "Secret-1")(dialog);
            return 0;
        });
        open_after_ok = is_window_visible(dialog);
        headless_click(dialog, ID_SET_CANCEL);
    }});
    run_password_set();
    EXPECT_TRUE(open_after_ok);
    ASSERT_EQ(headless_message_boxes().size(), 1u);
    EXPECT_EQ(headless_message_boxes()[0].caption, "Password Error");
    EXPECT_NE(headless_message_boxes()[0].text.find("could not be stored"), std::string::npos)
        << headless_message_boxes()[0].text;
    EXPECT_EQ(read_stored_password(), "");
}

TEST_F(PasswordChange, TheProgramAsksWhetherToLockAndTheAnswerSwitchesTheLock) {
    reg_delete_value(HKEY_CURRENT_USER, DESKTOP, "ScreenSaveUsePassword");
    auto option = [] {
        std::string value;
        return reg_query_value(HKEY_CURRENT_USER, DESKTOP, "ScreenSaveUsePassword", &value)
                   ? value
                   : std::string("absent");
    };
    // A new password, and Yes: the lock is on.
    headless_set_message_box_answer(IDYES);
    hands({set_to("Secret-1", "Secret-1")});
    run_password_change();
    ASSERT_EQ(headless_message_boxes().size(), 1u);
    EXPECT_EQ(headless_message_boxes()[0].type & 0xF, MB_YESNO);
    EXPECT_EQ(headless_message_boxes()[0].caption, "Solvantrix Screen Saver");
    EXPECT_EQ(option(), "1");
    // Later, the current password and Cancel for the new one keep it, and No turns it off.
    headless_clear_message_boxes();
    headless_set_message_box_answer(IDNO);
    hands({check_with("Secret-1"), [](Hwnd dialog) { headless_click(dialog, ID_SET_CANCEL); }});
    run_password_change();
    ASSERT_EQ(headless_message_boxes().size(), 1u);
    EXPECT_EQ(option(), "0");
    EXPECT_EQ(read_stored_password(), "Secret-1");
    // A wrong current password asks nothing and changes nothing.
    headless_clear_message_boxes();
    headless_set_message_box_answer(IDYES);
    hands({check_with("secret-1")});
    run_password_change();
    EXPECT_EQ(headless_message_boxes().size(), 1u) << "only BAD PASSWORD";
    EXPECT_EQ(option(), "0");
    headless_set_message_box_answer(IDOK);
    reg_delete_value(HKEY_CURRENT_USER, DESKTOP, "ScreenSaveUsePassword");
}

// A running screen saver with a stored password and the desktop's option on.
class LockedSaver : public ::testing::Test {
  protected:
    void SetUp() override {
        headless_reset();
        control_window = save_dialog = nullptr;
        headless_set_screens({0, 0, 1600, 900}, {0, 0, 1600, 900});
        headless_set_cursor_pos(1500, 880);
        ASSERT_TRUE(register_class(WINDOW_CLASS, starfield_window_proc));
        ready = busy = in_frame = placed_once = full_screen = 0;
        exit_in_progress = escape_flag = mouse_move_counter = password_dialog_open = 0;
        unlock_dialog = nullptr;
        install_fixture_library();
        write_stored_password("Pass_2");
        reg_set_value(HKEY_CURRENT_USER, DESKTOP, "ScreenSaveUsePassword", "1");
    }
    void TearDown() override {
        forget_password();
        reg_delete_value(HKEY_CURRENT_USER, DESKTOP, "ScreenSaveUsePassword");
    }
    void start() {
        run_mode = RUN_SCREEN_SAVER;
        ASSERT_TRUE(start_up(SW_SHOWNORMAL));
        pump();
    }
    void pump() {
        Msg msg{};
        while (peek_message(&msg)) dispatch_message(msg);
    }
    void moves(int n) {
        for (int i = 0; i < n; ++i)
            send_message(starfield_window, WM_MOUSEMOVE, 0, make_lparam(i % 50, 7));
    }
    static bool closing() {
        for (const Msg& m : headless_posted_messages())
            if (m.message == WM_CLOSE || (m.message == WM_COMMAND && loword(m.wparam) == CMD_EXIT))
                return true;
        return false;
    }
    void answer(const char* typed) {
        ASSERT_NE(unlock_dialog, nullptr);
        headless_type(unlock_dialog, ID_UNLOCK_PASSWORD, typed);
        headless_click(unlock_dialog, ID_UNLOCK_ENTER);
    }
};

TEST_F(LockedSaver, AnyKeyAsksForThePasswordInABarAtTheCursor) {
    start();
    send_message(starfield_window, WM_KEYDOWN, VK_UNNAMED, 0);
    ASSERT_NE(unlock_dialog, nullptr);
    EXPECT_EQ(password_dialog_open, 1);
    EXPECT_FALSE(closing());
    EXPECT_EQ(get_window_text(unlock_dialog), "Solvantrix Screen Saver");
    EXPECT_TRUE(headless_control(unlock_dialog, ID_UNLOCK_PASSWORD)->style & CS_PASSWORD);
    EXPECT_EQ(headless_focused_control(unlock_dialog), ID_UNLOCK_PASSWORD);
    // Centred on the cursor as far as the screen allows, and in front.
    const Rect r = get_window_rect(unlock_dialog);
    EXPECT_EQ(r.right, 1600);
    EXPECT_EQ(r.bottom, 900);
    EXPECT_EQ(headless_foreground_window(), unlock_dialog);
    // More input while it is shown opens no second bar; frames leave it in front.
    const Hwnd first = unlock_dialog;
    send_message(starfield_window, WM_LBUTTONDOWN, 0, 0);
    send_message(starfield_window, WM_PAINT, 0, 0);
    EXPECT_EQ(unlock_dialog, first);
    EXPECT_EQ(headless_foreground_window(), unlock_dialog);
}

TEST_F(LockedSaver, AWrongPasswordKeepsTheSaverRunningForTwentyMoreMoves) {
    start();
    moves(10);
    ASSERT_NE(unlock_dialog, nullptr);
    answer("pass_2");
    EXPECT_EQ(unlock_dialog, nullptr);
    EXPECT_EQ(headless_windows().size(), 2u); // the starfield and the hidden control window
    pump();
    EXPECT_FALSE(closing());
    EXPECT_EQ(run_mode, RUN_SCREEN_SAVER);
    EXPECT_EQ(mouse_move_counter, -10);
    EXPECT_EQ(exit_in_progress, 0);
    moves(19);
    EXPECT_EQ(unlock_dialog, nullptr);
    moves(1);
    ASSERT_NE(unlock_dialog, nullptr);
    answer("Pass_2");
    EXPECT_EQ(message_loop(), 0);
}

TEST_F(LockedSaver, EscapeWithTheLockAsksAndTheRightPasswordEndsTheProgram) {
    start();
    send_message(starfield_window, WM_KEYDOWN, VK_ESCAPE, 0);
    answer("Pass_2");
    // Ended, not turned into an interactive window.
    EXPECT_EQ(message_loop(), 0);
    EXPECT_EQ(run_mode, RUN_SCREEN_SAVER);
}

TEST_F(LockedSaver, WithTheDesktopOptionOffTheSaverEndsWithoutAsking) {
    reg_set_value(HKEY_CURRENT_USER, DESKTOP, "ScreenSaveUsePassword", "0");
    start();
    send_message(starfield_window, WM_RBUTTONDOWN, 0, 0);
    EXPECT_EQ(unlock_dialog, nullptr);
    EXPECT_TRUE(closing());
}

} // namespace
