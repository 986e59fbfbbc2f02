// The setup program on the headless backend, in a home directory of its own per test.
#pragma once

#include "platform/dialog.h"
#include "platform/headless.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "setup/setup_program.h"
#include "setup/setup_state.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>

class SetupProgram : public ::testing::Test {
  protected:
    std::string home, config, data;

    void SetUp() override {
        headless_reset();
        headless_clear_message_boxes();
        headless_set_message_box_answer(IDOK);
        headless_set_screen_dpi(96);
        home = make_temp_dir("home");
        config = home + "/.config";
        data = home + "/.local/share";
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        setenv("XDG_DATA_HOME", data.c_str(), 1);
    }
    void TearDown() override { headless_reset(); }

  public:
    // Hands out messages until the condition holds; false after a minute without it.
    static bool pump_until(const std::function<bool()>& done) {
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        Msg msg{};
        while (!done()) {
            if (std::chrono::steady_clock::now() > give_up) return false;
            if (!get_message(&msg)) return done();
            if (!setup_dialog || !is_dialog_message(setup_dialog, msg)) dispatch_message(msg);
        }
        return true;
    }
    static bool ended() { return setup_dialog == nullptr; }
    static bool click(int id) { return headless_click(setup_dialog, id); }
    static std::string text(int id);
};
