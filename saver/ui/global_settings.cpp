#include "saver/ui/global_settings.h"

#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "platform/sound.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_pacing.h"
#include "saver/model/model_state.h"
#include "saver/model/module_library.h"
#include "saver/model/module_selection.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "saver/resources/control_ids.h"
#include "saver/resources/global_template.h"
#include "saver/ui/ui_state.h"

#include <algorithm>
#include <string>

namespace {

struct GlobalValue {
    const char* key;
    int updown;
    int updown_maximum;   // the arrows run from 0 to here
    int minimum, maximum; // what the program accepts
    int* value;
};

// In the order "OK" writes them.
const GlobalValue GLOBAL_VALUES[GLOBAL_VALUE_COUNT] = {
    {"globaldelay", ID_GLOBAL_DELAY, 120, 0, 120, &globaldelay},
    {"auxresolution", ID_GLOBAL_AUXRESOLUTION, 240, 2, 120, &auxresolution},
    {"backresolution2", ID_GLOBAL_BACKRESOLUTION2, 100, 0, 100, &backresolution2},
    {"backresolution", ID_GLOBAL_BACKRESOLUTION, 1, 0, 1, &backresolution},
    {"backresolution2x", ID_GLOBAL_BACKRESOLUTION2X, 2, 0, 3, &backresolution2x},
};

void recompute_derived_values() {
    frame_period = frame_period_for(counter_frequency, globaldelay);
    backdrop_brightness = static_cast<float>(backresolution2) / 100.0f;
    pixel_point_size = std::max(track20h, backresolution2x) + 1;
}

void open_dialog(Hwnd dialog) {
    for (int i = 0; i < GLOBAL_VALUE_COUNT; ++i) {
        const GlobalValue& v = GLOBAL_VALUES[i];
        updown_set_range(dialog, v.updown, 0, v.updown_maximum);
        updown_set_pos(dialog, v.updown, *v.value);
        global_values_found[i] = *v.value;
    }
    check_dlg_button(dialog, ID_GLOBAL_SOUNDENABLE, soundenable ? 1 : 0);
    check_dlg_button(dialog, ID_GLOBAL_MULTIENABLE, multienable ? 1 : 0);
    sound_was_on = soundenable;
}

// A typed value the arrows cannot show comes back clamped by the control; the accepted range
// is narrower for some.
void apply(Hwnd dialog) {
    for (const GlobalValue& v : GLOBAL_VALUES)
        *v.value = std::clamp(updown_get_pos(dialog, v.updown), v.minimum, v.maximum);
    recompute_derived_values();
}

void write_setting(const char* key, int value) {
    write_private_profile_string("data", key, std::to_string(value).c_str(), SETTINGS_FILE);
}

void switch_sound(Hwnd dialog) {
    soundenable = is_dlg_button_checked(dialog, ID_GLOBAL_SOUNDENABLE) ? 1 : 0;
    write_setting("soundenable", soundenable);
    if (!soundenable) {
        stop_sound();
        return;
    }
    get_private_profile_string("data", "sound", "", sound, sizeof sound, SETTINGS_FILE);
    // A sound that already plays goes on; restarting it would jump back to its start.
    if (!sound_was_on) play_sound_loop(sound);
}

int sequencing_choice(Hwnd dialog) {
    if (is_dlg_button_checked(dialog, ID_GLOBAL_EXCLUDE_ALL)) return SEQUENCING_CLEAR_ALL;
    if (is_dlg_button_checked(dialog, ID_GLOBAL_INCLUDE_ALL)) return SEQUENCING_SET_ALL;
    return SEQUENCING_NONE;
}

void ok(Hwnd dialog) {
    apply(dialog);
    for (const GlobalValue& v : GLOBAL_VALUES) write_setting(v.key, *v.value);
    switch_sound(dialog);
    multienable = is_dlg_button_checked(dialog, ID_GLOBAL_MULTIENABLE) ? 1 : 0;
    write_setting("multienable", multienable);
    write_private_profile_string(nullptr, nullptr, nullptr, SETTINGS_FILE);
    global_settings_open = 0;
    end_dialog(dialog, sequencing_choice(dialog));
}

void cancel(Hwnd dialog) {
    for (int i = 0; i < GLOBAL_VALUE_COUNT; ++i) *GLOBAL_VALUES[i].value = global_values_found[i];
    recompute_derived_values();
    global_settings_open = 0;
    end_dialog(dialog, SEQUENCING_NONE);
}

void apply_sequencing(int choice) {
    if (choice != SEQUENCING_SET_ALL && choice != SEQUENCING_CLEAR_ALL) return;
    const bool include = choice == SEQUENCING_SET_ALL;
    for (const std::string& name : module_files) set_module_included(name, include);
    write_private_profile_string(nullptr, nullptr, nullptr, SETTINGS_FILE);
    // The box shows the stored flag: a module whose name the settings cannot hold stays out.
    show_selected_module(selected_module);
    rebuild_cycle_order();
}

} // namespace

Lresult global_settings_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam) {
    switch (message) {
    case WM_INITDIALOG:
        open_dialog(dialog);
        return 1;
    case WM_VSCROLL:
        apply(dialog);
        return 1;
    case WM_COMMAND:
        if (loword(wparam) == IDOK) {
            ok(dialog);
            return 1;
        }
        if (loword(wparam) == IDCANCEL) {
            cancel(dialog);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

void open_global_settings() {
    if (global_settings_open) return;
    global_settings_open = 1;
    const int choice = dialog_box(GLOBAL_TEMPLATE, control_window_owner, global_settings_proc);
    // Also when the dialog could not be made or was destroyed with its owner.
    global_settings_open = 0;
    apply_sequencing(choice);
}
