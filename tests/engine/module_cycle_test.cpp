#include "platform/headless.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_pacing.h"
#include "saver/engine/module_cycle.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

Lresult quiet_window(Hwnd, unsigned, Wparam, Lparam) {
    return 0;
}

class ModuleCycle : public ::testing::Test {
  protected:
    Hwnd window = nullptr;

    void SetUp() override {
        headless_reset();
        register_class("ModuleCycleTest", quiet_window);
        window = create_window("ModuleCycleTest", "", 0, 0, 0, 64, 64, nullptr);
        std::remove(resolve_profile_path(SETTINGS_FILE).c_str());
        write_private_profile_string("data", "path", "/opt/saver/", SETTINGS_FILE);
        module_cycle_counter = 0;
        cycle_length = 0;
        hold_start_time = 0;
        counter_frequency = 1000;
        current_counter = 1000000;
        fade_factor = 0.4f;
        pattern_fade = 0.25f;
        pattern_timer = 0;
        xcolormode = 0;
        track3 = 0.0f;
        track20k = 10;
        load_module_from_settings = 0;
        // a, c and d are included in cycling, b is not.
        module_files = {"a.sv", "b.sv", "c.sv", "d.sv"};
        next_module = {2, -1, 3, 0};
        shuffled_module = {3, -1, 0, 2};
        first_included_module = 0;
        selected_module = 0;
        own_cycle_position = -1;
        own_cycle_step = 0;
        own_cycle_module[0] = '\0';
    }

    int load_commands_posted() {
        int count = 0;
        for (const Msg& msg : headless_posted_messages())
            if (msg.hwnd == window && msg.message == WM_COMMAND && msg.wparam == CMD_LOAD_MODULE)
                ++count;
        return count;
    }

    std::string setting(const char* key) {
        char text[600];
        get_private_profile_string("data", key, "", text, sizeof text, SETTINGS_FILE);
        return text;
    }

    // Runs whole cycles until the next module change; returns the number of frames.
    int run_until_change() {
        const int posted = load_commands_posted();
        for (int frame = 1; frame <= 1000; ++frame) {
            current_counter += 1000000;
            module_cycle(window);
            if (load_commands_posted() > posted) return frame;
        }
        return -1;
    }
};

TEST_F(ModuleCycle, TimerZeroKeepsFullBrightnessAndTheModule) {
    cycle_timer = 0;
    for (int frame = 0; frame < 2000; ++frame) {
        current_counter += 1000000;
        module_cycle(window);
        ASSERT_EQ(fade_factor, 1.0f);
    }
    EXPECT_EQ(cycle_length, 0);
    EXPECT_EQ(module_cycle_counter, 0);
    EXPECT_EQ(load_commands_posted(), 0);
}

TEST_F(ModuleCycle, TubePatternFadeRulesWhileCyclingIsOff) {
    cycle_timer = 0;
    xcolormode = 5;
    module_cycle(window);
    EXPECT_EQ(fade_factor, 0.25f);
    track3 = 360.0f;
    module_cycle(window);
    EXPECT_EQ(fade_factor, 1.0f);
    track3 = 0.0f;
    track20k = 128;
    module_cycle(window);
    EXPECT_EQ(fade_factor, 1.0f);
    track20k = 10;
    xcolormode = 8;
    module_cycle(window);
    EXPECT_EQ(fade_factor, 1.0f);
}

TEST_F(ModuleCycle, FadeInHoldFadeOutSequence) {
    cycle_timer = 5;
    current_counter = 5000000;
    // The first fade-in starts from 0.4 and is held at the limit 1.0.
    for (int expected = 1; expected <= 149; ++expected) {
        module_cycle(window);
        ASSERT_EQ(module_cycle_counter, expected);
        ASSERT_EQ(pattern_timer, track20k * 5);
        ASSERT_NEAR(fade_factor, std::min(0.4f + expected * 0.0066f, 1.0f), 1e-4f);
    }
    EXPECT_EQ(cycle_length, 301);
    module_cycle(window);
    EXPECT_EQ(module_cycle_counter, 150);
    EXPECT_EQ(fade_factor, 1.0f);
    // The first hold ends at once: its start time is 0.
    module_cycle(window);
    EXPECT_EQ(module_cycle_counter, 151);
    EXPECT_EQ(hold_start_time, 5000000u);
    EXPECT_EQ(fade_factor, 1.0f);
    for (int expected = 152; expected <= 301; ++expected) {
        module_cycle(window);
        ASSERT_EQ(module_cycle_counter, expected);
        ASSERT_NEAR(fade_factor, 1.0f - (expected - 151) * 0.0066f, 1e-4f);
    }
    EXPECT_EQ(load_commands_posted(), 0);
    module_cycle(window);
    EXPECT_EQ(module_cycle_counter, 0);
    EXPECT_NEAR(fade_factor, 1.0f - 151 * 0.0066f, 1e-4f);
    EXPECT_EQ(load_commands_posted(), 1);
    EXPECT_EQ(load_module_from_settings, 1);

    // Steady state: a fade-in from 0 ends at 149 steps, and the fade-out reaches 0.
    fade_factor = 0.0f;
    for (int frame = 0; frame < 150; ++frame) module_cycle(window);
    EXPECT_NEAR(fade_factor, 149 * 0.0066f, 1e-4f);
    EXPECT_EQ(module_cycle_counter, 150);
}

