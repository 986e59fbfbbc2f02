#include "platform/headless.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_glides.h"
#include "saver/engine/frame_step.h"
#include "saver/engine/gl_state.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

class FrameGlides : public ::testing::Test {
  protected:
    void SetUp() override {
        live_scale = 0.0f;
        live_view_angle = 0.0f;
        track7 = 100;
        track20f2 = 0;
        track20f3 = 0;
        fov = 60;
        barsx2 = 0;
    }

    // Frames until the angle settles on `fov`, or -1 when it does not within `limit`.
    int frames_to_reach_fov(int limit) {
        for (int frame = 1; frame <= limit; ++frame) {
            const float before = live_view_angle;
            glide_view_angle();
            const float remaining_before = std::fabs(fov - before);
            const float remaining = std::fabs(fov - live_view_angle);
            if (remaining > remaining_before) return -1; // moved away
            if (live_view_angle == static_cast<float>(fov)) return frame;
        }
        return -1;
    }
};

TEST_F(FrameGlides, TopOfTheGlideControlsJumpsAtOnce) {
    track7 = 2500; // the scale is clamped to 1000
    track20f3 = 990;
    glide_scale();
    EXPECT_EQ(live_scale, 1000.0f);
    track20f2 = 990;
    barsx2 = 1;
    glide_view_angle();
    EXPECT_EQ(live_view_angle, 60.0f);
}

TEST_F(FrameGlides, ScaleStepsTowardItsTargetAndStopsOnIt) {
    track20f3 = 127; // one unit a frame
    glide_scale();
    EXPECT_FLOAT_EQ(live_scale, 1.0f);
    live_scale = 99.5f;
    glide_scale();
    EXPECT_EQ(live_scale, 100.0f);
    track7 = 10;
    track20f3 = 255; // two units a frame, downward
    live_scale = 13.0f;
    glide_scale();
    EXPECT_FLOAT_EQ(live_scale, 11.0f);
    glide_scale();
    EXPECT_EQ(live_scale, 10.0f);
}

TEST_F(FrameGlides, LinearAngleGlideAt255IsOneDegreePerFrame) {
    track20f2 = 255;
    for (int frame = 1; frame <= 60; ++frame) {
        glide_view_angle();
        ASSERT_FLOAT_EQ(live_view_angle, static_cast<float>(frame));
    }
    fov = 58;
    live_view_angle = 60.5f;
    glide_view_angle();
    EXPECT_FLOAT_EQ(live_view_angle, 59.5f);
    glide_view_angle();
    glide_view_angle();
    EXPECT_EQ(live_view_angle, 58.0f);
}

TEST_F(FrameGlides, LogGlideDivisors) {
    EXPECT_NEAR(log_glide_divisor(0), 3118.1f, 0.1f);
    EXPECT_NEAR(log_glide_divisor(500), 314.0f, 0.1f);
    // Where the cube would fall to 0 or below, one frame covers the whole distance.
    EXPECT_EQ(log_glide_divisor(900), 1.0f);
    EXPECT_EQ(log_glide_divisor(935), 1.0f);
    EXPECT_EQ(log_glide_divisor(989), 1.0f);

    barsx2 = 1;
    glide_view_angle();
    EXPECT_NEAR(live_view_angle, 60.0f / log_glide_divisor(0), 1e-6f);
}

TEST_F(FrameGlides, LogGlideArrivesAtFovForEveryControlSetting) {
    barsx2 = 1;
    for (int glide = 0; glide < GLIDE_AT_ONCE; ++glide) {
        track20f2 = glide;
        fov = 60;
        live_view_angle = 10.0f;
        ASSERT_GT(frames_to_reach_fov(100000), 0) << "track20f2 " << glide;
        fov = 5;
        ASSERT_GT(frames_to_reach_fov(100000), 0) << "track20f2 " << glide << " downward";
    }
    track20f2 = 950;
    live_view_angle = 20.0f;
    fov = 100;
    EXPECT_EQ(frames_to_reach_fov(10), 1);
}

