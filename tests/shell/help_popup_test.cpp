#include "tests/shell/control_window_fixture.h"

#include "platform/common/control_model.h"
#include "platform/message_box.h"
#include "saver/resources/control_ids.h"
#include "saver/resources/help_texts.h"
#include "saver/resources/status_template.h"

namespace {

class HelpPopup : public ControlWindowTest {
  protected:
    void SetUp() override {
        ControlWindowTest::SetUp();
        multienable = 0;
        help_popup = nullptr;
        open();
    }
    void TearDown() override {
        headless_set_screens({0, 0, 1280, 720}, {0, 0, 1280, 720});
        multienable = 0;
        ControlWindowTest::TearDown();
    }
    // The popup height for a text: measured as one line, cut into lines of the popup width.
    static int height_for(const std::string& text, int width) {
        const int lines = static_cast<int>(text.size()) * HEADLESS_CHAR_WIDTH / width + 1;
        return (HEADLESS_CHAR_HEIGHT + 5) * lines + 32;
    }
    int popup_width() const { return dialog_units_to_x(99); }
};

TEST_F(HelpPopup, EveryHelpTextBelongsToAControlOfTheWindow) {
    int with_help = 0;
    for (int i = 0; i < STATUS_TEMPLATE.control_count; ++i) {
        const ControlTemplate& control = STATUS_TEMPLATE.controls[i];
        if (control.id >= 0 && !control_help_text(control.id).empty()) ++with_help;
    }
    EXPECT_EQ(with_help, 113);
    EXPECT_EQ(control_help_text(ID_SHORTMODE), "");
    // The blanks belong to the text; 414 and 418 differ only in them.
    EXPECT_EQ(control_help_text(ID_VIEW1),
              "Display View #1.  Each View # holds a 'preset' of all settings." +
                  std::string(28, ' '));
    EXPECT_NE(control_help_text(414), control_help_text(418));
}

TEST_F(HelpPopup, RightClickShowsTheTextBelowTheControlSizedForItsLines) {
    headless_right_click(dialog, ID_VIEW1);
    ASSERT_NE(help_popup, nullptr);
    const std::string text = control_help_text(ID_VIEW1);
    EXPECT_EQ(get_dlg_item_text(help_popup, ID_HELP_POPUP_TEXT), text);
    const Rect control = get_dlg_item_rect(dialog, ID_VIEW1);
    const Rect window = get_window_rect(dialog);
    EXPECT_EQ(control.left, window.left + dialog_units_to_x(3)) << "View 1 stands at 3, 20";
    EXPECT_EQ(control.top, window.top + dialog_units_to_y(20));
    const Rect popup = get_window_rect(help_popup);
    EXPECT_EQ(popup.left, control.left);
    EXPECT_EQ(popup.top, control.top + 16);
    EXPECT_EQ(rect_width(popup), popup_width());
    EXPECT_EQ(rect_height(popup), height_for(text, popup_width()));
    EXPECT_TRUE(is_window_visible(help_popup));
    EXPECT_EQ(headless_foreground_window(), help_popup);
}

TEST_F(HelpPopup, TheNextRightClickReplacesItAndAControlWithoutHelpLeavesIt) {
    headless_right_click(dialog, ID_VIEW1);
    const Hwnd first = help_popup;
    headless_right_click(dialog, ID_SHORTMODE);
    EXPECT_EQ(help_popup, first);
    headless_right_click(dialog, ID_GENERATE); // the new one may reuse the old handle
    ASSERT_NE(help_popup, nullptr);
    EXPECT_EQ(get_dlg_item_text(help_popup, ID_HELP_POPUP_TEXT), control_help_text(ID_GENERATE));
    int popups = 0;
    for (Hwnd window : headless_windows())
        if (dialog_model(window) && dialog_model(window)->source->name == std::string("HELPTEXT1"))
            ++popups;
    EXPECT_EQ(popups, 1);
}

TEST_F(HelpPopup, AClickIntoThePopupClosesIt) {
    for (unsigned click : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
        headless_right_click(dialog, ID_VIEW1);
        const Hwnd popup = help_popup;
        send_message(popup, click, 0, 0);
        EXPECT_FALSE(is_window(popup));
        EXPECT_EQ(help_popup, nullptr);
    }
    headless_right_click(dialog, ID_VIEW1);
    const Hwnd popup = help_popup;
    headless_right_click(popup, ID_HELP_POPUP_TEXT); // onto its text
    EXPECT_FALSE(is_window(popup));
}

TEST_F(HelpPopup, NearTheScreenEdgesThePopupIsPulledInside) {
    const int w = popup_width();
    const int h = height_for(control_help_text(ID_VIEW1), w);
    struct Case {
        Rect primary, whole;
        int multi;
        int window_x, window_y;
        int left, top; // -1: where the control is
    } cases[] = {
        {{0, 0, 400, 300}, {0, 0, 400, 300}, 0, 350, 280, 400 - w - 16, 300 - h},
        {{0, 0, 150, 900}, {0, 0, 150, 900}, 0, 100, 10, 2, -1},
        {{0, 0, 400, 300}, {0, 0, 2000, 1500}, 1, 350, 280, -1, -1},
    };
    for (const Case& c : cases) {
        headless_set_screens(c.primary, c.whole);
        multienable = c.multi;
        set_window_pos(dialog, HWND_TOP, c.window_x, c.window_y, 0, 0, SWP_NOSIZE);
        headless_right_click(dialog, ID_VIEW1);
        ASSERT_NE(help_popup, nullptr);
        const Rect control = get_dlg_item_rect(dialog, ID_VIEW1);
        const Rect popup = get_window_rect(help_popup);
        EXPECT_EQ(popup.left, c.left < 0 ? control.left : c.left) << c.window_x;
        EXPECT_EQ(popup.top, c.top < 0 ? control.top + 16 : c.top) << c.window_x;
    }
}

} // namespace
