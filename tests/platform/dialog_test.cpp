#include "platform/common/control_model.h"
#include "platform/dialog.h"
#include "platform/headless.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <vector>

namespace {

enum Ids {
    ID_AUTO_CHECK = 10,
    ID_MANUAL_CHECK = 11,
    ID_PUSHLIKE = 12,
    ID_RADIO_A1 = 20,
    ID_RADIO_A2 = 21,
    ID_BETWEEN_CHECK = 22,
    ID_RADIO_A3 = 23,
    ID_RADIO_B1 = 30,
    ID_RADIO_B2 = 31,
    ID_SLIDER = 40,
    ID_TALL_SLIDER = 41,
    ID_EDIT = 50,
    ID_SPIN = 51,
    ID_SORTED = 60,
    ID_PLAIN_LIST = 61,
    ID_PUSH = 70,
    ID_HIDDEN = 71,
    ID_DISABLED = 72,
    ID_LABEL = 80,
    ID_PROGRESS = 90,
};

const ControlTemplate CONTROLS[] = {
    {ID_LABEL, CTL_LABEL, "Label", 2, 2, 40, 8, 0},
    {ID_AUTO_CHECK, CTL_CHECKBOX, "Auto", 2, 12, 40, 10, 0},
    {ID_MANUAL_CHECK, CTL_CHECKBOX, "Manual", 2, 24, 40, 10, CS_MANUAL},
    {ID_PUSHLIKE, CTL_PUSHLIKE, "Setup", 2, 36, 40, 14, 0},
    {ID_RADIO_A1, CTL_RADIO, "A1", 50, 12, 30, 10, CS_GROUP_START},
    {ID_RADIO_A2, CTL_RADIO, "A2", 50, 24, 30, 10, 0},
    {ID_BETWEEN_CHECK, CTL_CHECKBOX, "Between", 50, 36, 30, 10, 0},
    {ID_RADIO_A3, CTL_RADIO, "A3", 50, 48, 30, 10, 0},
    {-1, CTL_GROUPBOX, "B", 90, 2, 40, 40, 0},
    {ID_RADIO_B1, CTL_RADIO, "B1", 92, 12, 30, 10, CS_GROUP_START},
    {ID_RADIO_B2, CTL_RADIO, "B2", 92, 24, 30, 10, 0},
    {ID_SLIDER, CTL_TRACKBAR, "", 2, 60, 100, 12, 0},
    {ID_TALL_SLIDER, CTL_TRACKBAR, "", 110, 60, 12, 60, CS_VERTICAL},
    {ID_EDIT, CTL_EDIT, "", 2, 80, 30, 12, CS_RIGHT},
    {ID_SPIN, CTL_UPDOWN, "", 32, 80, 10, 12, 0},
    {ID_SORTED, CTL_COMBOBOX, "", 2, 96, 60, 60, CS_SORTED},
    {ID_PLAIN_LIST, CTL_LISTBOX, "", 66, 96, 40, 40, 0},
    {ID_PUSH, CTL_BUTTON, "Push", 130, 60, 30, 14, 0},
    {ID_HIDDEN, CTL_BUTTON, "Hidden", 130, 76, 30, 14, CS_HIDDEN},
    {ID_DISABLED, CTL_BUTTON, "Disabled", 130, 92, 30, 14, CS_DISABLED},
    {ID_PROGRESS, CTL_PROGRESS, "", 130, 108, 30, 8, 0},
};
const DialogTemplate TEST_DIALOG = {
    "TEST", "Test dialog", 200, 140, CONTROLS, static_cast<int>(std::size(CONTROLS)), true};

// Shaped like the password check: the edit has the focus and "Cancel" is the default.
const ControlTemplate DEFAULT_CONTROLS[] = {
    {3, CTL_EDIT, "", 2, 2, 60, 12, CS_PASSWORD},
    {IDOK, CTL_BUTTON, "OK", 2, 16, 30, 14, 0},
    {IDCANCEL, CTL_DEFBUTTON, "Cancel", 40, 16, 30, 14, 0},
};
const DialogTemplate DEFAULT_DIALOG = {"DEFAULT", "Default", 80, 32, DEFAULT_CONTROLS, 3, false};

// What the dialog procedure saw, with what it wants to do on each message.
std::vector<Msg> seen;
std::function<Lresult(Hwnd, unsigned, Wparam, Lparam)> reaction;
int checked_when_notified = -1;

Lresult recording_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam lparam) {
    seen.push_back({dialog, message, wparam, lparam});
    if (message == WM_COMMAND && loword(wparam) == ID_AUTO_CHECK)
        checked_when_notified = is_dlg_button_checked(dialog, ID_AUTO_CHECK);
    return reaction ? reaction(dialog, message, wparam, lparam) : 0;
}

