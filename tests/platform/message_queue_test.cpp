#include "platform/common/window_table.h"
#include "platform/dialog.h"
#include "platform/headless.h"
#include "platform/window.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

namespace {

struct Seen {
    Hwnd hwnd;
    unsigned message;
    Wparam wparam;
    Lparam lparam;
    bool operator==(const Seen& other) const {
        return hwnd == other.hwnd && message == other.message && wparam == other.wparam &&
               lparam == other.lparam;
    }
};

std::vector<Seen> seen;
Hwnd creating; // the handle create_window has not returned yet
Lresult create_answer;
Hwnd echo_target;

Lresult recording_proc(Hwnd hwnd, unsigned message, Wparam wparam, Lparam lparam) {
    seen.push_back({hwnd, message, wparam, lparam});
    if (message == WM_CREATE) {
        creating = hwnd;
        return create_answer;
    }
    // A sent message that sends on: the inner one is handled before the outer one returns.
    if (message == WM_USER + 1 && echo_target) {
        Lresult inner = send_message(echo_target, WM_USER + 2, wparam + 1, 0);
        return inner * 10;
    }
    if (message == WM_USER + 2) return static_cast<Lresult>(wparam);
    if (message == WM_USER + 3) post_message(hwnd, WM_USER + 4, 0, 0);
    return 0;
}

class MessageQueue : public ::testing::Test {
  protected:
    void SetUp() override {
        headless_reset();
        seen.clear();
        creating = echo_target = nullptr;
        create_answer = 0;
        ASSERT_TRUE(register_class("QUEUETEST", recording_proc));
    }
    void TearDown() override { headless_reset(); }

    static Hwnd make(unsigned style = 0, int width = 100, int height = 50) {
        return create_window("QUEUETEST", "queue", style, 10, 20, width, height, nullptr);
    }
    static std::vector<unsigned> messages_of(Hwnd hwnd) {
        std::vector<unsigned> result;
        for (const Seen& s : seen)
            if (s.hwnd == hwnd) result.push_back(s.message);
        return result;
    }
};

TEST_F(MessageQueue, CreateIsSentBeforeCreateWindowReturnsThenSize) {
    Hwnd hwnd = make(0, 120, 80);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(creating, hwnd);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].message, WM_CREATE);
    EXPECT_EQ(seen[1], (Seen{hwnd, WM_SIZE, 0, make_lparam(120, 80)}));
    EXPECT_TRUE(headless_posted_messages().empty());
}

TEST_F(MessageQueue, CreationFailuresAndClassNames) {
    create_answer = -1;
    EXPECT_EQ(make(), nullptr);
    EXPECT_TRUE(headless_windows().empty());
    EXPECT_FALSE(is_window(creating));
    create_answer = 0;
    EXPECT_EQ(create_window("NOSUCHCLASS", "", 0, 0, 0, 1, 1, nullptr), nullptr);
    EXPECT_FALSE(register_class("QUEUETEST", recording_proc));
    EXPECT_FALSE(register_class("queuetest", recording_proc)); // names match without case
    Hwnd hwnd = create_window("QueueTest", "", 0, 0, 0, 1, 1, nullptr);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_STREQ(window_class(hwnd), "QUEUETEST");
}

TEST_F(MessageQueue, PostedMessagesComeOutInOrderWithTheirParameters) {
    Hwnd a = make();
    Hwnd b = make();
    post_message(a, WM_COMMAND, 40066, 0);
    post_message(b, WM_KEYDOWN, 'R', 7);
    post_message(a, WM_COMMAND, 40130, -3);
    ASSERT_EQ(headless_posted_messages().size(), 3u);
    seen.clear();
    Msg msg{};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(get_message(&msg));
        dispatch_message(msg);
    }
    EXPECT_EQ(seen,
              (std::vector<Seen>{
                  {a, WM_COMMAND, 40066, 0}, {b, WM_KEYDOWN, 'R', 7}, {a, WM_COMMAND, 40130, -3}}));
}

TEST_F(MessageQueue, SendIsSynchronousAndReentrant) {
    Hwnd outer = make();
    Hwnd inner = make();
    echo_target = inner;
    seen.clear();
    EXPECT_EQ(send_message(outer, WM_USER + 1, 4, 0), 50);
    EXPECT_EQ(seen, (std::vector<Seen>{{outer, WM_USER + 1, 4, 0}, {inner, WM_USER + 2, 5, 0}}));
    // A message posted from inside a sent one waits for the loop.
    send_message(outer, WM_USER + 3, 0, 0);
    ASSERT_EQ(headless_posted_messages().size(), 1u);
    EXPECT_EQ(headless_posted_messages()[0].message, WM_USER + 4u);
}

TEST_F(MessageQueue, QuitComesAfterPostedMessagesWithItsCode) {
    Hwnd hwnd = make();
    post_quit_message(3);
    post_message(hwnd, WM_USER, 0, 0);
    Msg msg{};
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_FALSE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wparam, 3u);
    // The quit message is taken once; afterwards the loop would just go idle.
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_NULL);
}

TEST_F(MessageQueue, PaintOnlyWhenIdleAndOnlyForShownWindows) {
    Hwnd hidden = make();
    Msg msg{};
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_NULL) << "no visible window: nothing can arrive";

    Hwnd shown = make(WS_VISIBLE);
    post_message(hidden, WM_USER, 0, 0);
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_USER);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(get_message(&msg));
        EXPECT_EQ(msg.message, WM_PAINT);
        EXPECT_EQ(msg.hwnd, shown);
    }
    show_window(shown, SW_MINIMIZE);
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_NULL) << "an iconic window is not painted";
    show_window(shown, SW_RESTORE);
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_PAINT);
}

