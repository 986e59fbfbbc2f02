#include "platform/clock.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_pacing.h"
#include "saver/model/settings.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr uint64_t SLOW_COUNTER = 3579545;

TEST(FramePacing, ThresholdIsOneAndAThirtySecondFramePeriods) {
    const uint64_t period = SLOW_COUNTER / 60;
    EXPECT_EQ(period, 59659u);
    EXPECT_EQ(pacing_threshold(period), 61523u);
    EXPECT_EQ(pacing_threshold(31), 31u);
    EXPECT_EQ(pacing_threshold(0), 0u);
}

TEST(FramePacing, WaitsOnlyWhenPacedWithAHighResolutionCounter) {
    EXPECT_TRUE(frame_pacing_waits(60, 12345, SLOW_COUNTER));
    EXPECT_FALSE(frame_pacing_waits(0, 12345, SLOW_COUNTER));
    EXPECT_FALSE(frame_pacing_waits(60, 0, SLOW_COUNTER));
    EXPECT_FALSE(frame_pacing_waits(60, 12345, NO_COUNTER_FREQUENCY));
}

TEST(FramePacing, TooEarlyUpToAndIncludingTheThreshold) {
    const uint64_t previous = 1000000;
    EXPECT_TRUE(frame_too_early(previous + 10, previous, 61523));
    EXPECT_TRUE(frame_too_early(previous + 61523, previous, 61523));
    EXPECT_FALSE(frame_too_early(previous + 61524, previous, 61523));
}

class PaceFrame : public ::testing::Test {
  protected:
    void SetUp() override {
        counter_frequency = query_performance_frequency();
        globaldelay = 500;
        frame_period = counter_frequency / 500;
        previous_frame_end = 0;
        current_counter = 0;
    }
    void TearDown() override { globaldelay = 60; }
};

TEST_F(PaceFrame, FrameEndsAtLeastTheThresholdAfterThePreviousOne) {
    const uint64_t start = query_performance_counter();
    previous_frame_end = start;
    pace_frame();
    EXPECT_GT(previous_frame_end - start, pacing_threshold(frame_period));
    EXPECT_EQ(current_counter, previous_frame_end);
}

TEST_F(PaceFrame, FirstFrameOnlyRecordsItsEnd) {
    const uint64_t before = query_performance_counter();
    pace_frame();
    EXPECT_GE(previous_frame_end, before);
    EXPECT_EQ(current_counter, previous_frame_end);
}

TEST(PacingChoice, TheSwapPacesWhereItWaitsForABlankTheTargetKeepsUpWith) {
    struct Case {
        int target;
        bool swap_control;
        double refresh;
        bool by_swap;
    };
    const Case cases[] = {
        {60, true, 60.0, true},   {60, true, 59.94, true}, {144, true, 144.0, true},
        {75, true, 60.0, true},   {60, true, 75.0, false}, {30, true, 60.0, false},
        {60, false, 60.0, false}, {60, true, 0.0, false},  {0, true, 60.0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pace_by_swap_for(c.target, c.swap_control, c.refresh), c.by_swap)
            << c.target << " fps, swap control " << c.swap_control << ", " << c.refresh << " Hz";
}

// A display simulated in nanoseconds: the swap waits for the next vertical blank when the
// swap interval is 1, and the pacer sleeps on the same clock.
struct SimulatedDisplay {
    static uint64_t now;
    static uint64_t now_ns() { return now; }
    static void sleep(unsigned milliseconds) { now += milliseconds * 1000000ull + 60000; }
};
uint64_t SimulatedDisplay::now;

class PacedUnderVerticalSync : public ::testing::Test {
  protected:
    static constexpr uint64_t BLANK = 1000000000ull / 60;
    static constexpr uint64_t RENDERING = 3000000;

    void SetUp() override {
        counter_frequency = 1000000000ull;
        SimulatedDisplay::now = 1000000000ull;
        previous_frame_end = 0;
        globaldelay = 60;
        frame_period = frame_period_for(counter_frequency, globaldelay);
    }
    void TearDown() override { pace_by_swap = 0; }

    // Frames presented at distinct blanks over one second of blanks.
    int distinct_frames_in_a_second(bool swap_waits) {
        const uint64_t start_blank = SimulatedDisplay::now / BLANK;
        std::set<uint64_t> shown_at;
        while (SimulatedDisplay::now / BLANK < start_blank + 60) {
            SimulatedDisplay::now += RENDERING;
            if (swap_waits) SimulatedDisplay::now = (SimulatedDisplay::now / BLANK + 1) * BLANK;
            shown_at.insert((SimulatedDisplay::now + BLANK - 1) / BLANK);
            pace_frame_on({SimulatedDisplay::now_ns, SimulatedDisplay::sleep});
        }
        return static_cast<int>(shown_at.size());
    }
};

TEST_F(PacedUnderVerticalSync, TheSwapGivesEveryBlankAFrameWhereSleepingRepeatsFrames) {
    pace_by_swap = pace_by_swap_for(globaldelay, true, 60.0) ? 1 : 0;
    ASSERT_EQ(pace_by_swap, 1);
    EXPECT_GE(distinct_frames_in_a_second(true), 59);
    // What sleeping for 1.03 periods does on the same display: its oversleeping adds up
    // until a frame misses its blank, and the one before is shown twice.
    pace_by_swap = 0;
    EXPECT_LE(distinct_frames_in_a_second(true), 57);
}

TEST_F(PacedUnderVerticalSync, WithoutAWaitingSwapTheSleepingPacerKeepsItsTarget) {
    pace_by_swap = pace_by_swap_for(globaldelay, false, 60.0) ? 1 : 0;
    ASSERT_EQ(pace_by_swap, 0);
    const uint64_t start = SimulatedDisplay::now;
    int frames = 0;
    for (; SimulatedDisplay::now - start < 1000000000ull; ++frames) {
        SimulatedDisplay::now += RENDERING;
        pace_frame_on({SimulatedDisplay::now_ns, SimulatedDisplay::sleep});
    }
    EXPECT_GE(frames, 54);
    EXPECT_LE(frames, 60);
}

// A screen locked for an hour with its saver stopped: the clock timers move by an hour.
TEST(PauseResume, AnHourLongPauseMovesTheClockTimersByAnHour) {
    counter_frequency = 1000000000ull;
    hold_start_time = 5000000000ull;
    previous_frame_end = 6000000000ull;
    const uint64_t hour = 3600ull * 1000000000ull;
    resume_after_pause(hour);
    EXPECT_EQ(hold_start_time, 5000000000ull + hour);
    EXPECT_EQ(previous_frame_end, 6000000000ull + hour);
    // The first hold after start is measured from 0, and stays so.
    hold_start_time = 0;
    resume_after_pause(hour);
    EXPECT_EQ(hold_start_time, 0u);
}

} // namespace