std::vector<Msg> other_window_seen;
Lresult other_window_proc(Hwnd hwnd, unsigned message, Wparam wparam, Lparam lparam) {
    if (message >= WM_USER) other_window_seen.push_back({hwnd, message, wparam, lparam});
    return 0;
}

class DialogTest : public ::testing::Test {
  protected:
    Hwnd owner = nullptr;

    void SetUp() override {
        headless_reset();
        headless_set_screens({0, 0, 1024, 768}, {0, 0, 1024, 768});
        seen.clear();
        other_window_seen.clear();
        reaction = nullptr;
        checked_when_notified = -1;
        ASSERT_TRUE(register_class("DialogTestOwner", other_window_proc));
        owner = create_window("DialogTestOwner", "", WS_VISIBLE, 100, 100, 600, 400, nullptr);
    }
    void TearDown() override {
        headless_reset();
        reaction = nullptr;
    }

    Hwnd open() {
        Hwnd dialog = create_dialog(TEST_DIALOG, owner, recording_proc);
        EXPECT_NE(dialog, nullptr);
        seen.clear();
        return dialog;
    }

    // The WM_COMMAND notifications the procedure received, as (id, code) pairs.
    std::vector<std::pair<unsigned, unsigned>> commands() const {
        std::vector<std::pair<unsigned, unsigned>> list;
        for (const Msg& m : seen)
            if (m.message == WM_COMMAND) list.emplace_back(loword(m.wparam), hiword(m.wparam));
        return list;
    }
};

using DialogLifetime = DialogTest;

TEST_F(DialogLifetime, InitDialogRunsBeforeCreateReturnsWithTheControlsInPlace) {
    bool label_there = false;
    reaction = [&](Hwnd dialog, unsigned message, Wparam, Lparam) -> Lresult {
        if (message == WM_INITDIALOG) {
            label_there = get_dlg_item_text(dialog, ID_LABEL) == "Label";
            trackbar_set_range(dialog, ID_SLIDER, 0, 500);
            trackbar_set_pos(dialog, ID_SLIDER, 321);
        }
        return 1;
    };
    Hwnd dialog = create_dialog(TEST_DIALOG, owner, recording_proc);
    ASSERT_NE(dialog, nullptr);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0].message, WM_INITDIALOG);
    EXPECT_EQ(seen[0].wparam, static_cast<Wparam>(ID_AUTO_CHECK)) << "first control to focus";
    EXPECT_TRUE(label_there);
    EXPECT_EQ(trackbar_get_pos(dialog, ID_SLIDER), 321);
    EXPECT_TRUE(is_window_visible(dialog));
    EXPECT_EQ(get_window_text(dialog), "Test dialog");
}

TEST_F(DialogLifetime, OpensCentredOnItsOwnerAtTheTemplateSizeInPixels) {
    Hwnd dialog = open();
    const Rect rect = get_window_rect(dialog);
    const Rect size = map_dialog_rect(dialog, {0, 0, 200, 140});
    EXPECT_EQ(rect_width(rect), rect_width(size));
    EXPECT_EQ(rect_height(rect), rect_height(size));
    EXPECT_EQ(rect.left + rect_width(rect) / 2, 400);
    EXPECT_EQ(rect.top + rect_height(rect) / 2, 300);
}

TEST_F(DialogLifetime, OpensWhollyOnTheScreenWhateverItsOwner) {
    set_window_pos(owner, HWND_TOP, 900, 700, 100, 60, SWP_NOZORDER);
    const Rect near_corner = get_window_rect(open());
    EXPECT_EQ(near_corner.right, 1024);
    EXPECT_EQ(near_corner.bottom, 768);
    set_window_pos(owner, HWND_TOP, -50, -40, 100, 60, SWP_NOZORDER);
    const Rect off_corner = get_window_rect(open());
    EXPECT_EQ(off_corner.left, 0);
    EXPECT_EQ(off_corner.top, 0);
    show_window(owner, SW_HIDE);
    const Rect unowned = get_window_rect(open());
    EXPECT_EQ(unowned.left + rect_width(unowned) / 2, 512) << "a hidden owner: the screen";
}

