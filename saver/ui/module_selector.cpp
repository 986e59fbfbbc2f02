#include "saver/ui/module_selector.h"

#include "platform/dialog.h"
#include "platform/profile.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/model/install_paths.h"
#include "saver/model/model_state.h"
#include "saver/model/module_library.h"
#include "saver/model/module_selection.h"
#include "saver/model/settings.h"
#include "saver/resources/control_ids.h"
#include "saver/ui/ui_state.h"

#include <string>
#include <strings.h>

namespace {

void select_module(Hwnd dialog) {
    const int index = list_get_cur_sel(dialog, ID_MODULE_SELECTOR);
    if (index < 0 || index >= static_cast<int>(module_files.size())) return;
    const std::string path = module_file_path(index);
    write_private_profile_string("data", "module", path.c_str(), SETTINGS_FILE);
    write_private_profile_string("data", "modsel", std::to_string(index).c_str(), SETTINGS_FILE);
    write_private_profile_string(nullptr, nullptr, nullptr, SETTINGS_FILE);
    show_selected_module(index);
    load_module_from_settings = 1;
    post_message(control_window_owner, WM_COMMAND, CMD_LOAD_MODULE, 0);
}

void toggle_include(Hwnd dialog) {
    const int index = list_get_cur_sel(dialog, ID_MODULE_FILES);
    if (index < 0 || index >= static_cast<int>(module_files.size())) return;
    const std::string& name = module_files[static_cast<size_t>(index)];
    const bool include = is_dlg_button_checked(dialog, ID_CYCLE_INCLUDE) == 0;
    set_module_included(name, include);
    // What the settings now hold, which is not what was asked when they refused the flag.
    check_dlg_button(dialog, ID_CYCLE_INCLUDE, module_included(name) ? 1 : 0);
    rebuild_cycle_order();
}

// The module the start loads is the one `module` names (the library's demo before anything
// was chosen); `modsel` stands for it only when that file is not in the lists.
int playing_module_index() {
    char path[500];
    get_private_profile_string("data", "module", default_module_path().c_str(), path, sizeof path,
                               SETTINGS_FILE);
    const char* file_name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/') file_name = p + 1;
    for (size_t i = 0; i < module_files.size(); ++i)
        if (module_files[i] == file_name) return static_cast<int>(i);
    // Loading finds the file in any case, so the lists are matched that way as well.
    for (size_t i = 0; i < module_files.size(); ++i)
        if (strcasecmp(module_files[i].c_str(), file_name) == 0) return static_cast<int>(i);
    return get_private_profile_int("data", "modsel", 0, SETTINGS_FILE);
}

} // namespace

void initialise_module_selector() {
    fill_module_lists();
    show_selected_module(playing_module_index());
}

bool module_selector_command(Hwnd dialog, int id, unsigned notification) {
    if (id == ID_MODULE_SELECTOR && notification == CBN_SELCHANGE) {
        select_module(dialog);
        return true;
    }
    if (id == ID_CYCLE_INCLUDE && notification == BN_CLICKED) {
        toggle_include(dialog);
        return true;
    }
    if (id == ID_CYCLE_TIMER_EDIT && notification == EN_CHANGE) {
        cycle_timer = updown_get_pos(dialog, ID_CYCLE_TIMER) & 0xFFFF;
        return true;
    }
    return false;
}
