#include "saver/shell/window_handlers.h"

#include "platform/screen.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/lock/lock.h"
#include "saver/model/settings.h"
#include "saver/shell/placement.h"
#include "saver/shell/shell_state.h"

namespace {

// A wrong password leaves the saver running; twenty more moves before the bar comes back.
void unlock_dialog_closed() {
    mouse_move_counter = -10;
    exit_in_progress = 0;
    password_dialog_open = 0;
}

} // namespace

void end_screen_saver(Hwnd hwnd, bool escape) {
    if (escape) escape_flag = 1;
    if (exit_in_progress) return;
    exit_in_progress = 1;
    if (stored_password[0] != '\0' && screen_save_use_password != 0) {
        if (password_dialog_open == 0) {
            password_dialog_open = 1;
            open_unlock_dialog(hwnd, unlock_dialog_closed);
        }
        return;
    }
    // The keyboard and the pointer go back before the desktop or the editor shows again.
    set_screen_saver_window(nullptr);
    if (escape_flag) {
        post_message(hwnd, WM_COMMAND, CMD_TO_INTERACTIVE, 0);
        return;
    }
    busy = 1;
    post_message(hwnd, WM_CLOSE, 0, 0);
}

void turn_into_interactive(Hwnd hwnd) {
    run_mode = RUN_INTERACTIVE;
    set_window_states(hwnd, {});
    restore_saved_rect(hwnd);
    set_window_style(hwnd, get_window_style(hwnd) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                               WS_OVERLAPPEDWINDOW);
    set_window_pos(hwnd, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    place_control_window();
    full_screen = 0;
    show_cursor(true);
}