TEST_F(DialogLifetime, AProcedureThatHidesTheDialogKeepsItHidden) {
    reaction = [](Hwnd dialog, unsigned message, Wparam, Lparam) -> Lresult {
        if (message == WM_INITDIALOG) show_window(dialog, SW_HIDE);
        return 1;
    };
    Hwnd dialog = create_dialog(TEST_DIALOG, owner, recording_proc);
    EXPECT_FALSE(is_window_visible(dialog));
}

TEST_F(DialogLifetime, DestroySendsWmDestroyAndLeavesAStaleHandleHarmless) {
    Hwnd dialog = open();
    destroy_window(dialog);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().message, WM_DESTROY);
    EXPECT_FALSE(is_window(dialog));
    seen.clear();
    EXPECT_FALSE(has_dlg_item(dialog, ID_LABEL));
    EXPECT_FALSE(headless_click(dialog, ID_AUTO_CHECK));
    trackbar_set_pos(dialog, ID_SLIDER, 5);
    EXPECT_EQ(trackbar_get_pos(dialog, ID_SLIDER), 0);
    EXPECT_EQ(list_add_string(dialog, ID_SORTED, "x"), -1);
    EXPECT_TRUE(seen.empty());
}

TEST_F(DialogLifetime, ClosingTheOwnerDestroysTheDialog) {
    Hwnd dialog = open();
    destroy_window(owner);
    EXPECT_FALSE(is_window(dialog));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().message, WM_DESTROY);
}

TEST_F(DialogLifetime, WithoutAProcedureThereIsNoDialog) {
    EXPECT_EQ(create_dialog(TEST_DIALOG, owner, nullptr), nullptr);
    EXPECT_EQ(headless_windows().size(), 1u);
}

TEST_F(DialogLifetime, EndDialogOnAModelessDialogDestroysIt) {
    Hwnd dialog = open();
    end_dialog(dialog, 5);
    EXPECT_FALSE(is_window(dialog));
}

TEST_F(DialogLifetime, AnUnhandledCloseCancelsAndAHandledOneDoesNot) {
    Hwnd dialog = open();
    send_message(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(commands(), (std::vector<std::pair<unsigned, unsigned>>{{IDCANCEL, BN_CLICKED}}));
    seen.clear();
    reaction = [](Hwnd, unsigned message, Wparam, Lparam) -> Lresult {
        return message == WM_CLOSE ? 1 : 0;
    };
    send_message(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(commands().empty());
}

TEST(DialogUnits, TheTallestTemplateFitsA768PixelScreen) {
    const Rect about = map_dialog_rect(nullptr, {0, 0, 301, 244});
    EXPECT_LE(rect_height(about) + 40, 768) << "room left for the frame";
    const Rect status = map_dialog_rect(nullptr, {0, 0, 535, 174});
    EXPECT_LE(rect_width(status), 1024);
    const Rect cell = map_dialog_rect(nullptr, {4, 8, 8, 16});
    EXPECT_EQ(cell.left, 7);
    EXPECT_EQ(cell.top, 16);
    EXPECT_EQ(rect_width(cell), 7);
    EXPECT_EQ(rect_height(cell), 16);
}

using DialogButtons = DialogTest;

TEST_F(DialogButtons, AnAutomaticCheckBoxToggleBeforeItsNotification) {
    Hwnd dialog = open();
    EXPECT_TRUE(headless_click(dialog, ID_AUTO_CHECK));
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_AUTO_CHECK), 1);
    EXPECT_EQ(checked_when_notified, 1);
    EXPECT_EQ(commands(),
              (std::vector<std::pair<unsigned, unsigned>>{{ID_AUTO_CHECK, BN_CLICKED}}));
    headless_click(dialog, ID_AUTO_CHECK);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_AUTO_CHECK), 0);
    EXPECT_EQ(checked_when_notified, 0);
    headless_click(dialog, ID_PUSHLIKE);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_PUSHLIKE), 1);
}

