#include "saver/shell/hosted_run.h"

#include "platform/hosted.h"
#include "platform/profile.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_step.h"
#include "saver/engine/gl_state.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/model/work_copies.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/startup.h"
#include "saver/shell/window_handlers.h"
#include "saver/ui/module_selector.h"

#include <cstdio>

namespace {

// What the screen saver's hidden control window prepares for the module cycle: the library
// lists with their cycle order, the module `modsel` names and the cycle timer.
void prepare_module_cycle() {
    initialise_module_selector();
    cycle_timer = get_private_profile_int("data", "timer", 0, SETTINGS_FILE) & 0xFFFF;
    projection_dirty = 1;
}

// The host keeps the keyboard and the mouse, so there is no input to handle; the run ends
// with the WM_CLOSE that a signal or the window's destruction brings. Nothing is written then:
// nothing of the settings changed that the module cycle has not already stored.
Lresult hosted_window_proc(Hwnd hwnd, unsigned message, Wparam wparam, Lparam) {
    switch (message) {
    case WM_CREATE:
        starfield_window = hwnd;
        return 0;
    case WM_SIZE:
        resize_pending = 1;
        return 0;
    case WM_PAINT:
        on_paint(hwnd);
        return 0;
    case WM_COMMAND:
        if (loword(wparam) == CMD_LOAD_MODULE) {
            open_succeeded = 0;
            module_path[0] = '\0';
            load_module_command(hwnd);
        }
        return 0;
    case WM_CLOSE:
        busy = 1;
        release_host_window(hwnd);
        post_quit_message(0);
        return 0;
    default:
        return 0;
    }
}

int refuse(const std::string& reason) {
    std::fprintf(stderr, "solvantrix: %s\n", reason.c_str());
    return 1;
}

} // namespace

int run_hosted(const HostedRequest& request) {
    if (!request.error.empty()) return refuse(request.error);
    run_mode = RUN_HOSTED;
    // One copy per monitor: each plays from work files of its own.
    use_work_copies(WorkCopies::PRIVATE);
    load_module_from_settings = 1;
    register_class(WINDOW_CLASS, hosted_window_proc);
    // The window first: a host that cannot be served learns it at once, and a host that ends
    // us during the start meets the signal handling already.
    std::string error;
    const Hwnd hwnd =
        adopt_host_window(WINDOW_CLASS, request.window, request.show_frame_rate, &error);
    if (!hwnd) return refuse(error);
    read_global_settings();
    prepare_clock_and_tables();
    init_gl_state(hwnd);
    prepare_module_cycle();
    post_message(hwnd, WM_COMMAND, CMD_LOAD_MODULE, 0);

    Msg msg{};
    while (hosted_get_message(&msg)) dispatch_message(msg);
    end_work_copies();
    return static_cast<int>(msg.wparam);
}
