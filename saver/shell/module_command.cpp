#include "saver/shell/window_handlers.h"

#include "platform/profile.h"
#include "platform/screen.h"
#include "platform/window.h"
#include "saver/engine/engine_state.h"
#include "saver/model/install_paths.h"
#include "saver/model/model_state.h"
#include "saver/model/module_files.h"
#include "saver/model/recording.h"
#include "saver/model/settings.h"
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

// Loads the module the settings name; returns whether its stars are to be generated.
int load_module_from_settings_file(Hwnd hwnd) {
    char path[500];
    get_private_profile_string("data", "module", default_module_path().c_str(), path, sizeof path,
                               SETTINGS_FILE);
    int saved_without_stars = 0;
    if (load_module(path, &saved_without_stars) && run_mode == RUN_INTERACTIVE)
        set_window_text(hwnd, module_name);
    load_module_from_settings = 0;
    return saved_without_stars;
}

} // namespace

void load_module_command(Hwnd hwnd) {
    busy = 1;
    const int saved_without_stars =
        load_module_from_settings == 1 ? load_module_from_settings_file(hwnd) : 0;
    place_after_load(hwnd);
    std::strcpy(selected_section, "2007");
    current_view_index = 0;
    if (saved_without_stars) anchor_flag = 1;
    start_playback();
    busy = 0;
    ready = 1;
}