TEST_F(DialogButtons, AManualCheckBoxOnlyNotifies) {
    Hwnd dialog = open();
    headless_click(dialog, ID_MANUAL_CHECK);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_MANUAL_CHECK), 0);
    EXPECT_EQ(commands(),
              (std::vector<std::pair<unsigned, unsigned>>{{ID_MANUAL_CHECK, BN_CLICKED}}));
    check_dlg_button(dialog, ID_MANUAL_CHECK, 1);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_MANUAL_CHECK), 1);
}

TEST_F(DialogButtons, ClickingARadioButtonClearsOnlyItsOwnGroup) {
    Hwnd dialog = open();
    check_dlg_button(dialog, ID_RADIO_A1, 1);
    check_dlg_button(dialog, ID_BETWEEN_CHECK, 1);
    check_dlg_button(dialog, ID_RADIO_B1, 1);
    headless_click(dialog, ID_RADIO_A3);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_RADIO_A3), 1);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_RADIO_A1), 0);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_BETWEEN_CHECK), 1) << "not a radio button";
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_RADIO_B1), 1) << "another group";
    EXPECT_EQ(commands(), (std::vector<std::pair<unsigned, unsigned>>{{ID_RADIO_A3, BN_CLICKED}}));
    headless_click(dialog, ID_RADIO_B2);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_RADIO_B1), 0);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_RADIO_A3), 1);
}

TEST_F(DialogButtons, CheckRadioButtonTakesTheRunBetweenItsEndsInTemplateOrder) {
    Hwnd dialog = open();
    check_dlg_button(dialog, ID_RADIO_A1, 1);
    check_dlg_button(dialog, ID_RADIO_A2, 1);
    check_dlg_button(dialog, ID_BETWEEN_CHECK, 1);
    check_dlg_button(dialog, ID_RADIO_B1, 1);
    check_radio_button(dialog, ID_RADIO_A1, ID_RADIO_A3, ID_RADIO_A3);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_RADIO_A1), 0);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_RADIO_A2), 0);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_RADIO_A3), 1);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_BETWEEN_CHECK), 1);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_RADIO_B1), 1);
    // The ends may be given either way round.
    check_radio_button(dialog, ID_RADIO_A3, ID_RADIO_A1, ID_RADIO_A2);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_RADIO_A3), 0);
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_RADIO_A2), 1);
    EXPECT_TRUE(commands().empty()) << "the program's own changes are not reported";
}

TEST_F(DialogButtons, HiddenAndDisabledControlsCannotBeClicked) {
    Hwnd dialog = open();
    EXPECT_FALSE(headless_click(dialog, ID_HIDDEN));
    EXPECT_FALSE(headless_click(dialog, ID_DISABLED));
    EXPECT_FALSE(headless_click(dialog, 9999));
    enable_dlg_item(dialog, ID_DISABLED, true);
    show_dlg_item(dialog, ID_PUSH, false);
    EXPECT_TRUE(headless_click(dialog, ID_DISABLED));
    EXPECT_FALSE(headless_click(dialog, ID_PUSH));
    EXPECT_FALSE(is_dlg_item_visible(dialog, ID_PUSH));
    EXPECT_TRUE(is_dlg_item_enabled(dialog, ID_DISABLED));
    EXPECT_EQ(commands(), (std::vector<std::pair<unsigned, unsigned>>{{ID_DISABLED, BN_CLICKED}}));
}

TEST_F(DialogButtons, ARightClickNamesTheControlEvenWhenDisabled) {
    Hwnd dialog = open();
    EXPECT_TRUE(headless_right_click(dialog, ID_DISABLED));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].message, WM_RBUTTONDOWN_CONTROL);
    EXPECT_EQ(seen[0].wparam, static_cast<Wparam>(ID_DISABLED));
    EXPECT_FALSE(headless_right_click(dialog, ID_HIDDEN));
}

using DialogTrackbars = DialogTest;

