#include "tests/shell/control_window_fixture.h"

#include "platform/message_box.h"
#include "saver/resources/control_ids.h"
#include "saver/ui/about_window.h"

namespace {

class AboutWindow : public ControlWindowTest {
  protected:
    void SetUp() override {
        ControlWindowTest::SetUp();
        install = install_fixture_library();
        about_window = nullptr;
    }
    std::string install;
};

TEST_F(AboutWindow, OpensOnceAndCloses) {
    open_about_window(owner);
    const Hwnd about = about_window;
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(get_window_text(about), "SOLVANTRIX  SCREENSAVER   V 9.1   ");
    const size_t windows = headless_windows().size();
    open_about_window(owner);
    EXPECT_EQ(about_window, about);
    EXPECT_EQ(headless_windows().size(), windows);
    headless_press_enter(about);
    EXPECT_FALSE(is_window(about));
    EXPECT_EQ(about_window, nullptr);
}

TEST_F(AboutWindow, ReadMeOpensTheManualAndSaysSoWhenItCannot) {
    open_about_window(owner);
    const Hwnd about = about_window;
    headless_click(about, ID_ABOUT_READ_ME);
    EXPECT_EQ(headless_opened_documents(),
              std::vector<std::string>{install + "/library/readme.txt"});
    EXPECT_TRUE(headless_message_boxes().empty());

    headless_set_open_document_answer(false);
    headless_click(about, ID_ABOUT_READ_ME);
    ASSERT_EQ(headless_message_boxes().size(), 1u);
    EXPECT_NE(headless_message_boxes()[0].text.find("readme.txt"), std::string::npos);
    EXPECT_TRUE(is_window(about)) << "the window stays open either way";
}

} // namespace
