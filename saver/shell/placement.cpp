#include "saver/shell/placement.h"

#include "platform/profile.h"
#include "platform/screen.h"
#include "platform/window.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/shell/shell_state.h"
#include "saver/ui/control_window.h"

#include <cstdlib>

#include <string>

Rect covered_screen() {
    return multienable == 1 ? virtual_screen() : primary_screen();
}

void cover_screen(Hwnd hwnd) {
    // One monitor: the one the user sees the window on, which need not be the primary.
    const Rect screen = multienable == 1 ? virtual_screen() : screen_of(get_window_rect(hwnd));
    set_window_pos(hwnd, HWND_TOP, screen.left, screen.top, rect_width(screen), rect_height(screen),
                   SWP_NOZORDER | SWP_SHOWWINDOW);
}

void restore_saved_rect(Hwnd hwnd) {
    set_window_pos(hwnd, HWND_TOP, saved_rect.left, saved_rect.top, saved_rect.width,
                   saved_rect.height, SWP_NOZORDER | SWP_SHOWWINDOW);
}

void read_saved_rect() {
    saved_rect.left = get_private_profile_int("Items", "appx", 1, SETTINGS_FILE);
    saved_rect.top = get_private_profile_int("Items", "appy", 64, SETTINGS_FILE);
    saved_rect.width = get_private_profile_int("Items", "appx1", 580, SETTINGS_FILE);
    saved_rect.height = get_private_profile_int("Items", "appy1", 400, SETTINGS_FILE);
}

void write_window_rect(Hwnd hwnd, const char* file) {
    const Rect r = get_window_rect(hwnd);
    write_private_profile_string("Items", "appx", std::to_string(r.left).c_str(), file);
    write_private_profile_string("Items", "appy", std::to_string(r.top).c_str(), file);
    write_private_profile_string("Items", "appx1", std::to_string(rect_width(r)).c_str(), file);
    write_private_profile_string("Items", "appy1", std::to_string(rect_height(r)).c_str(), file);
}

void place_control_window() {
    if (!control_window) return;
    const WindowSize size = control_window_size(control_window, 0);
    int x = get_private_profile_int("Items", "xmainx", 0, SETTINGS_FILE);
    int y = get_private_profile_int("Items", "xmainy", 0, SETTINGS_FILE);
    const Rect screen = covered_screen();
    // Widened first: the magnitude of the smallest int has no int of its own.
    if (std::llabs(x) > rect_width(screen) || std::llabs(y) > rect_height(screen)) x = y = 0;
    set_window_pos(control_window, HWND_TOP, x, y, size.width, size.height,
                   SWP_NOZORDER | SWP_SHOWWINDOW);
}