TEST_F(DialogTrackbars, ProgramPositionsAreClampedAndSilent) {
    Hwnd dialog = open();
    trackbar_set_range(dialog, ID_SLIDER, 10, 360);
    trackbar_set_pos(dialog, ID_SLIDER, 1000);
    EXPECT_EQ(trackbar_get_pos(dialog, ID_SLIDER), 360);
    trackbar_set_pos(dialog, ID_SLIDER, -4);
    EXPECT_EQ(trackbar_get_pos(dialog, ID_SLIDER), 10);
    trackbar_set_pos(dialog, ID_SLIDER, 200);
    trackbar_set_range(dialog, ID_SLIDER, 0, 100);
    EXPECT_EQ(trackbar_get_pos(dialog, ID_SLIDER), 100) << "a narrower range pulls it in";
    EXPECT_TRUE(seen.empty());
}

TEST_F(DialogTrackbars, AUserMoveIsClampedThenReportedWithTheId) {
    Hwnd dialog = open();
    trackbar_set_range(dialog, ID_SLIDER, 0, 255);
    int position_when_notified = -1;
    reaction = [&](Hwnd d, unsigned message, Wparam, Lparam lparam) -> Lresult {
        if (message == WM_HSCROLL) position_when_notified = trackbar_get_pos(d, (int)lparam);
        return 0;
    };
    EXPECT_TRUE(headless_set_trackbar(dialog, ID_SLIDER, 300));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].message, WM_HSCROLL);
    EXPECT_EQ(seen[0].lparam, ID_SLIDER);
    EXPECT_EQ(position_when_notified, 255);
    seen.clear();
    headless_set_trackbar(dialog, ID_TALL_SLIDER, 7);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].message, WM_VSCROLL);
    EXPECT_EQ(seen[0].lparam, ID_TALL_SLIDER);
    EXPECT_FALSE(headless_set_trackbar(dialog, ID_EDIT, 3)) << "not a trackbar";
}

TEST_F(DialogTrackbars, TicksAreKept) {
    Hwnd dialog = open();
    trackbar_set_tick_frequency(dialog, ID_SLIDER, 45);
    trackbar_add_tick(dialog, ID_SLIDER, 1800);
    const Control* slider = headless_control(dialog, ID_SLIDER);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->tick_frequency, 45);
    EXPECT_EQ(slider->ticks, std::vector<int>{1800});
    EXPECT_EQ(headless_control(dialog, ID_TALL_SLIDER)->tick_frequency, Control::NO_TICKS);
}

using DialogUpDown = DialogTest;

TEST_F(DialogUpDown, TheEditShowsThePositionAndTypedDigitsCount) {
    Hwnd dialog = open();
    updown_set_range(dialog, ID_SPIN, -999, 999);
    updown_set_pos(dialog, ID_SPIN, -5);
    EXPECT_EQ(get_dlg_item_text(dialog, ID_EDIT), "-5");
    EXPECT_EQ(updown_get_pos(dialog, ID_SPIN), -5);
    EXPECT_TRUE(headless_type(dialog, ID_EDIT, "42"));
    EXPECT_EQ(commands(), (std::vector<std::pair<unsigned, unsigned>>{{ID_EDIT, EN_CHANGE}}));
    EXPECT_EQ(updown_get_pos(dialog, ID_SPIN), 42);
    headless_type(dialog, ID_EDIT, "5000");
    EXPECT_EQ(updown_get_pos(dialog, ID_SPIN), 999);
    headless_type(dialog, ID_EDIT, "12abc");
    EXPECT_EQ(updown_get_pos(dialog, ID_SPIN), 999) << "not a number: the last position";
    headless_type(dialog, ID_EDIT, "99999999999999999999");
    EXPECT_EQ(updown_get_pos(dialog, ID_SPIN), 999);
}

TEST_F(DialogUpDown, AUserStepReportsThreeTimesAfterTheChange) {
    Hwnd dialog = open();
    updown_set_range(dialog, ID_SPIN, 0, 120);
    int position_when_notified = -1;
    reaction = [&](Hwnd d, unsigned message, Wparam, Lparam) -> Lresult {
        if (message == WM_VSCROLL) position_when_notified = updown_get_pos(d, ID_SPIN);
        return 0;
    };
    EXPECT_TRUE(headless_spin(dialog, ID_SPIN, 121));
    EXPECT_EQ(get_dlg_item_text(dialog, ID_EDIT), "120");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].message, WM_COMMAND);
    EXPECT_EQ(seen[0].wparam, ID_SPIN | (UDN_DELTAPOS << 16));
    EXPECT_EQ(seen[1].wparam, ID_EDIT | (EN_CHANGE << 16));
    EXPECT_EQ(seen[2].message, WM_VSCROLL);
    EXPECT_EQ(seen[2].lparam, ID_SPIN);
    EXPECT_EQ(position_when_notified, 120);
}

