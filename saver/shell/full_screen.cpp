#include "saver/shell/window_handlers.h"

#include "platform/screen.h"
#include "platform/window.h"
#include "saver/model/model_state.h"
#include "saver/shell/placement.h"
#include "saver/shell/shell_state.h"

void toggle_full_screen(Hwnd hwnd) {
    const unsigned style = get_window_style(hwnd) ^ (WS_CAPTION | WS_THICKFRAME);
    set_window_style(hwnd, style);
    set_window_pos(hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    if (style & WS_CAPTION) {
        set_window_states(hwnd, {});
        restore_saved_rect(hwnd);
        full_screen = 0;
        show_cursor(true);
        return;
    }
    if (control_window)
        set_window_pos(control_window, HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_HIDEWINDOW);
    const Rect r = get_window_rect(hwnd);
    saved_rect = {r.left, r.top, rect_width(r), rect_height(r)};
    cover_screen(hwnd);
    set_window_states(hwnd, {true, false});
    full_screen = 1;
    show_cursor(false);
}
