#include "saver/shell/hosted_run.h"

#include "platform/files.h"
#include "platform/hosted.h"
#include "platform/profile.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_pacing.h"
#include "saver/model/install_paths.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/model/work_copies.h"
#include "saver/shell/copy_cycle.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/window_handlers.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

namespace {

// Set until the first module load has been tried: a run that cannot play that one ends,
// saying why.
bool first_load = true;
std::string first_module_trouble;

// Frames wait for the vertical blank where the display lets us and the target keeps up
// with its refresh; elsewhere the sleeping pacer alone sets the rhythm.
void choose_pacing() {
    const HostedDisplaySync sync = hosted_display_sync();
    pace_by_swap = pace_by_swap_for(globaldelay, sync.swap_control, sync.refresh_hz) ? 1 : 0;
    if (sync.swap_control) hosted_set_swap_interval(pace_by_swap ? 1 : 0);
}

bool exists(const std::string& path, bool directory) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 &&
           (directory ? S_ISDIR(info.st_mode) : S_ISREG(info.st_mode));
}

// One line that names what is missing, for the host to show or log.
std::string why_not_played(const std::string& module) {
    if (!exists(module_library(), true)) return "no module library in " + install_directory();
    if (!exists(find_path_any_case(module), false)) return "no module " + module;
    if (work_directory().empty()) return "no directory for the work files can be made";
    return "the module " + module + " cannot be loaded";
}

std::string settings_module() {
    char path[500];
    get_private_profile_string("data", "module", default_module_path().c_str(), path, sizeof path,
                               SETTINGS_FILE);
    return path;
}

// A first module that cannot be played ends the run, saying why.
void load_next_module(Hwnd hwnd) {
    const std::string wanted =
        own_cycle_module[0] != '\0' ? std::string(own_cycle_module) : settings_module();
    load_copy_module(hwnd);
    if (!first_load) return;
    first_load = false;
    if (module_path[0] != '\0') return;
    first_module_trouble = why_not_played(wanted);
    busy = 1;
    release_host_window(hwnd);
    post_quit_message(1);
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
        if (const uint64_t paused = hosted_take_paused_ns()) resume_after_pause(paused);
        on_paint(hwnd);
        return 0;
    case WM_COMMAND:
        if (loword(wparam) == CMD_LOAD_MODULE) load_next_module(hwnd);
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
    register_class(WINDOW_CLASS, hosted_window_proc);
    // The window first: a host that cannot be served learns it at once, and a host that ends
    // us during the start meets the signal handling already.
    std::string error;
    const Hwnd hwnd =
        adopt_host_window(WINDOW_CLASS, request.window, request.show_frame_rate, &error);
    if (!hwnd) return refuse(error);
    start_copy_cycle(hwnd, true);
    choose_pacing();

    Msg msg{};
    while (hosted_get_message(&msg)) dispatch_message(msg);
    end_work_copies();
    // Hosts show a saver's trouble only through its exit status.
    if (!first_module_trouble.empty()) return refuse(first_module_trouble);
    return static_cast<int>(msg.wparam);
}