TEST_F(DialogUpDown, AHandlerThatClosesTheDialogEndsTheNotifications) {
    Hwnd dialog = open();
    reaction = [](Hwnd d, unsigned message, Wparam, Lparam) -> Lresult {
        if (message == WM_COMMAND) destroy_window(d);
        return 0;
    };
    headless_spin(dialog, ID_SPIN, 3);
    EXPECT_FALSE(is_window(dialog));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].message, WM_DESTROY);
}

using DialogLists = DialogTest;

TEST_F(DialogLists, SortedListsInsertIgnoringCaseAndSayWhere) {
    Hwnd dialog = open();
    EXPECT_EQ(list_add_string(dialog, ID_SORTED, "Nebula"), 0);
    EXPECT_EQ(list_add_string(dialog, ID_SORTED, "andromeda"), 0);
    EXPECT_EQ(list_add_string(dialog, ID_SORTED, "Zodiac"), 2);
    EXPECT_EQ(list_add_string(dialog, ID_SORTED, "comet"), 1);
    EXPECT_EQ(list_add_string(dialog, ID_SORTED, "Comet"), 2) << "after its equal";
    EXPECT_EQ(list_count(dialog, ID_SORTED), 5);
    EXPECT_EQ(list_get_text(dialog, ID_SORTED, 0), "andromeda");
    EXPECT_EQ(list_get_text(dialog, ID_SORTED, 4), "Zodiac");
    EXPECT_EQ(list_get_text(dialog, ID_SORTED, 5), "");
    EXPECT_EQ(list_get_text(dialog, ID_SORTED, -1), "");
    EXPECT_EQ(list_find_exact(dialog, ID_SORTED, "NEBULA"), 3);
    EXPECT_EQ(list_find_exact(dialog, ID_SORTED, "Nebul"), -1);

    EXPECT_EQ(list_add_string(dialog, ID_PLAIN_LIST, "b"), 0);
    EXPECT_EQ(list_add_string(dialog, ID_PLAIN_LIST, "a"), 1) << "unsorted lists append";
}

TEST_F(DialogLists, TheSelectionFollowsItsEntryAndTheComboTextIsIt) {
    Hwnd dialog = open();
    list_add_string(dialog, ID_SORTED, "m");
    list_set_cur_sel(dialog, ID_SORTED, 0);
    list_add_string(dialog, ID_SORTED, "a");
    EXPECT_EQ(list_get_cur_sel(dialog, ID_SORTED), 1);
    EXPECT_EQ(get_dlg_item_text(dialog, ID_SORTED), "m");
    set_dlg_item_text(dialog, ID_SORTED, "A");
    EXPECT_EQ(list_get_cur_sel(dialog, ID_SORTED), 0);
    list_set_cur_sel(dialog, ID_SORTED, 7);
    EXPECT_EQ(list_get_cur_sel(dialog, ID_SORTED), -1);
    EXPECT_EQ(get_dlg_item_text(dialog, ID_SORTED), "");
    list_set_cur_sel(dialog, ID_SORTED, 1);
    list_reset(dialog, ID_SORTED);
    EXPECT_EQ(list_count(dialog, ID_SORTED), 0);
    EXPECT_EQ(list_get_cur_sel(dialog, ID_SORTED), -1);
    EXPECT_TRUE(seen.empty());
}

TEST_F(DialogLists, AUserSelectionIsReported) {
    Hwnd dialog = open();
    list_add_string(dialog, ID_SORTED, "one");
    list_add_string(dialog, ID_PLAIN_LIST, "two");
    EXPECT_FALSE(headless_select(dialog, ID_SORTED, 1));
    EXPECT_TRUE(headless_select(dialog, ID_SORTED, 0));
    EXPECT_TRUE(headless_select(dialog, ID_PLAIN_LIST, 0));
    EXPECT_EQ(commands(), (std::vector<std::pair<unsigned, unsigned>>{
                              {ID_SORTED, CBN_SELCHANGE}, {ID_PLAIN_LIST, LBN_SELCHANGE}}));
    EXPECT_EQ(list_get_cur_sel(dialog, ID_SORTED), 0);
}

