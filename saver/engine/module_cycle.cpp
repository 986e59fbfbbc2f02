#include "saver/engine/module_cycle.h"

#include "platform/dialog.h"
#include "platform/profile.h"
#include "platform/settings_lock.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/model/install_paths.h"
#include "saver/model/model_state.h"
#include "saver/model/module_selection.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "saver/resources/control_ids.h"

#include <cstdio>
#include <string>

namespace {

bool tube_pattern_sets_fade() {
    return xcolormode == 5 && track3 < 360.0f && track20k < 128;
}

bool hold_has_ended(int magnitude) {
    const uint64_t hold_ticks = counter_frequency * static_cast<uint64_t>(magnitude) * 6;
    return current_counter - hold_start_time > hold_ticks;
}

void fade_in_or_out() {
    ++module_cycle_counter;
    if (module_cycle_counter > cycle_length - CYCLE_HOLD) {
        fade_factor -= CYCLE_FADE_STEP;
        if (fade_factor < 0.0f) fade_factor = 0.0f;
    }
    if (module_cycle_counter < CYCLE_HOLD) {
        fade_factor += CYCLE_FADE_STEP;
        // Every fade-in frame restarts the timed pattern mid-period, so a module always
        // appears with its pattern fully shown.
        pattern_timer = track20k * 5;
        if (fade_factor >= 1.0f) fade_factor = 1.0f;
    }
}

int table_entry(const std::vector<int>& table, int index) {
    return index >= 0 && index < static_cast<int>(table.size()) ? table[index] : -1;
}

bool is_module_index(int index) {
    return index >= 0 && index < static_cast<int>(module_files.size());
}

} // namespace

int cycle_timer_magnitude(int pattern) {
    return pattern > 32000 ? 65536 - pattern : pattern;
}

void module_cycle(Hwnd hwnd) {
    const int magnitude = cycle_timer_magnitude(cycle_timer);
    cycle_length = magnitude != 0 ? CYCLE_LENGTH : 0;
    if (cycle_length == 0) {
        fade_factor = tube_pattern_sets_fade() ? pattern_fade : 1.0f;
        return;
    }
    if (module_cycle_counter == CYCLE_HOLD) {
        // The hold is measured from the end of the previous hold, so the first one after
        // start (start time 0) ends at once.
        if (hold_has_ended(magnitude)) {
            module_cycle_counter = CYCLE_HOLD + 1;
            hold_start_time = current_counter;
        }
    } else {
        fade_in_or_out();
    }
    if (tube_pattern_sets_fade() && module_cycle_counter >= CYCLE_HOLD &&
        module_cycle_counter < cycle_length - CYCLE_HOLD)
        fade_factor = pattern_fade;
    if (module_cycle_counter > cycle_length) change_module(hwnd);
}

ModuleChoice choose_next_module(int from, bool shuffled) {
    const int count = static_cast<int>(module_files.size());
    // A stale or edited `modsel` must not index past the tables.
    int index = is_module_index(from) ? from : 0;
    int successor = -1;
    for (int tried = 0; tried < count; ++tried) {
        int candidate;
        if (shuffled) {
            successor = table_entry(next_module, index);
            candidate = table_entry(shuffled_module, index);
        } else {
            candidate = table_entry(next_module, index);
        }
        if (is_module_index(candidate)) {
            // The shuffled walk goes on from the alphabetical successor of the module whose
            // shuffle entry was used, so that every included module gets its turn.
            const int modsel = shuffled && is_module_index(successor) ? successor : candidate;
            return {candidate, modsel};
        }
        index = index + 1 == count ? 0 : index + 1;
    }
    return {first_included_module, first_included_module};
}

namespace {

ModuleChoice next_choice(int from) {
    return choose_next_module(from, cycle_timer >= SHUFFLED_TIMER_PATTERN);
}

// Where the next start or change goes on from: the module shown and the place after it.
void store_cycle_place(const ModuleChoice& choice) {
    // Without a library entry there is no file to name; the current `module` is shown again.
    if (is_module_index(choice.module)) {
        const std::string module = module_library() + module_files[choice.module];
        write_private_profile_string("data", "module", module.c_str(), SETTINGS_FILE);
    }
    write_private_profile_string("data", "modsel", std::to_string(choice.modsel).c_str(),
                                 SETTINGS_FILE);
}

void take_own_choice(const ModuleChoice& choice) {
    own_cycle_position = choice.modsel;
    const std::string module =
        is_module_index(choice.module) ? module_library() + module_files[choice.module] : "";
    std::snprintf(own_cycle_module, sizeof own_cycle_module, "%s", module.c_str());
}

// A copy on its own walk shows the module after its own place, so no other copy makes it
// skip one. The settings keep the place of the copy furthest along: several copies change
// at about the same moment, and the next start is to go on after the last module shown.
void change_own_walk() {
    const ModuleChoice choice = next_choice(own_cycle_position);
    take_own_choice(choice);
    show_selected_module(choice.module);
    ++own_cycle_step;
    const SettingsLock settings;
    if (own_cycle_step <= get_private_profile_int("data", "cyclestep", 0, SETTINGS_FILE)) return;
    store_cycle_place(choice);
    write_private_profile_string("data", "cyclestep", std::to_string(own_cycle_step).c_str(),
                                 SETTINGS_FILE);
    write_private_profile_string(nullptr, nullptr, nullptr, SETTINGS_FILE);
}

// The one editor's walk goes on from the settings' `modsel`.
void change_shared_walk() {
    const SettingsLock settings;
    const int from = get_private_profile_int("data", "modsel", 0, SETTINGS_FILE);
    const ModuleChoice choice = next_choice(from);
    show_selected_module(choice.module);
    store_cycle_place(choice);
    write_private_profile_string(nullptr, nullptr, nullptr, SETTINGS_FILE);
}

} // namespace

bool claim_cycle_start() {
    own_cycle_position = -1;
    own_cycle_module[0] = '\0';
    if (cycle_timer_magnitude(cycle_timer) == 0 || module_files.empty()) return false;
    // Copies started together each take the next module in turn: different monitors show
    // different modules while the library has enough of them.
    const SettingsLock settings;
    const ModuleChoice choice =
        next_choice(get_private_profile_int("data", "modsel", 0, SETTINGS_FILE));
    if (!is_module_index(choice.module)) return false;
    take_own_choice(choice);
    show_selected_module(choice.module);
    own_cycle_step = get_private_profile_int("data", "cyclestep", 0, SETTINGS_FILE) + 1;
    store_cycle_place(choice);
    write_private_profile_string("data", "cyclestep", std::to_string(own_cycle_step).c_str(),
                                 SETTINGS_FILE);
    write_private_profile_string(nullptr, nullptr, nullptr, SETTINGS_FILE);
    return true;
}

void change_module(Hwnd hwnd) {
    module_cycle_counter = 0;
    if (own_cycle_position >= 0) {
        change_own_walk();
    } else {
        change_shared_walk();
    }
    if (control_window) check_dlg_button(control_window, ID_CYCLE_INCLUDE, 1);
    load_module_from_settings = 1;
    post_message(hwnd, WM_COMMAND, CMD_LOAD_MODULE, 0);
}
