#include "saver/engine/engine_state.h"
#include "saver/engine/timed_modes.h"
#include "saver/model/view.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

int coordinate(const uint8_t (&table)[PLANE_COUNT][STAR_COUNT], int high, int low, int k) {
    return table[high][k] * 256 + table[low][k];
}

void set_coordinate(uint8_t (&table)[PLANE_COUNT][STAR_COUNT], int high, int low, int k,
                    int value) {
    table[high][k] = static_cast<uint8_t>(value >> 8);
    table[low][k] = static_cast<uint8_t>(value & 255);
}

int target_z(int k) {
    return coordinate(target_stars, PLANE_ZH, PLANE_ZL, k);
}
int display_z(int k) {
    return coordinate(display_stars, PLANE_ZH, PLANE_ZL, k);
}
int target_x(int k) {
    return coordinate(target_stars, PLANE_XH, PLANE_XL, k);
}
int display_x(int k) {
    return coordinate(display_stars, PLANE_XH, PLANE_XL, k);
}
int target_y(int k) {
    return coordinate(target_stars, PLANE_YH, PLANE_YL, k);
}

class TimedModes : public ::testing::Test {
  protected:
    void SetUp() override {
        std::memset(target_stars, 0, sizeof target_stars);
        std::memset(display_stars, 0, sizeof display_stars);
        xcolormode = 5;
        track20k = 10;
        track20l = 0;
        track20e = 64;
        track10 = 0.0f;
        bars = 0;
        meteor_count = 1;
        sphere2 = 0;
        speed = 0.0f;
        velocity_z = velocity_x = velocity_y = 0.0f;
        pattern_timer = 0;
        anchor_flag = 0;
    }
};

TEST(PatternFade, TriangleOverThePeriod) {
    EXPECT_FLOAT_EQ(pattern_fade_at(0, 100), 0.0f);
    EXPECT_FLOAT_EQ(pattern_fade_at(10, 100), 0.4f);
    EXPECT_FLOAT_EQ(pattern_fade_at(25, 100), 1.0f);
    EXPECT_FLOAT_EQ(pattern_fade_at(40, 100), 1.0f);
    EXPECT_FLOAT_EQ(pattern_fade_at(50, 100), 1.0f);
    EXPECT_FLOAT_EQ(pattern_fade_at(75, 100), 1.0f);
    EXPECT_FLOAT_EQ(pattern_fade_at(90, 100), 0.4f);
    EXPECT_FLOAT_EQ(pattern_fade_at(100, 100), 0.0f);
}

TEST(PatternFade, DegeneratePeriodsStayWithinZeroToOne) {
    EXPECT_FLOAT_EQ(pattern_fade_at(0, 0), 1.0f);
    EXPECT_FLOAT_EQ(pattern_fade_at(1, 0), 1.0f);
    // The timer still holds the idle value on the first frame of a timed mode.
    EXPECT_FLOAT_EQ(pattern_fade_at(PATTERN_TIMER_IDLE, 100), 0.0f);
    EXPECT_FLOAT_EQ(pattern_fade_at(5, -20), 1.0f);
}

TEST_F(TimedModes, PatternTimerRegeneratesAtThePeriodEnd) {
    track10 = -1.0f; // no star glides, so only the generator can touch the tables
    std::memset(target_stars, 0xAB, sizeof target_stars);
    pattern_timer = 99;
    timed_modes_step();
    EXPECT_EQ(pattern_timer, 100);
    EXPECT_EQ(target_z(500), 0xABAB);
    timed_modes_step();
    EXPECT_FLOAT_EQ(pattern_fade, 0.0f);
    EXPECT_EQ(pattern_timer, 0);
    bool regenerated = false;
    for (int k = 0; k < STAR_COUNT && !regenerated; ++k)
        regenerated = target_z(k) != 0xABAB || target_x(k) != 0xABAB;
    EXPECT_TRUE(regenerated);
}

TEST_F(TimedModes, TopOfSliderKeepsThePatternButStillFades) {
    track10 = -1.0f;
    track20k = 128;
    std::memset(target_stars, 0xAB, sizeof target_stars);
    pattern_timer = 1280;
    timed_modes_step();
    EXPECT_EQ(pattern_timer, 0);
    for (int k = 0; k < STAR_COUNT; ++k) ASSERT_EQ(target_z(k), 0xABAB) << k;
    pattern_timer = 320;
    timed_modes_step();
    EXPECT_FLOAT_EQ(pattern_fade, 1.0f);
    pattern_timer = 1248;
    timed_modes_step();
    EXPECT_NEAR(pattern_fade, 0.1f, 1e-5f);
}

TEST_F(TimedModes, DisplayGlidesByTheFractionOfTheSecondSlider) {
    track10 = 3.0f;
    set_coordinate(target_stars, PLANE_ZH, PLANE_ZL, 0, 40000);
    set_coordinate(target_stars, PLANE_XH, PLANE_XL, 1, 7);
    set_coordinate(display_stars, PLANE_ZH, PLANE_ZL, 2, 7);
    set_coordinate(display_stars, PLANE_XH, PLANE_XL, 3, 100);
    track20l = 0;
    morph_and_fly_stars();
    EXPECT_EQ(display_z(0), 40000);
    EXPECT_EQ(display_x(1), 7);
    EXPECT_EQ(display_z(2), 0);

    std::memset(display_stars, 0, sizeof display_stars);
    set_coordinate(display_stars, PLANE_ZH, PLANE_ZL, 2, 7);
    set_coordinate(display_stars, PLANE_XH, PLANE_XL, 3, 100);
    track20l = 1;
    morph_and_fly_stars();
    EXPECT_EQ(display_z(0), 20000);
    EXPECT_EQ(display_x(1), 3);  // 7 / 2
    EXPECT_EQ(display_z(2), 4);  // 7 + (-7 / 2), truncated toward zero
    EXPECT_EQ(display_x(3), 50); // 100 + (-100 / 2)
    track20l = 3;
    morph_and_fly_stars();
    EXPECT_EQ(display_z(0), 25000);
}

