#include "saver/shell/window_handlers.h"

#include "platform/screen.h"
#include "platform/window.h"
#include "saver/model/model_state.h"
#include "saver/model/recording.h"
#include "saver/shell/placement.h"
#include "saver/shell/shell_state.h"

#include <cstring>

namespace {

void place_after_load(Hwnd hwnd) {
    read_saved_rect();
    if (run_mode == RUN_SCREEN_SAVER) {
        cover_screen(hwnd);
        if (cursor_hidden_once == 0) {
            show_cursor(false);
            cursor_hidden_once = 1;
        }
        return;
    }
    if (placed_once == 1) return;
    placed_once = 1;
    const Rect screen = covered_screen();
    if (saved_rect.left > rect_width(screen) || saved_rect.top > rect_height(screen)) {
        saved_rect.left = 0;
        saved_rect.top = 0;
    }
    if (full_screen == 0) restore_saved_rect(hwnd);
}

} // namespace

void load_module_command(Hwnd hwnd) {
    busy = 1;
    place_after_load(hwnd);
    std::strcpy(selected_section, "2007");
    current_view_index = 0;
    start_playback();
    busy = 0;
    ready = 1;
}
