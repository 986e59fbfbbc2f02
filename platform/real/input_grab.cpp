// The keyboard and the pointer of a running screen saver.
#include "platform/common/window_table.h"
#include "platform/real/backend_window.h"
#include "platform/real/x_window_manager.h"
#include "platform/screen.h"

#include <FL/Fl.H>
#include <cstdio>

namespace {

// Screen lockers wait as long for a menu or a drag of another client to let go.
constexpr double RETRY_S = 0.1;
constexpr int ATTEMPTS = 50;

Hwnd saver_window;
int attempts_left;

void try_grab(void*) {
    Window* window = window_table_find(saver_window);
    if (!window || !window->backend) return;
    if (x_grab_input(window->backend->top)) return;
    if (--attempts_left > 0)
        Fl::add_timeout(RETRY_S, try_grab);
    else
        std::fprintf(stderr, "solvantrix: another program holds the keyboard or the pointer\n");
}

} // namespace

void set_screen_saver_window(Hwnd saver) {
    Fl::remove_timeout(try_grab);
    if (!saver) x_release_input();
    saver_window = saver;
    attempts_left = ATTEMPTS;
    if (saver) try_grab(nullptr);
}

Hwnd screen_saver_window() {
    return saver_window;
}
