#include "saver/shell/window_handlers.h"

#include "platform/file_dialog.h"
#include "platform/profile.h"
#include "platform/screen.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/model/install_paths.h"
#include "saver/model/model_state.h"
#include "saver/model/module_files.h"
#include "saver/model/module_library.h"
#include "saver/model/module_selection.h"
#include "saver/model/recording.h"
#include "saver/model/settings.h"
#include "saver/shell/placement.h"
#include "saver/shell/shell_state.h"
#include "saver/ui/ui_state.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void place_after_load(Hwnd hwnd) {
    if (run_mode == RUN_HOSTED) return; // the host places its window
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

// Loads a module and names the interactive window after it; returns whether its stars are
// to be generated.
int load_and_title(Hwnd hwnd, const std::string& path) {
    int saved_without_stars = 0;
    if (load_module(path.c_str(), &saved_without_stars) && run_mode == RUN_INTERACTIVE)
        set_window_text(hwnd, module_name);
    return saved_without_stars;
}

int load_chosen_module(Hwnd hwnd) {
    if (load_module_from_settings == 1) {
        char path[500];
        get_private_profile_string("data", "module", default_module_path().c_str(), path,
                                   sizeof path, SETTINGS_FILE);
        load_module_from_settings = 0;
        return load_and_title(hwnd, path);
    }
    if (open_succeeded == 1) return load_and_title(hwnd, module_path);

    const std::string preset = first_dialog_done ? std::string() : default_module_path();
    std::string chosen;
    const bool picked =
        get_open_file_name(hwnd, "Solvantrix Modules {*.sv}", "*.sv", module_library().c_str(),
                           preset.empty() ? nullptr : preset.c_str(), &chosen);
    const bool first = first_dialog_done == 0;
    first_dialog_done = 1;
    if (picked) return load_and_title(hwnd, chosen);
    if (first) post_message(hwnd, WM_COMMAND, CMD_EXIT, 0);
    return 0;
}

} // namespace

void load_module_command(Hwnd hwnd) {
    busy = 1;
    const int saved_without_stars = load_chosen_module(hwnd);
    place_after_load(hwnd);
    std::strcpy(selected_section, "2007");
    current_view_index = 0;
    if (saved_without_stars) anchor_flag = 1;
    start_playback();
    open_succeeded = 0;
    busy = 0;
    ready = 1;
}

void save_module_command(Hwnd hwnd) {
    open_succeeded = 0;
    const std::string backup = module_path;
    const int result = save_module(module_path, save_mode, get_window_rect(hwnd));
    const bool saved = result == SAVE_DONE;
    char name[500];
    module_name_of(backup.c_str(), name, sizeof name);
    if (saved) {
        std::snprintf(module_path, sizeof module_path, "%s", backup.c_str());
        open_succeeded = 1;
    } else {
        module_path[0] = '\0';
    }
    // Without a module file of that name the window keeps naming the module it shows.
    if (run_mode == RUN_INTERACTIVE && result != SAVE_NOT_CREATED) set_window_text(hwnd, name);

    fill_module_lists();
    int index = 0;
    const std::string file_name = std::string(name) + ".sv";
    // The module saved is the user's, listed before a library module of the same name.
    for (size_t i = module_files.size(); i-- > 0;)
        if (module_files[i] == file_name) index = static_cast<int>(i);
    show_selected_module(index);

    if (!saved) {
        busy = 0;
        return;
    }
    load_module_command(hwnd);
}