Lresult quiet_dialog_proc(Hwnd, unsigned, Wparam, Lparam) {
    return 0;
}

TEST_F(MessageQueue, ADialogAloneWaitsInsteadOfPainting) {
    const ControlTemplate label = {-1, CTL_LABEL, "text", 0, 0, 20, 8, 0};
    const DialogTemplate only_label = {"ONLY", "Only", 40, 20, &label, 1, true};
    ASSERT_NE(create_dialog(only_label, nullptr, quiet_dialog_proc), nullptr);
    Msg msg{};
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_NULL) << "a dialog draws itself; nothing else can arrive";
    Hwnd shown = make(WS_VISIBLE);
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_PAINT);
    EXPECT_EQ(msg.hwnd, shown);
}

TEST_F(MessageQueue, EveryVisibleWindowGetsItsPaintInTurn) {
    Hwnd a = make(WS_VISIBLE);
    Hwnd b = make(WS_VISIBLE);
    std::vector<Hwnd> painted;
    Msg msg{};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(get_message(&msg));
        ASSERT_EQ(msg.message, WM_PAINT);
        painted.push_back(msg.hwnd);
    }
    EXPECT_EQ(painted, (std::vector<Hwnd>{a, b, a, b}));
}

TEST_F(MessageQueue, PeekNeverInventsPaint) {
    Hwnd hwnd = make(WS_VISIBLE);
    Msg msg{};
    EXPECT_FALSE(peek_message(&msg));
    post_message(hwnd, WM_USER, 1, 2);
    ASSERT_TRUE(peek_message(&msg));
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_FALSE(peek_message(&msg));
}

TEST_F(MessageQueue, DestroyedWindowLosesItsMessagesAndOwnedWindows) {
    Hwnd owner = make();
    Hwnd owned = create_window("QUEUETEST", "", 0, 0, 0, 5, 5, owner);
    Hwnd other = make();
    // Owned in turn by the owned window, and created after a window that is not owned.
    Hwnd grandchild = create_window("QUEUETEST", "", 0, 0, 0, 5, 5, owned);
    post_message(owned, WM_USER, 0, 0);
    post_message(owner, WM_USER, 0, 0);
    post_message(other, WM_USER, 9, 0);
    seen.clear();
    destroy_window(owner);
    EXPECT_EQ(messages_of(owned), (std::vector<unsigned>{WM_DESTROY}));
    EXPECT_EQ(messages_of(owner), (std::vector<unsigned>{WM_DESTROY}));
    EXPECT_FALSE(is_window(owner));
    EXPECT_FALSE(is_window(owned));
    EXPECT_FALSE(is_window(grandchild));
    EXPECT_TRUE(is_window(other));
    ASSERT_EQ(headless_posted_messages().size(), 1u);
    EXPECT_EQ(headless_posted_messages()[0].hwnd, other);
    // Stale handles are harmless.
    post_message(owner, WM_USER, 0, 0);
    EXPECT_EQ(send_message(owner, WM_USER + 2, 5, 0), 0);
    EXPECT_EQ(headless_posted_messages().size(), 1u);
    EXPECT_EQ(get_window_text(owner), "");
}

TEST_F(MessageQueue, FindWindowSeesOnlyVisibleWindowsOfTheClass) {
    EXPECT_EQ(find_window("QUEUETEST"), nullptr);
    Hwnd hidden = make();
    EXPECT_EQ(find_window("QUEUETEST"), nullptr);
    show_window(hidden, SW_SHOW);
    EXPECT_EQ(find_window("QUEUETEST"), hidden);
    EXPECT_EQ(find_window("OTHER"), nullptr);
}

} // namespace

namespace {

// Under a loop of the toolkit (a message box, a chooser) only the painting windows go on: their
// timers and paints. Posted messages, the quit message and a dialog's timer wait.
TEST_F(MessageQueue, FramesUnderAToolkitLoopLeaveEverythingElseWaiting) {
    const ControlTemplate label = {-1, CTL_LABEL, "text", 0, 0, 20, 8, 0};
    const DialogTemplate only_label = {"ONLY", "Only", 40, 20, &label, 1, true};
    Hwnd dialog = create_dialog(only_label, nullptr, quiet_dialog_proc);
    ASSERT_NE(dialog, nullptr);
    Hwnd shown = make(WS_VISIBLE);
    set_timer(dialog, 7, 1);
    set_timer(shown, 8, 1);
    usleep(20000);
    post_message(shown, WM_USER, 0, 0);
    post_quit_message(3);
    Msg msg{};
    ASSERT_TRUE(message_queue_take_frame(&msg));
    EXPECT_EQ(msg.hwnd, shown);
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(msg.wparam, 8u);
    ASSERT_TRUE(message_queue_take_frame(&msg));
    EXPECT_EQ(msg.hwnd, shown);
    EXPECT_EQ(msg.message, WM_PAINT);
    show_window(shown, SW_HIDE);
    EXPECT_FALSE(message_queue_take_frame(&msg));
    // All of it still comes, in the program's own loop.
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_FALSE(get_message(&msg));
    EXPECT_EQ(msg.wparam, 3u);
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.hwnd, dialog);
    EXPECT_EQ(msg.wparam, 7u);
}

} // namespace
