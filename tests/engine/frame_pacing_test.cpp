#include "platform/clock.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_pacing.h"
#include "saver/model/settings.h"

#include <gtest/gtest.h>

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

} // namespace
