// A control window on the headless backend, owned by a plain window that only collects the
// commands posted to it, with the module work file in a fresh temporary directory.
#pragma once

#include "platform/dialog.h"
#include "platform/headless.h"
#include "platform/window.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "saver/model/view_controls.h"
#include "saver/ui/control_window.h"
#include "saver/ui/ui_state.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

// Every integer and real of a View that has a slider, with a sample inside the slider's range
// and the slider's top.
struct SliderParam {
    const char* key;
    int id;
    int maximum;
    int* int_value;
    float* real_value;
    int sample;
};

inline std::vector<SliderParam> slider_params() {
    return {
        {"track1", 300, 360, nullptr, &track1, 123},
        {"track2", 301, 360, nullptr, &track2, 45},
        {"track3", 302, 360, nullptr, &track3, 359},
        {"track4", 303, 3600, &track4, nullptr, 1700},
        {"track4a", 310, 2000, &track4a, nullptr, 1500},
        {"track4b", 311, 1000, &track4b, nullptr, 250},
        {"track5", 304, 3600, &track5, nullptr, 2000},
        {"track6", 305, 3600, &track6, nullptr, 1801},
        {"track7", 306, 1010, &track7, nullptr, 640},
        {"track8", 307, 1600, &track8, nullptr, 1200},
        {"track9zq", 316, 2500, nullptr, &track9zq, 2222},
        {"track9z", 315, 2500, nullptr, &track9z, 1111},
        {"track9", 308, 64, nullptr, &track9, 33},
        {"track10", 309, 32000, nullptr, &track10, 31999},
        {"track13", 1106, 360, nullptr, &track13, 90},
        {"track20", 1107, 255, &track20, nullptr, 10},
        {"track20a", 1129, 255, &track20a, nullptr, 20},
        {"track20b", 3130, 255, &track20b, nullptr, 30},
        {"track20c", 3131, 255, &track20c, nullptr, 40},
        {"track20d", 3132, 255, &track20d, nullptr, 50},
        {"track20e", 3133, 128, &track20e, nullptr, 60},
        {"track20f", 3134, 1000, &track20f, nullptr, 70},
        {"track20f1", 1146, 1000, &track20f1, nullptr, 80},
        {"track20f2", 1143, 1000, &track20f2, nullptr, 90},
        {"track20f3", 3144, 1000, &track20f3, nullptr, 100},
        {"track20g", 3135, 255, &track20g, nullptr, 110},
        {"track20h", 3136, 64, &track20h, nullptr, 12},
        {"track20i", 3137, 32, &track20i, nullptr, 13},
        {"track20j", 3138, 8000, &track20j, nullptr, 7000},
        {"track20jx", 1142, 1000, &track20jx, nullptr, 140},
        {"track20k", 1139, 128, &track20k, nullptr, 15},
        {"track20l", 1140, 128, &track20l, nullptr, 16},
        {"track20m", 1141, 128, &track20m, nullptr, 17},
        {"fov", 1108, 180, &fov, nullptr, 75},
        {"digitsize", 1109, 255, nullptr, &digitsize, 201},
        {"titlelen", 312, 768, &titlelen, nullptr, 700},
        {"titlelenx", 314, 1000, &titlelenx, nullptr, 999},
        {"backcolor", 313, 256, &backcolor, nullptr, 128},
    };
}

inline void set_param(const SliderParam& p, int value) {
    if (p.int_value) *p.int_value = value;
    if (p.real_value) *p.real_value = static_cast<float>(value);
}

inline float param_value(const SliderParam& p) {
    return p.int_value ? static_cast<float>(*p.int_value) : *p.real_value;
}

inline Lresult collecting_proc(Hwnd, unsigned, Wparam, Lparam) {
    return 0;
}

class ControlWindowTest : public ::testing::Test {
  protected:
    Hwnd owner = nullptr;
    Hwnd dialog = nullptr;
    std::string work_file;

    void SetUp() override {
        headless_reset();
        control_window = nullptr;
        setup_mode = 0;
        ASSERT_TRUE(register_class("UiTestOwner", collecting_proc));
        owner = create_window("UiTestOwner", "", 0, 0, 0, 200, 200, nullptr);
        ASSERT_NE(owner, nullptr);
        work_file = make_temp_dir("ui") + "/module.ini";
        std::snprintf(module_work_file, sizeof module_work_file, "%s", work_file.c_str());
        for (const SliderParam& p : slider_params()) set_param(p, p.sample);
        vista = 400;
        backresolution2x = 0;
        recording_state = RECORDING_IDLE;
        anchor_flag = 0;
        skip_flight_on_save = 0;
        keep_motion = 0;
    }

    void TearDown() override {
        headless_reset();
        control_window = nullptr;
        setup_mode = 0;
    }

    void open() {
        dialog = create_control_window(owner);
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(control_window, dialog);
    }

    // The user's hand on the controls.
    void click(int id) { headless_click(dialog, id); }
    void move_slider(int id, int position) { headless_set_trackbar(dialog, id, position); }

    std::vector<int> posted_commands() const {
        std::vector<int> commands;
        for (const Msg& m : headless_posted_messages())
            if (m.hwnd == owner && m.message == WM_COMMAND)
                commands.push_back(static_cast<int>(loword(m.wparam)));
        return commands;
    }
};
