// The Wayland run's window on the headless backend: the module cycle it plays, the size it
// follows as outputs come and go, and the input that ends it.
#include "platform/clock.h"
#include "platform/common/window_table.h"
#include "platform/gl_context.h"
#include "platform/headless.h"
#include "platform/profile.h"
#include "platform/wayland/output_list.h"
#include "platform/window.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/copy_cycle.h"
#include "saver/shell/wayland_window.h"
#include "tests/support/test_env.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

OutputSize output(uint32_t id, int width, int height, int scale = 1) {
    OutputSize size;
    size.id = id;
    size.width = width;
    size.height = height;
    size.scale = scale;
    return size;
}

class WaylandWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        headless_reset();
        ready = busy = in_frame = exit_in_progress = 0;
        run_mode = RUN_HOSTED;
        install = install_fixture_library();
        ASSERT_TRUE(register_class(WINDOW_CLASS, wayland_window_proc));
        hwnd = create_window(WINDOW_CLASS, "", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr);
        ASSERT_TRUE(hwnd);
        // The backend makes the context before the window hears WM_CREATE.
        ASSERT_TRUE(gl_choose_pixel_format(hwnd));
        ASSERT_TRUE(gl_create_context(hwnd));
        start_copy_cycle(hwnd, false);
        pump();
        ASSERT_EQ(ready, 1);
    }
    void pump() {
        Msg msg{};
        while (peek_message(&msg)) dispatch_message(msg);
    }
    // Without pumping: the quit message stays in the queue to be seen.
    void send(unsigned message) { send_message(hwnd, message, 0, 0); }
    void frame() {
        send(WM_PAINT);
        pump();
    }
    bool ended() { return message_queue_quit_pending(); }
    Hwnd hwnd = nullptr;
    std::string install;
};

TEST_F(WaylandWindow, PlaysTheModuleTheSettingsNameAndDrawsIt) {
    EXPECT_STREQ(module_name, "Hand-Made");
    frame();
    frame();
    GLubyte pixels[64 * 64 * 4];
    glReadPixels(368, 268, 64, 64, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    long sum = 0;
    for (size_t i = 0; i < sizeof pixels; i += 4) sum += pixels[i] + pixels[i + 1] + pixels[i + 2];
    EXPECT_GT(sum, 0) << "the frame is black";
    EXPECT_FALSE(ended());
}

// A locker may start one background copy per output: with the cycle on, each takes the next
// module for a walk of its own, while the saver goes on from the settings' module as /s does.
TEST_F(WaylandWindow, ABackgroundCopyWalksTheCycleOnItsOwn) {
    const std::string library = install + "/library/";
    ASSERT_EQ(std::system(("cp -r '" + library + "Hand-Made' '" + library + "Second' && cp '" +
                           library + "Hand-Made.sv' '" + library + "Second.sv'")
                              .c_str()),
              0);
    write_private_profile_string("data", "timer", "5", SETTINGS_FILE);
    write_private_profile_string("data", "modsel", "0", SETTINGS_FILE);
    write_private_profile_string("cycle", "Hand-Made.sv", "1", SETTINGS_FILE);
    write_private_profile_string("cycle", "Second.sv", "1", SETTINGS_FILE);
    start_copy_cycle(hwnd, false);
    pump();
    EXPECT_STREQ(module_name, "Hand-Made");
    start_copy_cycle(hwnd, true);
    pump();
    EXPECT_STREQ(module_name, "Second");
}

// Outputs come and go; the engine draws at the largest one's real pixel size.
TEST_F(WaylandWindow, FollowsTheLargestOutputAsOutputsComeAndGo) {
    struct Step {
        const char* what;
        std::vector<OutputSize> outputs;
        uint32_t lead;
        int width, height;
    } steps[] = {
        {"one output", {output(1, 800, 600)}, 1, 800, 600},
        {"a scaled larger one comes", {output(1, 800, 600), output(2, 640, 360, 2)}, 2, 1280, 720},
        {"one of the same size comes",
         {output(1, 800, 600), output(2, 640, 360, 2), output(3, 1280, 720)},
         2,
         1280,
         720},
        {"the lead goes", {output(1, 800, 600), output(3, 1280, 720)}, 3, 1280, 720},
        {"its scale changes", {output(1, 800, 600), output(3, 640, 360, 1)}, 1, 800, 600},
        {"every output goes", {}, 0, 0, 0},
        {"one comes back", {output(4, 1024, 768)}, 4, 1024, 768},
    };
    uint32_t lead = 1;
    for (const Step& step : steps) {
        lead = follow_lead_output(window_table_find(hwnd), step.outputs, lead);
        EXPECT_EQ(lead, step.lead) << step.what;
        const Rect client = get_client_rect(hwnd);
        EXPECT_EQ(rect_width(client), step.width) << step.what;
        EXPECT_EQ(rect_height(client), step.height) << step.what;
        if (step.width == 0) continue;
        frame();
        GLint viewport[4] = {};
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[2], step.width) << step.what;
        EXPECT_EQ(viewport[3], step.height) << step.what;
    }
}

TEST_F(WaylandWindow, KeysButtonsAndTheCloseEndTheRunAtOnce) {
    for (unsigned message : {WM_KEYDOWN, WM_LBUTTONDOWN, WM_CLOSE}) {
        SetUp();
        send(message);
        EXPECT_TRUE(ended()) << message;
        Msg msg{};
        EXPECT_FALSE(get_message(&msg)) << message;
        EXPECT_EQ(msg.wparam, 0u) << "exit code after " << message;
    }
}

// A surface that appears under the pointer may be reported as a move.
TEST_F(WaylandWindow, PointerMovesEndTheRunOnlyAfterTheGracePeriod) {
    send(WM_MOUSEMOVE);
    frame();
    send(WM_MOUSEMOVE);
    EXPECT_FALSE(ended());
    sleep_ms(WAYLAND_MOVE_GRACE_MS + 50);
    send(WM_MOUSEMOVE);
    EXPECT_TRUE(ended());
}

} // namespace
