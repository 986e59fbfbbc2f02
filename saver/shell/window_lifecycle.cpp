#include "saver/shell/window_handlers.h"

#include "platform/clock.h"
#include "platform/gl_context.h"
#include "platform/profile.h"
#include "platform/screen.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/frame_step.h"
#include "saver/lock/password_text.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/shell/pixel_format.h"
#include "saver/shell/placement.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/starfield_window.h"
#include "saver/ui/control_window.h"

#include <cstdlib>
#include <string>

namespace {

void write_int(const char* section, const char* key, int value, const char* file) {
    write_private_profile_string(section, key, std::to_string(value).c_str(), file);
}

} // namespace

void on_create(Hwnd hwnd) {
    starfield_window = hwnd;
    set_pixel_format(hwnd);
    gl_create_context(hwnd);
    screen_save_use_password = read_password_option();
}

void on_user(Hwnd hwnd) {
    if (!control_window) {
        create_control_window(hwnd);
        if (run_mode == RUN_SCREEN_SAVER && control_window)
            set_window_pos(control_window, HWND_BOTTOM, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_HIDEWINDOW);
        else
            place_control_window();
    }
    post_message(hwnd, WM_COMMAND, CMD_LOAD_MODULE, 0);
    set_timer(hwnd, START_TIMER_ID, 50);
    if (run_mode == RUN_SCREEN_SAVER) {
        set_foreground_window(hwnd);
        set_timer(hwnd, FOCUS_TIMER_ID, FOCUS_TIMER_MS);
    }
}

// The tick only retires the timer: raising the frame-busy flag here, with no frame bound to
// follow, could leave a close waiting for ever.
void on_start_timer(Hwnd hwnd) {
    kill_timer(hwnd, START_TIMER_ID);
}

// Nothing may take the keys away from a screen saver (the password bar holds them while shown);
// once the saver has turned into the editor the tick retires.
void on_focus_timer(Hwnd hwnd) {
    if (run_mode != RUN_SCREEN_SAVER)
        kill_timer(hwnd, FOCUS_TIMER_ID);
    else if (password_dialog_open == 0)
        set_foreground_window(hwnd);
}

void on_paint(Hwnd hwnd) {
    if (ready == 1 && in_frame == 0 && busy == 0) {
        in_frame = 1;
        frame_step(hwnd);
        in_frame = 0;
    }
}

void on_close(Hwnd hwnd) {
    busy = 1;
    while (frame_busy == 1) sleep_ms(100);
    write_int("data", "timer", cycle_timer, SETTINGS_FILE);
    sleep_ms(1000);
    gl_make_current(nullptr);
    gl_delete_context(hwnd);
    if (run_mode == RUN_SCREEN_SAVER) {
        write_private_profile_string(nullptr, nullptr, nullptr, SETTINGS_FILE);
        post_quit_message(0);
        return;
    }
    write_window_rect(hwnd, SETTINGS_FILE);
    if (control_window) {
        const Rect control = get_window_rect(control_window);
        write_int("Items", "xmainx", control.left, SETTINGS_FILE);
        write_int("Items", "xmainy", control.top, SETTINGS_FILE);
    }
    write_private_profile_string(nullptr, nullptr, nullptr, SETTINGS_FILE);
    post_quit_message(0);
}

void leave_program(Hwnd hwnd) {
    if (control_window && run_mode == RUN_INTERACTIVE) {
        const Rect control = get_window_rect(control_window);
        write_int("Items", "vectx", control.left, module_work_file);
        write_int("Items", "vecty", control.top, module_work_file);
        post_message(control_window, WM_CLOSE, 0, 0);
    }
    if (run_mode == RUN_INTERACTIVE && module_work_file[0] != '\0')
        write_window_rect(hwnd, module_work_file);
    // An unlocked saver lets go of the keyboard and the pointer; its close is its own.
    if (run_mode == RUN_SCREEN_SAVER) set_screen_saver_window(nullptr);
    busy = 1;
    post_message(hwnd, WM_CLOSE, 0, 0);
}
