#include "platform/headless.h"
#include "platform/window.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<Lparam> sizes;

Lresult size_proc(Hwnd, unsigned message, Wparam, Lparam lparam) {
    if (message == WM_SIZE) sizes.push_back(lparam);
    return 0;
}

bool same(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class WindowPlacement : public ::testing::Test {
  protected:
    void SetUp() override {
        headless_reset();
        register_class("PLACETEST", size_proc);
        first = create_window("PLACETEST", "one", WS_OVERLAPPEDWINDOW, 10, 20, 300, 200, nullptr);
        second = create_window("PLACETEST", "two", WS_POPUP, 0, 0, 50, 50, nullptr);
        ASSERT_TRUE(first && second);
        sizes.clear();
    }
    void TearDown() override { headless_reset(); }
    Hwnd first = nullptr, second = nullptr;
};

TEST_F(WindowPlacement, NoMoveAndNoSizeKeepTheirPart) {
    set_window_pos(first, HWND_TOP, 99, 99, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(same(get_window_rect(first), {10, 20, 650, 500}));
    EXPECT_TRUE(same(get_client_rect(first), {0, 0, 640, 480}));
    set_window_pos(first, HWND_TOP, -5, 7, 1, 1, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(same(get_window_rect(first), {-5, 7, 635, 487}));
    EXPECT_EQ(sizes, (std::vector<Lparam>{make_lparam(640, 480)})) << "a move is not a resize";
    set_window_pos(second, HWND_TOP, 0, 0, -20, -1, SWP_NOZORDER);
    EXPECT_TRUE(same(get_client_rect(second), {0, 0, 0, 0})) << "empty, not inverted";
}

TEST_F(WindowPlacement, ShowAndHideFlags) {
    EXPECT_FALSE(is_window_visible(first));
    set_window_pos(first, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    EXPECT_TRUE(is_window_visible(first));
    EXPECT_TRUE(same(get_window_rect(first), {10, 20, 310, 220}));
    set_window_pos(first, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
    EXPECT_FALSE(is_window_visible(first));
    EXPECT_TRUE(sizes.empty());
}

TEST_F(WindowPlacement, ZOrderFollowsTopBottomAndNoZOrder) {
    // The later window starts on top.
    EXPECT_EQ(headless_z_order(), (std::vector<Hwnd>{second, first}));
    set_window_pos(first, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(headless_z_order(), (std::vector<Hwnd>{first, second}));
    set_window_pos(second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(headless_z_order(), (std::vector<Hwnd>{first, second}));
    set_window_pos(first, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(headless_z_order(), (std::vector<Hwnd>{second, first}));
    set_foreground_window(first);
    EXPECT_EQ(headless_z_order().front(), first);
    EXPECT_EQ(headless_foreground_window(), first);
}

TEST_F(WindowPlacement, StyleTakesEffectAndFrameChangeMovesNothing) {
    unsigned framed = get_window_style(first);
    set_window_style(first, framed ^ (WS_CAPTION | WS_THICKFRAME));
    set_window_pos(first, HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(get_window_style(first) & WS_CAPTION, 0u);
    EXPECT_TRUE(same(get_window_rect(first), {10, 20, 310, 220}));
    EXPECT_EQ(headless_z_order().front(), second);
}

TEST_F(WindowPlacement, TitleAndShowCommands) {
    EXPECT_EQ(get_window_text(first), "one");
    set_window_text(first, "demo.sv");
    EXPECT_EQ(get_window_text(first), "demo.sv");
    show_window(first, SW_MINIMIZE);
    EXPECT_TRUE(is_iconic(first));
    show_window(first, SW_SHOW); // showing does not restore
    EXPECT_TRUE(is_iconic(first));
    show_window(first, SW_RESTORE);
    EXPECT_FALSE(is_iconic(first));
    EXPECT_TRUE(is_window_visible(first));
    show_window(first, SW_HIDE);
    EXPECT_FALSE(is_window_visible(first));
}

} // namespace
