#include "saver/engine/engine_state.h"
#include "saver/engine/gl_state.h"
#include "saver/engine/star_frame.h"
#include "saver/model/view.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ColourSetup : public ::testing::Test {
  protected:
    void SetUp() override {
        build_colour_wheel();
        track9 = 5.0f;
        track20 = 200;
        track20a = 100;
        digitsize = 50.0f;
        track20b = 40;
        track20c = 0;
        track20d = 12;
        backcolor = 0;
        titlelen = 0;
        flat = 0;
        dig = 0;
        plot = 0;
        fade_factor = 1.0f;
        for (int k = 0; k < 3; ++k) tail_colour[k] = star_colour[k] = 0;
        colour_shift = 0;
        colour_shift_countdown = 0;
        colour_shift_direction = 1;
    }
};

TEST_F(ColourSetup, ColoursGlideByTheStepWithoutPassingTheTarget) {
    tail_colour[1] = 3;
    setup_colours();
    EXPECT_EQ(tail_colour[0], 5);
    EXPECT_EQ(tail_colour[1], 0); // down by at most 5, stopping at the target
    EXPECT_EQ(tail_colour[2], 5);
    for (int frame = 0; frame < 10; ++frame) setup_colours();
    EXPECT_EQ(tail_colour[0], 40);
    EXPECT_EQ(tail_colour[2], 12);
    EXPECT_EQ(star_colour[0], 55);

    track9 = 61.0f; // above 60: at once from now on
    const FrameColours colours = setup_colours();
    EXPECT_EQ(track9, 1000.0f);
    EXPECT_EQ(star_colour[0], 200);
    EXPECT_FLOAT_EQ(colours.star_base[0], 200.0f / 256.0f);
    EXPECT_FLOAT_EQ(colours.tail_end[0], 40.0f / 256.0f);
}

TEST_F(ColourSetup, WheelRotatesTheFirstColourSet) {
    track9 = 1000.0f;
    backcolor = 100;
    colour_shift = 256; // A = 0, B = 256, C = 0
    colour_shift_countdown = 5;
    setup_colours();
    EXPECT_EQ(colour_shift, 256);
    EXPECT_EQ(star_colour[0], 50);
    EXPECT_EQ(star_colour[1], 200);
    EXPECT_EQ(star_colour[2], 100);
}

TEST_F(ColourSetup, LfoTurnsTheWheelAtItsPace) {
    backcolor = 200; // backwards, 8 a step
    colour_shift = 3;
    setup_colours();
    EXPECT_EQ(colour_shift, 763);
    EXPECT_EQ(colour_shift_countdown, 1);

    backcolor = 2; // slowest forward setting: one step every 4 frames
    colour_shift = 0;
    colour_shift_countdown = 0;
    for (int frame = 0; frame < 8; ++frame) setup_colours();
    EXPECT_EQ(colour_shift, 2);

    // A damaged module's LFO far beyond the slider still keeps the shift on the wheel.
    for (int lfo : {1000000, -1000000}) {
        backcolor = lfo;
        for (int frame = 0; frame < 50; ++frame) {
            setup_colours();
            ASSERT_GE(colour_shift, 0) << lfo;
            ASSERT_LE(colour_shift, 768) << lfo;
        }
    }
}

TEST_F(ColourSetup, ModSwingStaysBetweenZeroAndItsRange) {
    backcolor = 8; // 2 a step
    titlelen = 100;
    int lowest = 1000, highest = -1000;
    for (int frame = 0; frame < 300; ++frame) {
        setup_colours();
        lowest = std::min(lowest, colour_shift);
        highest = std::max(highest, colour_shift);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_GE(highest, 100);
    EXPECT_LE(highest, 104);
}

TEST_F(ColourSetup, SwingPastTheWheelEndReadsTheLastEntry) {
    track9 = 1000.0f;
    backcolor = 256; // 33 a step
    titlelen = 768;
    colour_shift = 760;
    colour_shift_countdown = 1;
    setup_colours();
    ASSERT_GT(colour_shift, 768);
    EXPECT_EQ(star_colour[0], 200); // entry 768 is the identity
    EXPECT_EQ(star_colour[1], 100);
    EXPECT_EQ(star_colour[2], 50);
}

TEST_F(ColourSetup, ImageGivesStarsTheSecondSetAndBlackTails) {
    track9 = 1000.0f;
    dig = 1;
    fade_factor = 0.5f;
    const FrameColours colours = setup_colours();
    EXPECT_EQ(star_colour[0], 0); // belongs to the backdrop, which is off
    EXPECT_FLOAT_EQ(colours.star_base[0], 40.0f / 256.0f);
    EXPECT_EQ(colours.tail_end[0], 0.0f);
    plot = 1;
    setup_colours();
    EXPECT_EQ(star_colour[0], 200);
}

} // namespace
