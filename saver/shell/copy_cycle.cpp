#include "saver/shell/copy_cycle.h"

#include "platform/profile.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/gl_state.h"
#include "saver/engine/module_cycle.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/startup.h"
#include "saver/shell/window_handlers.h"
#include "saver/ui/module_selector.h"

#include <cstdio>

void start_copy_cycle(Hwnd hwnd, bool own_walk) {
    read_global_settings();
    prepare_clock_and_tables();
    init_gl_state(hwnd);
    initialise_module_selector();
    cycle_timer = get_private_profile_int("data", "timer", 0, SETTINGS_FILE) & 0xFFFF;
    projection_dirty = 1;
    own_cycle_position = -1;
    own_cycle_module[0] = '\0';
    if (own_walk) claim_cycle_start();
    post_message(hwnd, WM_COMMAND, CMD_LOAD_MODULE, 0);
}

void load_copy_module(Hwnd hwnd) {
    if (own_cycle_module[0] != '\0') {
        std::snprintf(module_path, sizeof module_path, "%s", own_cycle_module);
        open_succeeded = 1;
        load_module_from_settings = 0;
    } else {
        open_succeeded = 0;
        module_path[0] = '\0';
        load_module_from_settings = 1;
    }
    load_module_command(hwnd);
}
