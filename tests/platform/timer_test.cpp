#include "platform/clock.h"
#include "platform/headless.h"
#include "platform/window.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

Lresult quiet_proc(Hwnd, unsigned, Wparam, Lparam) {
    return 0;
}

class Timers : public ::testing::Test {
  protected:
    void SetUp() override {
        headless_reset();
        register_class("TIMERTEST", quiet_proc);
        hwnd = create_window("TIMERTEST", "", 0, 0, 0, 10, 10, nullptr);
        ASSERT_NE(hwnd, nullptr);
    }
    void TearDown() override { headless_reset(); }

    // The ids of the next n timer messages, waiting for them as the loop does.
    std::vector<Wparam> next_timers(int n) {
        std::vector<Wparam> ids;
        Msg msg{};
        while (static_cast<int>(ids.size()) < n) {
            EXPECT_TRUE(get_message(&msg));
            if (msg.message != WM_TIMER) {
                ADD_FAILURE() << "unexpected message " << msg.message;
                break;
            }
            EXPECT_EQ(msg.hwnd, hwnd);
            ids.push_back(msg.wparam);
        }
        return ids;
    }

    Hwnd hwnd = nullptr;
};

TEST_F(Timers, DeliveredInDueOrderNotSetOrderAndNeverEarly) {
    uint64_t start = query_performance_counter();
    set_timer(hwnd, 3, 90);
    set_timer(hwnd, 1, 30);
    set_timer(hwnd, 2, 60);
    std::vector<Wparam> order;
    for (int i = 0; i < 3; ++i) {
        std::vector<Wparam> next = next_timers(1);
        ASSERT_EQ(next.size(), 1u);
        kill_timer(hwnd, static_cast<unsigned>(next[0])); // one-shot, as the start timer is
        if (order.empty()) {
            EXPECT_GE(query_performance_counter() - start, 30000000u);
        }
        order.push_back(next[0]);
    }
    EXPECT_EQ(order, (std::vector<Wparam>{1, 2, 3}));
}

TEST_F(Timers, KilledTimerNeverArrivesAndLoopGoesIdle) {
    set_timer(hwnd, 2, 20);
    set_timer(hwnd, 5, 30);
    kill_timer(hwnd, 2);
    EXPECT_EQ(next_timers(1), (std::vector<Wparam>{5}));
    kill_timer(hwnd, 5);
    Msg msg{};
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_NULL);
}

TEST_F(Timers, RepeatsUntilKilledAndResettingReplaces) {
    set_timer(hwnd, 7, 15);
    set_timer(hwnd, 7, 25); // the same id again: one timer, the new interval
    EXPECT_EQ(next_timers(3), (std::vector<Wparam>{7, 7, 7}));
}

TEST_F(Timers, PostedMessagesGoFirstAndPaintWaitsForNoDueTimer) {
    show_window(hwnd, SW_SHOW);
    set_timer(hwnd, 1, 10);
    sleep_ms(20);
    post_message(hwnd, WM_USER, 0, 0);
    Msg msg{};
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_USER);
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_TIMER);
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_PAINT) << "the timer is not due again yet";
}

TEST_F(Timers, ZeroIntervalDoesNotStarvePaint) {
    show_window(hwnd, SW_SHOW);
    set_timer(hwnd, 1, 0);
    int paints = 0;
    Msg msg{};
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(get_message(&msg));
        paints += msg.message == WM_PAINT;
    }
    EXPECT_GT(paints, 40);
}

TEST_F(Timers, DestroyingTheWindowDropsItsTimers) {
    set_timer(hwnd, 1, 10);
    destroy_window(hwnd);
    set_timer(hwnd, 2, 10); // a stale handle starts nothing
    Msg msg{};
    ASSERT_TRUE(get_message(&msg));
    EXPECT_EQ(msg.message, WM_NULL);
}

} // namespace
