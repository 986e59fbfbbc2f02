#include "saver/shell/wayland_window.h"

#include "platform/clock.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/shell/copy_cycle.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/window_handlers.h"

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

} // namespace

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
        if (loword(wparam) == CMD_LOAD_MODULE) load_copy_module(hwnd);
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