TEST_F(DialogLists, ADirectoryListingAddsTheMatchingFilesInAnyCase) {
    Hwnd dialog = open();
    const std::string dir = make_temp_dir("listing");
    write_file(dir + "/demo.sv", "x");
    write_file(dir + "/Big.SV", "x");
    write_file(dir + "/notes.txt", "x");
    write_file(dir + "/.hidden.sv", "x");
    mkdir((dir + "/folder.sv").c_str(), 0700);
    EXPECT_EQ(list_add_directory(dialog, ID_SORTED, dir.c_str(), "*.sv"), 2);
    ASSERT_EQ(list_count(dialog, ID_SORTED), 2);
    EXPECT_EQ(list_get_text(dialog, ID_SORTED, 0), "Big.SV");
    EXPECT_EQ(list_get_text(dialog, ID_SORTED, 1), "demo.sv");
    EXPECT_EQ(list_add_directory(dialog, ID_SORTED, (dir + "/missing").c_str(), "*.sv"), -1);
}

using DialogKeys = DialogTest;

TEST_F(DialogKeys, EnterIsIdOkUnlessAButtonIsFocusedOrDefault) {
    Hwnd dialog = open();
    headless_press_enter(dialog);
    headless_click(dialog, ID_PUSH);
    seen.clear();
    headless_press_enter(dialog);
    headless_press_escape(dialog);
    EXPECT_EQ(commands(), (std::vector<std::pair<unsigned, unsigned>>{{ID_PUSH, BN_CLICKED},
                                                                      {IDCANCEL, BN_CLICKED}}));

    Hwnd with_default = create_dialog(DEFAULT_DIALOG, owner, recording_proc);
    seen.clear();
    headless_press_enter(with_default);
    headless_click(with_default, IDOK);
    headless_press_enter(with_default);
    EXPECT_EQ(commands(), (std::vector<std::pair<unsigned, unsigned>>{
                              {IDCANCEL, BN_CLICKED}, {IDOK, BN_CLICKED}, {IDOK, BN_CLICKED}}));
}

TEST_F(DialogKeys, IsDialogMessageTakesOnlyTheDialogsMessages) {
    Hwnd dialog = open();
    EXPECT_FALSE(is_dialog_message(dialog, {owner, WM_KEYDOWN, 0x0D, 0}));
    EXPECT_TRUE(is_dialog_message(dialog, {dialog, WM_USER + 9, 1, 2}));
    ASSERT_EQ(seen.size(), 1u) << "dispatched by the filter";
    EXPECT_EQ(seen[0].message, WM_USER + 9);
    EXPECT_TRUE(is_dialog_message(dialog, {dialog, WM_KEYDOWN, 0x0D, 0}));
    EXPECT_EQ(commands(), (std::vector<std::pair<unsigned, unsigned>>{{IDOK, BN_CLICKED}}));
}

TEST_F(DialogKeys, TabSkipsWhatAUserCannotReach) {
    Hwnd dialog = open();
    set_dlg_item_focus(dialog, ID_SORTED);
    is_dialog_message(dialog, {dialog, WM_KEYDOWN, 0x09, 0});
    EXPECT_EQ(headless_focused_control(dialog), ID_PLAIN_LIST);
    is_dialog_message(dialog, {dialog, WM_KEYDOWN, 0x09, 0});
    EXPECT_EQ(headless_focused_control(dialog), ID_PUSH);
    is_dialog_message(dialog, {dialog, WM_KEYDOWN, 0x09, 0});
    EXPECT_EQ(headless_focused_control(dialog), ID_AUTO_CHECK) << "wraps past hidden/disabled";
}

using ModalDialog = DialogTest;

