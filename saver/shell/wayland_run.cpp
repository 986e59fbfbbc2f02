#include "saver/shell/wayland_run.h"

#include "platform/profile.h"
#include "platform/wayland.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/gl_state.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/startup.h"
#include "saver/shell/wayland_window.h"
#include "saver/ui/module_selector.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// What the screen saver's hidden control window prepares for the module cycle, as a hosted
// run prepares it: the library lists with their cycle order and the cycle timer.
void prepare_module_cycle() {
    initialise_module_selector();
    cycle_timer = get_private_profile_int("data", "timer", 0, SETTINGS_FILE) & 0xFFFF;
    projection_dirty = 1;
}

} // namespace

WaylandRun wayland_run_requested(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--wayland") == 0) return WaylandRun::saver;
        if (std::strcmp(argv[i], "--wayland-background") == 0) return WaylandRun::background;
    }
    return WaylandRun::none;
}

int run_wayland(WaylandRun run) {
    // A copy beside the editor, as in a host's window: its own work copies, no placement.
    run_mode = RUN_HOSTED;
    load_module_from_settings = 1;
    register_class(WINDOW_CLASS, wayland_window_proc);
    // The surfaces first, each with a black frame: a locker that hosts us sees a frame at once,
    // and the module loads after it.
    std::string error;
    const Hwnd hwnd = wayland_open(
        WINDOW_CLASS,
        run == WaylandRun::background ? WaylandLayer::background : WaylandLayer::overlay, &error);
    if (!hwnd) {
        std::fprintf(stderr, "solvantrix: %s\n", error.c_str());
        return 1;
    }
    read_global_settings();
    prepare_clock_and_tables();
    init_gl_state(hwnd);
    prepare_module_cycle();
    post_message(hwnd, WM_COMMAND, CMD_LOAD_MODULE, 0);

    Msg msg{};
    while (wayland_get_message(&msg)) dispatch_message(msg);
    wayland_close(hwnd);
    return static_cast<int>(msg.wparam);
}