TEST_F(ModuleCycle, HoldLastsSixTimesTheTimerInSecondsAfterThePreviousHold) {
    cycle_timer = 5;
    module_cycle_counter = 150;
    hold_start_time = 7000000;
    const uint64_t hold_ticks = 1000 * 5 * 6;
    current_counter = hold_start_time + hold_ticks;
    module_cycle(window);
    EXPECT_EQ(module_cycle_counter, 150);
    current_counter = hold_start_time + hold_ticks + 1;
    module_cycle(window);
    EXPECT_EQ(module_cycle_counter, 151);

    // A negative timer of the same size holds as long.
    cycle_timer = 65531;
    module_cycle_counter = 150;
    hold_start_time = current_counter;
    current_counter += hold_ticks;
    module_cycle(window);
    EXPECT_EQ(module_cycle_counter, 150);
    current_counter += 1;
    module_cycle(window);
    EXPECT_EQ(module_cycle_counter, 151);
}

TEST_F(ModuleCycle, TubePatternFadeDuringTheHoldOnly) {
    cycle_timer = 5;
    xcolormode = 5;
    module_cycle_counter = 150;
    hold_start_time = current_counter;
    fade_factor = 0.9f;
    module_cycle(window);
    EXPECT_EQ(fade_factor, 0.25f);
    module_cycle_counter = 100;
    fade_factor = 0.5f;
    module_cycle(window);
    EXPECT_NEAR(fade_factor, 0.5066f, 1e-5f);
}

TEST(CycleTimer, MagnitudeOfTheSixteenBitPattern) {
    EXPECT_EQ(cycle_timer_magnitude(0), 0);
    EXPECT_EQ(cycle_timer_magnitude(5), 5);
    EXPECT_EQ(cycle_timer_magnitude(999), 999);
    EXPECT_EQ(cycle_timer_magnitude(65531), 5);
    EXPECT_EQ(cycle_timer_magnitude(64537), 999);
}

TEST_F(ModuleCycle, AlphabeticalOrderSkipsModulesNotIncluded) {
    cycle_timer = 5;
    const char* shown[] = {"c.sv", "d.sv", "a.sv", "c.sv"};
    const char* stored_modsel[] = {"2", "3", "0", "2"};
    for (int change = 0; change < 4; ++change) {
        ASSERT_EQ(run_until_change(), 302) << change;
        EXPECT_EQ(setting("module"), std::string("/opt/saver/library/") + shown[change]);
        EXPECT_EQ(setting("modsel"), stored_modsel[change]);
    }
    EXPECT_EQ(selected_module, 2);
    EXPECT_EQ(load_commands_posted(), 4);
}

TEST_F(ModuleCycle, ShuffledOrderStoresTheAlphabeticalSuccessor) {
    cycle_timer = 65531;
    const char* shown[] = {"d.sv", "a.sv", "c.sv"};
    const char* stored_modsel[] = {"2", "3", "0"};
    for (int change = 0; change < 3; ++change) {
        ASSERT_EQ(run_until_change(), 302);
        EXPECT_EQ(setting("module"), std::string("/opt/saver/library/") + shown[change]);
        EXPECT_EQ(setting("modsel"), stored_modsel[change]);
        EXPECT_EQ(selected_module, shown[change][0] - 'a');
    }
}

TEST_F(ModuleCycle, NoModuleIncludedShowsModuleZeroAgain) {
    cycle_timer = 5;
    next_module = {0, 0, 0, 0};
    shuffled_module = {0, 0, 0, 0};
    for (int change = 0; change < 3; ++change) {
        write_private_profile_string("data", "modsel", std::to_string(change).c_str(),
                                     SETTINGS_FILE);
        ASSERT_EQ(run_until_change(), 302);
        EXPECT_EQ(setting("module"), "/opt/saver/library/a.sv");
        EXPECT_EQ(setting("modsel"), "0");
    }
}