TEST_F(ModalDialog, ReturnsEndDialogsValueWhileOtherWindowsGetTheirMessages) {
    // The user acts once the dialog runs: a message for another window is waiting, and the
    // dialog posts itself the command that ends it.
    headless_set_modal_driver([&](Hwnd dialog) {
        post_message(owner, WM_USER + 3, 0, 0);
        post_message(dialog, WM_COMMAND, IDOK, 0);
    });
    reaction = [](Hwnd dialog, unsigned message, Wparam wparam, Lparam) -> Lresult {
        if (message == WM_COMMAND && loword(wparam) == IDOK) end_dialog(dialog, 77);
        return 1;
    };
    EXPECT_EQ(dialog_box(TEST_DIALOG, owner, recording_proc), 77);
    ASSERT_EQ(other_window_seen.size(), 1u);
    EXPECT_EQ(other_window_seen[0].message, WM_USER + 3);
    EXPECT_EQ(seen.back().message, WM_DESTROY);
    EXPECT_EQ(headless_windows().size(), 1u) << "the dialog is gone";
    EXPECT_EQ(headless_modal_dialogs(), std::vector<std::string>{"TEST"});
}

TEST_F(ModalDialog, EnterEndsADialogThatTreatsIdOkAsClose) {
    headless_set_modal_driver([](Hwnd dialog) {
        headless_type(dialog, ID_EDIT, "secret");
        post_message(dialog, WM_KEYDOWN, 0x0D, 0);
    });
    std::string typed;
    reaction = [&](Hwnd dialog, unsigned message, Wparam wparam, Lparam) -> Lresult {
        if (message == WM_COMMAND && loword(wparam) == IDOK) {
            typed = get_dlg_item_text(dialog, ID_EDIT);
            end_dialog(dialog, IDOK);
        }
        return 1;
    };
    EXPECT_EQ(dialog_box(TEST_DIALOG, owner, recording_proc), IDOK);
    EXPECT_EQ(typed, "secret");
}

TEST_F(ModalDialog, EndingInInitDialogReturnsAtOnce) {
    reaction = [](Hwnd dialog, unsigned message, Wparam, Lparam) -> Lresult {
        if (message == WM_INITDIALOG) end_dialog(dialog, 9);
        return 1;
    };
    bool driven = false;
    headless_set_modal_driver([&](Hwnd) { driven = true; });
    EXPECT_EQ(dialog_box(TEST_DIALOG, nullptr, recording_proc), 9);
    EXPECT_FALSE(driven);
    EXPECT_EQ(seen.back().message, WM_DESTROY);
}

TEST_F(ModalDialog, NobodyToAnswerCancelsInsteadOfHanging) {
    EXPECT_EQ(dialog_box(TEST_DIALOG, owner, recording_proc), IDCANCEL);
    EXPECT_EQ(headless_windows().size(), 1u);
}

TEST_F(ModalDialog, AQuitMessageEndsTheLoopAndIsKeptForTheOuterOne) {
    headless_set_modal_driver([](Hwnd) { post_quit_message(4); });
    EXPECT_EQ(dialog_box(TEST_DIALOG, owner, recording_proc), 0);
    Msg msg;
    EXPECT_FALSE(get_message(&msg));
    EXPECT_EQ(msg.wparam, 4u);
}

TEST_F(ModalDialog, ADialogDestroyedByItsProcedureEndsTheLoop) {
    headless_set_modal_driver([](Hwnd dialog) { post_message(dialog, WM_COMMAND, IDOK, 0); });
    reaction = [](Hwnd dialog, unsigned message, Wparam, Lparam) -> Lresult {
        if (message == WM_COMMAND) destroy_window(dialog);
        return 1;
    };
    EXPECT_EQ(dialog_box(TEST_DIALOG, owner, recording_proc), 0);
    EXPECT_EQ(headless_windows().size(), 1u);
}

TEST_F(ModalDialog, NestedModalDialogsEndInnermostFirst) {
    int inner_result = -1;
    int depth = 0;
    headless_set_modal_driver([&](Hwnd dialog) {
        ++depth;
        if (depth == 1) {
            inner_result = dialog_box(DEFAULT_DIALOG, dialog, recording_proc);
            end_dialog(dialog, 100);
        } else {
            end_dialog(dialog, 200);
        }
    });
    EXPECT_EQ(dialog_box(TEST_DIALOG, owner, recording_proc), 100);
    EXPECT_EQ(inner_result, 200);
}

} // namespace