class WholeFrame : public ::testing::Test {
  protected:
    Hwnd window = nullptr;

    void SetUp() override {
        headless_reset();
        window = create_gl_test_window(64, 48);
        ASSERT_NE(window, nullptr);
        init_gl_state(window);
        const std::string work_file = make_temp_dir("frame") + "/module.sv~";
        write_file(work_file, "[2003]\nfov=90\ntrack20f2=1000\nxfloor=off\nvista=250\n"
                              "track10=100\nxcolormode=0\n");
        std::strncpy(module_work_file, work_file.c_str(), sizeof module_work_file - 1);
        globaldelay = 0;
        cycle_timer = 0;
        recording_state = RECORDING_IDLE;
        applied_depth_test = -1;
        live_view_angle = 0.0f;
        last_projected_view_angle = 0.0f;
        pattern_timer = 5;
        fov = 45;
        track20f2 = 0;
        xfloor = 1;
        xcolormode = 0;
        track10 = 100.0f;
        deferred_view7 = 10;
        std::strcpy(pending_view_section, "2003");
        view_load_pending = 1;
        playback_start = 1;
    }

    bool view7_posted() {
        for (const Msg& msg : headless_posted_messages())
            if (msg.hwnd == window && msg.message == WM_COMMAND && msg.wparam == CMD_VIEW7)
                return true;
        return false;
    }
};

TEST_F(WholeFrame, RunsItsStepsInOrder) {
    frame_step(window);
    // The depth test follows the switch as it stood before this frame's View load.
    EXPECT_EQ(applied_depth_test, 1);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(xfloor, 0);
    // The View loaded in this frame already shapes this frame's projection.
    EXPECT_EQ(view_load_pending, 0);
    EXPECT_EQ(live_view_angle, 90.0f);
    EXPECT_EQ(last_projected_view_angle, 90.0f);
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[5], 1.0f, 1e-4f); // cot(90 / 2)
    EXPECT_EQ(resize_pending, 0);
    EXPECT_EQ(projection_dirty, 0);
    // Playback takes the stored thrust at once.
    EXPECT_EQ(playback_start, 0);
    EXPECT_FLOAT_EQ(speed, 250.0f);
    EXPECT_TRUE(view7_posted());
    EXPECT_EQ(deferred_view7, 0);
    EXPECT_EQ(pattern_timer, 10000);
    EXPECT_EQ(frame_busy, 0);
    EXPECT_NE(previous_frame_end, 0u);

    frame_step(window);
    EXPECT_EQ(applied_depth_test, 0);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(frame_busy, 0);
}

float depth_at(int x, int y) {
    float depth = -1.0f;
    glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    return depth;
}

void fill_depth(double value) {
    glClearDepth(value);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
}

TEST_F(WholeFrame, EveryFrameThatTestsDepthStartsFromAClearedDepthBuffer) {
    fill_depth(0.0);    // what an earlier frame could leave: everything would fail the test
    frame_step(window); // the depth test on; this frame's View load turns it off
    EXPECT_EQ(depth_at(0, 0), 1.0f);
    fill_depth(0.0);
    frame_step(window);
    ASSERT_EQ(applied_depth_test, 0);
    xfloor = 1;
    frame_step(window);
    EXPECT_EQ(applied_depth_test, 1);
    EXPECT_EQ(depth_at(0, 0), 1.0f);
    EXPECT_EQ(depth_at(63, 47), 1.0f);
}

TEST_F(WholeFrame, AngleChangeAloneRefreshesTheProjection) {
    view_load_pending = 0;
    playback_start = 0;
    track20f2 = 1000;
    fov = 60;
    frame_step(window);
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[5], 1.0f / std::tan(30.0f * 3.14159265f / 180.0f), 1e-4f);
    EXPECT_EQ(playback_start, 0);

    // No change, no refresh: a projection set elsewhere survives the frame.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    frame_step(window);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_EQ(projection[5], 1.0f);
}

} // namespace
