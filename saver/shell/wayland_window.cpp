#include "saver/shell/wayland_window.h"

#include "platform/clock.h"
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

namespace {

uint64_t moves_count_from; // performance-counter value when the grace ends

// Nothing is written at the end: nothing of the settings changed that the module cycle has not
// already stored. The run releases the surfaces once the loop has ended.
void end_run() {
    if (exit_in_progress) return;
    exit_in_progress = 1;
    busy = 1;
    post_quit_message(0);
}

// A copy on a walk of its own names the module file; otherwise the settings' `module` does.
void load_next_module(Hwnd hwnd) {
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

} // namespace

// As a hosted run prepares it, in place of the screen saver's hidden control window.
void start_module_cycle(Hwnd hwnd, bool own_walk) {
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

Lresult wayland_window_proc(Hwnd hwnd, unsigned message, Wparam wparam, Lparam) {
    switch (message) {
    case WM_CREATE:
        starfield_window = hwnd;
        exit_in_progress = 0;
        moves_count_from = query_performance_counter() +
                           query_performance_frequency() * WAYLAND_MOVE_GRACE_MS / 1000;
        return 0;
    case WM_SIZE:
        resize_pending = 1;
        return 0;
    case WM_PAINT:
        on_paint(hwnd);
        return 0;
    case WM_COMMAND:
        if (loword(wparam) == CMD_LOAD_MODULE) load_next_module(hwnd);
        return 0;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
        end_run();
        return 0;
    case WM_MOUSEMOVE:
        if (query_performance_counter() >= moves_count_from) end_run();
        return 0;
    case WM_CLOSE:
        end_run();
        return 0;
    default:
        return 0;
    }
}
