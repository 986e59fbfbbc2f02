#include "tests/shell/control_window_fixture.h"

#include "platform/message_box.h"
#include "platform/profile.h"
#include "saver/engine/frame_pacing.h"
#include "saver/model/module_library.h"
#include "saver/resources/control_ids.h"
#include "saver/ui/global_settings.h"

#include <functional>
#include <sys/stat.h>

namespace {

// A playable WAVE file: 16-bit mono PCM, four silent frames.
std::string tiny_wave() {
    const unsigned char header[] = {'R', 'I', 'F',  'F',  44,  0,   0,    0,    'W', 'A', 'V',
                                    'E', 'f', 'm',  't',  ' ', 16,  0,    0,    0,   1,   0,
                                    1,   0,   0x22, 0x56, 0,   0,   0x44, 0xAC, 0,   0,   2,
                                    0,   16,  0,    'd',  'a', 't', 'a',  8,    0,   0,   0};
    return std::string(reinterpret_cast<const char*>(header), sizeof header) + std::string(8, '\0');
}

std::string setting(const char* key) {
    char value[64];
    get_private_profile_string("data", key, "absent", value, sizeof value, SETTINGS_FILE);
    return value;
}

class GlobalSettings : public ControlWindowTest {
  protected:
    void SetUp() override {
        ControlWindowTest::SetUp();
        install = make_temp_dir("install");
        mkdir((install + "/library").c_str(), 0755);
        for (const char* name : {"a.sv", "b.sv", "c.sv"})
            write_file(install + "/library/" + name, "[items]\n");
        write_private_profile_string("data", "path", (install + "/").c_str(), SETTINGS_FILE);
        write_private_profile_string("cycle", nullptr, nullptr, SETTINGS_FILE);
        for (const char* key : {"globaldelay", "auxresolution", "backresolution", "backresolution2",
                                "backresolution2x", "soundenable", "multienable", "sound"})
            write_private_profile_string("data", key, nullptr, SETTINGS_FILE);
        globaldelay = 60;
        auxresolution = 120;
        backresolution = 0;
        backresolution2 = 100;
        backdrop_brightness = 1.0f;
        backresolution2x = 0;
        multienable = 0;
        soundenable = 0;
        global_settings_open = 0;
        counter_frequency = 1000000000;
        frame_period = frame_period_for(counter_frequency, globaldelay);
        open();
    }

    // Presses "G" with a hand that acts in the dialog once it is open.
    void run_dialog(std::function<void(Hwnd)> hand) {
        headless_set_modal_driver(std::move(hand));
        click(ID_GLOBAL_SETTINGS);
        headless_set_modal_driver(nullptr);
    }

