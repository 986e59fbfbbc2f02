#include "saver/shell/starfield_window.h"

#include "platform/screen.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/shell/shell_state.h"
#include "saver/shell/window_handlers.h"
#include "saver/ui/about_window.h"
#include "saver/ui/backdrop_selector.h"
#include "saver/ui/save_dialog.h"

#include "platform/window.h"

namespace {

void on_command(Hwnd hwnd, int id) {
    switch (id) {
    case CMD_EXIT:
        leave_program(hwnd);
        break;
    case CMD_LOAD_MODULE:
        open_succeeded = 0;
        module_path[0] = '\0';
        load_module_command(hwnd);
        break;
    case CMD_SAVE_MODULE:
        save_module_command(hwnd);
        break;
    case CMD_SAVE_DIALOG:
        open_save_dialog(hwnd);
        break;
    case CMD_VIEW1:
    case CMD_VIEW2:
    case CMD_VIEW3:
    case CMD_VIEW4:
    case CMD_VIEW5:
    case CMD_VIEW6:
    case CMD_VIEW7:
    case CMD_PLAY:
        on_view_command(id);
        break;
    case CMD_STATUS:
        show_status_text();
        break;
    case CMD_TOGGLE_FULLSCREEN:
        toggle_full_screen(hwnd);
        break;
    case CMD_IMPORT_MODEL:
        import_command(hwnd);
        break;
    case CMD_TO_INTERACTIVE:
        turn_into_interactive(hwnd);
        break;
    case CMD_ABOUT:
        open_about_window(hwnd);
        break;
    case CMD_BACKDROP_SELECTOR:
        open_backdrop_selector(hwnd);
        break;
    default:
        break;
    }
}

// Screen-saver mode: every input ends the saver; a mouse move only the tenth time.
bool screen_saver_input(Hwnd hwnd, unsigned message, Wparam wparam) {
    if (run_mode != RUN_SCREEN_SAVER) return false;
    switch (message) {
    case WM_KEYDOWN:
        end_screen_saver(hwnd, wparam == VK_ESCAPE);
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
        end_screen_saver(hwnd, false);
        return true;
    case WM_MOUSEMOVE:
        if (++mouse_move_counter > 9) end_screen_saver(hwnd, false);
        return true;
    case WM_CLOSE:
        // A window manager's close goes the way of a key while the saver holds the screen;
        // the saver's own close, once it has let go, ends it.
        if (screen_saver_window() != hwnd) return false;
        end_screen_saver(hwnd, false);
        return true;
    default:
        return false;
    }
}

} // namespace

Lresult starfield_window_proc(Hwnd hwnd, unsigned message, Wparam wparam, Lparam lparam) {
    if (screen_saver_input(hwnd, message, wparam)) return 0;
    switch (message) {
    case WM_KEYDOWN:
        on_key(hwnd, static_cast<unsigned>(wparam));
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
        on_mouse(message, lparam);
        return 0;
    case WM_CREATE:
        on_create(hwnd);
        return 0;
    case WM_DESTROY:
        return 0;
    case WM_SIZE:
        resize_pending = 1;
        return 0;
    case WM_PAINT:
        on_paint(hwnd);
        return 0;
    case WM_CLOSE:
        on_close(hwnd);
        return 0;
    case WM_TIMER:
        if (wparam == START_TIMER_ID) on_start_timer(hwnd);
        if (wparam == FOCUS_TIMER_ID) on_focus_timer(hwnd);
        return 0;
    case WM_COMMAND:
        on_command(hwnd, static_cast<int>(loword(wparam)));
        return 0;
    case WM_USER:
        on_user(hwnd);
        return 0;
    default:
        return 0;
    }
}