TEST_F(TimedModes, StarLeavingTheCubeTakesItsDisplayCopyAlong) {
    track10 = 0.0f;
    set_coordinate(target_stars, PLANE_ZH, PLANE_ZL, 0, 10);
    set_coordinate(display_stars, PLANE_ZH, PLANE_ZL, 0, 10);
    set_coordinate(target_stars, PLANE_XH, PLANE_XL, 0, 300);
    velocity_z = 1.0f;
    velocity_x = 1.0f;
    speed = 600.0f; // 15 units a frame
    track20l = 128;
    morph_and_fly_stars();
    EXPECT_EQ(target_z(0), 65531);
    EXPECT_EQ(display_z(0), 65531);
    EXPECT_EQ(target_x(0), 300); // axes outside `sphere2` do not fly

    // Inside the cube the display keeps gliding from where it was.
    set_coordinate(target_stars, PLANE_ZH, PLANE_ZL, 0, 1000);
    set_coordinate(display_stars, PLANE_ZH, PLANE_ZL, 0, 1000);
    morph_and_fly_stars();
    EXPECT_EQ(target_z(0), 985);
    EXPECT_EQ(display_z(0), 1000);
}

TEST_F(TimedModes, SlowFlightStillMovesTargetsHighInTheCube) {
    track10 = 0.0f;
    sphere2 = 2;
    speed = 0.05f;
    velocity_z = velocity_x = velocity_y = 1.0f; // 0.00125 units a frame
    const int start = 60000;
    set_coordinate(target_stars, PLANE_ZH, PLANE_ZL, 0, start);
    set_coordinate(target_stars, PLANE_XH, PLANE_XL, 0, start);
    set_coordinate(target_stars, PLANE_YH, PLANE_YL, 0, start);
    morph_and_fly_stars();
    EXPECT_EQ(target_z(0), start - 1);
    EXPECT_EQ(target_x(0), start - 1);
    EXPECT_EQ(target_y(0), start - 1);
}

TEST_F(TimedModes, TopOfTheCubeSnapsTheDisplayOnEveryAxis) {
    track10 = 0.0f;
    track20l = 128;
    for (int axes = 0; axes <= 2; ++axes) {
        sphere2 = axes;
        std::memset(display_stars, 0, sizeof display_stars);
        for (const auto& planes : {std::pair{PLANE_ZH, PLANE_ZL}, std::pair{PLANE_XH, PLANE_XL},
                                   std::pair{PLANE_YH, PLANE_YL}})
            set_coordinate(target_stars, planes.first, planes.second, 0, 65535);
        morph_and_fly_stars();
        EXPECT_EQ(display_z(0), 65535) << axes;
        EXPECT_EQ(display_x(0), 65535) << axes;
        EXPECT_EQ(coordinate(display_stars, PLANE_YH, PLANE_YL, 0), 65535) << axes;
    }
}

TEST_F(TimedModes, FlightAxesFollowTheAxisChoice) {
    track10 = 0.0f;
    set_coordinate(target_stars, PLANE_XH, PLANE_XL, 0, 65530);
    set_coordinate(target_stars, PLANE_YH, PLANE_YL, 0, 1000);
    velocity_x = -1.0f;
    velocity_y = 2.0f;
    speed = 400.0f;
    sphere2 = 1;
    morph_and_fly_stars();
    EXPECT_EQ(target_x(0), 4);
    EXPECT_EQ(display_x(0), 4);
    EXPECT_EQ(target_y(0), 1000);
    sphere2 = 2;
    morph_and_fly_stars();
    EXPECT_EQ(target_x(0), 14);
    EXPECT_EQ(target_y(0), 980);
}

TEST_F(TimedModes, MorphCoversTheDrawnStarsOnly) {
    set_coordinate(target_stars, PLANE_ZH, PLANE_ZL, 0, 100);
    set_coordinate(target_stars, PLANE_ZH, PLANE_ZL, 3, 100);
    set_coordinate(target_stars, PLANE_ZH, PLANE_ZL, 4, 100);
    set_coordinate(target_stars, PLANE_ZH, PLANE_ZL, 9, 100);
    set_coordinate(target_stars, PLANE_ZH, PLANE_ZL, 10, 100);
    track10 = 9.0f;
    bars = 1;
    meteor_count = 4;
    morph_and_fly_stars();
    EXPECT_EQ(display_z(0), 0);
    EXPECT_EQ(display_z(3), 100);
    EXPECT_EQ(display_z(4), 100);
    EXPECT_EQ(display_z(9), 100);
    EXPECT_EQ(display_z(10), 0);
}

TEST_F(TimedModes, FullStarCountAndDamagedGlideStayInBounds) {
    track10 = 32000.0f;
    track20l = -1;
    set_coordinate(target_stars, PLANE_ZH, PLANE_ZL, STAR_COUNT - 1, 12345);
    morph_and_fly_stars();
    EXPECT_EQ(display_z(STAR_COUNT - 1), 12345);

    // Absurd velocities saturate instead of overflowing the conversion.
    velocity_z = 1.0e30f;
    speed = 1000.0f;
    track10 = 0.0f;
    morph_and_fly_stars();
    EXPECT_GE(target_z(0), 0);
    EXPECT_LE(target_z(0), 65535);
}

} // namespace