TEST_F(ModuleCycle, DamagedSelectionOrEmptyLibraryStaysInBounds) {
    EXPECT_EQ(choose_next_module(99, false).module, 2);
    EXPECT_EQ(choose_next_module(-4, true).module, 3);
    next_module = {5, -1, 3, 0};
    EXPECT_EQ(choose_next_module(0, false).module, 3);

    module_files.clear();
    next_module.clear();
    shuffled_module.clear();
    write_private_profile_string("data", "module", "/somewhere/kept.sv", SETTINGS_FILE);
    write_private_profile_string("data", "modsel", "7", SETTINGS_FILE);
    change_module(window);
    EXPECT_EQ(setting("module"), "/somewhere/kept.sv");
    EXPECT_EQ(setting("modsel"), "0");
    EXPECT_EQ(load_commands_posted(), 1);
}

TEST_F(ModuleCycle, ChangeReachesTheSettingsFileOnDisk) {
    write_private_profile_string("data", "modsel", "2", SETTINGS_FILE);
    change_module(window);
    const std::string stored = read_file(resolve_profile_path(SETTINGS_FILE));
    EXPECT_NE(stored.find("module=/opt/saver/library/d.sv"), std::string::npos) << stored;
    EXPECT_NE(stored.find("modsel=3"), std::string::npos) << stored;
    EXPECT_EQ(selected_module, 3);
    EXPECT_EQ(load_module_from_settings, 1);
}

// A host runs one copy per monitor, all changing modules at about the same moment. Each copy
// plays the cycle in order from its own place, the copies show different modules, and the
// settings keep the place of the copy furthest along for the next start.
TEST_F(ModuleCycle, SeveralCopiesEachPlayTheCycleInOrder) {
    struct Copy {
        int position, step;
        std::string module;
        std::vector<std::string> shown;
    };
    // Alphabetical cycle over the included modules: a -> c -> d -> a.
    const std::map<std::string, std::string> successor = {
        {"a.sv", "c.sv"}, {"c.sv", "d.sv"}, {"d.sv", "a.sv"}};
    cycle_timer = 5;
    std::vector<Copy> copies(2);
    for (Copy& copy : copies) {
        ASSERT_TRUE(claim_cycle_start());
        copy = {own_cycle_position, own_cycle_step, own_cycle_module, {}};
        copy.shown.push_back(copy.module.substr(copy.module.rfind('/') + 1));
    }
    for (int change = 0; change < 5; ++change) {
        for (Copy& copy : copies) {
            own_cycle_position = copy.position;
            own_cycle_step = copy.step;
            change_module(window);
            copy.position = own_cycle_position;
            copy.step = own_cycle_step;
            const std::string module = own_cycle_module;
            copy.shown.push_back(module.substr(module.rfind('/') + 1));
        }
        EXPECT_NE(copies[0].shown.back(), copies[1].shown.back()) << change;
    }
    for (const Copy& copy : copies)
        for (size_t i = 1; i < copy.shown.size(); ++i)
            EXPECT_EQ(copy.shown[i], successor.at(copy.shown[i - 1])) << "a module was skipped";
    // The next start goes on after the last module the copies showed.
    const std::string last = copies[1].shown.back();
    EXPECT_EQ(setting("module"), "/opt/saver/library/" + last);
    own_cycle_step = 0;
    ASSERT_TRUE(claim_cycle_start());
    EXPECT_EQ(std::string(own_cycle_module), "/opt/saver/library/" + successor.at(last));
}

TEST_F(ModuleCycle, NoWalkOfItsOwnWithTheCycleOffOrNoLibrary) {
    cycle_timer = 0;
    EXPECT_FALSE(claim_cycle_start());
    cycle_timer = 5;
    module_files.clear();
    EXPECT_FALSE(claim_cycle_start());
    EXPECT_EQ(own_cycle_position, -1);
    EXPECT_STREQ(own_cycle_module, "");
}

// A window unmapped, or a process stopped, during the hold: the time it drew nothing does
// not count, so the module is not cut short when drawing resumes.
TEST_F(ModuleCycle, APauseDoesNotShortenTheHold) {
    cycle_timer = 5;
    module_cycle_counter = 150;
    hold_start_time = 7000000;
    const uint64_t hold_ticks = 1000 * 5 * 6;
    current_counter = hold_start_time + hold_ticks / 2;
    current_counter += 60 * counter_frequency;
    resume_after_pause(60000000000ull);
    module_cycle(window);
    EXPECT_EQ(module_cycle_counter, 150);
    current_counter += hold_ticks / 2 + 1;
    module_cycle(window);
    EXPECT_EQ(module_cycle_counter, 151);
}

} // namespace
