#include "platform/headless.h"
#include "platform/hosted/frame_rate_overlay.h"
#include "tests/support/gl_window.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

namespace {

constexpr uint64_t SECOND = 1000000000;

TEST(FrameRateCounter, ShowsTheRateOfTheLastFullSecond) {
    struct Case {
        int frames_per_second;
        const char* shown;
    } cases[] = {{60, "FPS: 60.0"}, {24, "FPS: 24.0"}, {1, "FPS: 1.0"}};
    for (const Case& c : cases) {
        FrameRateCounter counter;
        const uint64_t interval = SECOND / static_cast<uint64_t>(c.frames_per_second);
        uint64_t now = 5 * SECOND;
        EXPECT_EQ(counter.frame(now), "");
        for (int i = 1; i < c.frames_per_second; ++i)
            EXPECT_EQ(counter.frame(now += interval), "") << "before a full second";
        EXPECT_EQ(counter.frame(now += SECOND - interval * (c.frames_per_second - 1)), c.shown);
        // The text stays until the next second is over.
        EXPECT_EQ(counter.frame(now + interval), c.shown);
    }
}

class FrameRateOverlay : public ::testing::Test {
  protected:
    void TearDown() override { headless_reset(); }
};

bool any_white(int left, int bottom, int width, int height) {
    for (int y = bottom; y < bottom + height; ++y)
        for (int x = left; x < left + width; ++x)
            if (read_pixel(x, y) == std::array<uint8_t, 3>{255, 255, 255}) return true;
    return false;
}

TEST_F(FrameRateOverlay, DrawsInTheBottomLeftCornerAndLeavesTheFrameStateAlone) {
    ASSERT_NE(create_gl_test_window(320, 200), nullptr);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.6, 0.001, 5200.0);
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glColor3f(1.0f, 0.0f, 0.0f);

    draw_frame_rate("FPS: 88.8");

    EXPECT_TRUE(any_white(0, 0, 80, 20));
    EXPECT_FALSE(any_white(0, 40, 320, 160));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[1], 0.0f);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLfloat after[16];
    glGetFloatv(GL_PROJECTION_MATRIX, after);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(after[i], projection[i]) << i;
}

TEST_F(FrameRateOverlay, NothingIsDrawnBeforeARateIsKnown) {
    ASSERT_NE(create_gl_test_window(320, 200), nullptr);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    draw_frame_rate("");
    EXPECT_FALSE(any_white(0, 0, 320, 200));
}

} // namespace
