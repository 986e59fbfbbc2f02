#include "saver/shell/wayland_run.h"

#include "platform/wayland.h"
#include "platform/window.h"
#include "saver/model/work_copies.h"
#include "saver/shell/copy_cycle.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/wayland_window.h"

#include <cstdio>
#include <cstring>
#include <string>

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
    use_work_copies(WorkCopies::PRIVATE);
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
    start_copy_cycle(hwnd, run == WaylandRun::background);

    Msg msg{};
    while (wayland_get_message(&msg)) dispatch_message(msg);
    wayland_close(hwnd);
    end_work_copies();
    return static_cast<int>(msg.wparam);
}