    std::string install;
};

TEST_F(GlobalSettings, ArrowsPreviewAtOnceAndCancelBringsTheFoundValuesBack) {
    run_dialog([&](Hwnd global) {
        EXPECT_EQ(updown_get_pos(global, ID_GLOBAL_BACKRESOLUTION2), 100);
        headless_spin(global, ID_GLOBAL_BACKRESOLUTION2, 40);
        EXPECT_FLOAT_EQ(backdrop_brightness, 0.4f);
        headless_spin(global, ID_GLOBAL_BACKRESOLUTION2X, 2);
        EXPECT_EQ(pixel_point_size, std::max(track20h, 2) + 1);
        headless_spin(global, ID_GLOBAL_DELAY, 0);
        EXPECT_EQ(frame_period, 0u);
        headless_press_escape(global);
    });
    EXPECT_EQ(headless_modal_dialogs(), std::vector<std::string>{"GLOBAL"});
    EXPECT_EQ(backresolution2, 100);
    EXPECT_FLOAT_EQ(backdrop_brightness, 1.0f);
    EXPECT_EQ(backresolution2x, 0);
    EXPECT_EQ(globaldelay, 60);
    EXPECT_EQ(frame_period, 1000000000u / 60);
    EXPECT_EQ(setting("backresolution2"), "absent");
    EXPECT_EQ(global_settings_open, 0);
}

TEST_F(GlobalSettings, OkClampsTypedValuesAndWritesThem) {
    struct Case {
        int edit;
        const char* typed;
        const char* key;
        int* value;
        int expected;
    } cases[] = {
        {ID_GLOBAL_DELAY_EDIT, "200", "globaldelay", &globaldelay, 120},
        {ID_GLOBAL_DELAY_EDIT, "0", "globaldelay", &globaldelay, 0},
        {ID_GLOBAL_AUXRESOLUTION_EDIT, "1", "auxresolution", &auxresolution, 2},
        {ID_GLOBAL_AUXRESOLUTION_EDIT, "240", "auxresolution", &auxresolution, 120},
        {ID_GLOBAL_BACKRESOLUTION_EDIT, "7", "backresolution", &backresolution, 1},
        {ID_GLOBAL_BACKRESOLUTION2_EDIT, "-5", "backresolution2", &backresolution2, 0},
        {ID_GLOBAL_BACKRESOLUTION2X_EDIT, "3", "backresolution2x", &backresolution2x, 2},
    };
    for (const Case& c : cases) {
        run_dialog([&](Hwnd global) {
            headless_type(global, c.edit, c.typed);
            headless_click(global, IDOK);
        });
        EXPECT_EQ(*c.value, c.expected) << c.key << " typed " << c.typed;
        EXPECT_EQ(setting(c.key), std::to_string(c.expected)) << c.key;
    }
    EXPECT_EQ(frame_period, 0u) << "the last frame rate written was 0";
    EXPECT_EQ(setting("soundenable"), "0");
    EXPECT_EQ(setting("multienable"), "0");
}

TEST_F(GlobalSettings, RumbleStartsAndStopsTheLoopingSound) {
    const std::string sound_file = install + "/rumble.wav";
    write_file(sound_file, tiny_wave());
    write_private_profile_string("data", "sound", sound_file.c_str(), SETTINGS_FILE);

    run_dialog([](Hwnd global) {
        EXPECT_EQ(is_dlg_button_checked(global, ID_GLOBAL_SOUNDENABLE), 0);
        headless_click(global, ID_GLOBAL_SOUNDENABLE);
        headless_click(global, ID_GLOBAL_MULTIENABLE);
        headless_click(global, IDOK);
    });
    EXPECT_EQ(headless_sound_playing(), sound_file);
    EXPECT_EQ(setting("soundenable"), "1");
    EXPECT_EQ(multienable, 1);
    EXPECT_EQ(setting("multienable"), "1");

    run_dialog([](Hwnd global) {
        EXPECT_EQ(is_dlg_button_checked(global, ID_GLOBAL_SOUNDENABLE), 1);
        EXPECT_EQ(is_dlg_button_checked(global, ID_GLOBAL_MULTIENABLE), 1);
        headless_click(global, ID_GLOBAL_SOUNDENABLE);
        headless_click(global, IDOK);
    });
    EXPECT_EQ(headless_sound_playing(), "");
    EXPECT_EQ(soundenable, 0);
}

TEST_F(GlobalSettings, SequencingChoiceSetsOrClearsEveryCycleFlag) {
    run_dialog([](Hwnd global) {
        EXPECT_EQ(is_dlg_button_checked(global, ID_GLOBAL_INCLUDE_ALL), 0);
        headless_click(global, ID_GLOBAL_INCLUDE_ALL);
        headless_click(global, IDOK);
    });
    for (const std::string& name : module_files) EXPECT_TRUE(module_included(name)) << name;
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_CYCLE_INCLUDE), 1);
    EXPECT_EQ(next_module, (std::vector<int>{1, 2, 0}));

    run_dialog([](Hwnd global) {
        headless_click(global, ID_GLOBAL_INCLUDE_ALL);
        headless_click(global, ID_GLOBAL_EXCLUDE_ALL);
        headless_click(global, IDOK);
    });
    for (const std::string& name : module_files) EXPECT_FALSE(module_included(name)) << name;
    EXPECT_EQ(is_dlg_button_checked(dialog, ID_CYCLE_INCLUDE), 0);
    EXPECT_EQ(next_module, (std::vector<int>{0, 0, 0}));

    // Cancel leaves the flags alone whatever the boxes say.
    run_dialog([](Hwnd global) {
        headless_click(global, ID_GLOBAL_INCLUDE_ALL);
        headless_press_escape(global);
    });
    for (const std::string& name : module_files) EXPECT_FALSE(module_included(name)) << name;
}

TEST_F(GlobalSettings, GWhileTheDialogRunsOpensNoSecondOne) {
    run_dialog([&](Hwnd global) {
        EXPECT_EQ(global_settings_open, 1);
        click(ID_GLOBAL_SETTINGS);
        EXPECT_EQ(headless_modal_dialogs().size(), 1u);
        headless_click(global, IDOK);
    });
    EXPECT_EQ(global_settings_open, 0);
    run_dialog([](Hwnd global) { headless_click(global, IDOK); });
    EXPECT_EQ(headless_modal_dialogs().size(), 2u);
}

} // namespace
