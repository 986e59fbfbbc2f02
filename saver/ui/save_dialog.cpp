#include "saver/ui/save_dialog.h"

#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/model/install_paths.h"
#include "saver/model/model_state.h"
#include "saver/model/module_files.h"
#include "saver/model/module_library.h"
#include "saver/resources/control_ids.h"
#include "saver/resources/icons.h"
#include "saver/resources/savertype_template.h"
#include "saver/ui/ui_state.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

namespace {

bool file_exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

void fill(Hwnd dialog) {
    replace_confirmed = 0;
    remembered_save_path.clear();
    for (size_t i = 0; i < module_files.size(); ++i)
        list_add_string(dialog, ID_SAVE_LIST, module_display_name(static_cast<int>(i)).c_str());
    if (selected_module >= 0 && selected_module < static_cast<int>(module_files.size()))
        set_dlg_item_text(dialog, ID_SAVE_NAME, module_display_name(selected_module).c_str());
    set_dlg_item_icon(dialog, ID_SAVE_NARROW, &ICON_NARROW_COLUMNS);
    set_dlg_item_icon(dialog, ID_SAVE_WIDE, &ICON_WIDE_COLUMNS);
    list_set_column_width(dialog, ID_SAVE_LIST, 225);
}

void close(Hwnd dialog) {
    save_dialog = nullptr;
    destroy_window(dialog);
}

void save_button(Hwnd dialog, int id) {
    save_mode = id == ID_SAVE_LARGE ? SAVE_FULL : id == ID_SAVE_SMALL ? SAVE_NO_STARS : SAVE_NORMAL;
    if (is_dlg_button_checked(dialog, ID_SAVE_NO_STARS)) save_mode = SAVE_NO_STARS;
    const std::string name = get_dlg_item_text(dialog, ID_SAVE_NAME).substr(0, 498);
    // The module's cycle flag is kept under its file name: a name the settings cannot hold
    // as a key would make a module that never cycles, whatever its include box says.
    if (!private_profile_key_kept((name + ".sv").c_str())) {
        message_box(dialog,
                    "A module name cannot hold \"=\" nor begin with \"[\", \";\" or a blank. "
                    "Choose another name.",
                    "Error", MB_OK | MB_ICONWARNING);
        return;
    }
    const std::string path = user_module_library() + name + ".sv";
    if (path != remembered_save_path) replace_confirmed = 0;
    if (replace_confirmed == 0 && file_exists(path)) {
        replace_confirmed = 1;
        remembered_save_path = path;
        set_dlg_item_text(dialog, ID_SAVE, "REPLACE");
        set_dlg_item_text(dialog, ID_SAVE_STATUS, ">>> FILE ALREADY EXISTS <<<");
        return;
    }
    replace_confirmed = 0;
    // The user's own library is made with the first module saved into it.
    make_directories(user_module_library());
    std::snprintf(module_path, sizeof module_path, "%s", path.c_str());
    post_message(control_window_owner, WM_COMMAND, CMD_SAVE_MODULE, 0);
    close(dialog);
}

} // namespace

Lresult save_dialog_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam) {
    if (message == WM_INITDIALOG) {
        fill(dialog);
        return 1;
    }
    if (message != WM_COMMAND) return 0;
    const int id = static_cast<int>(loword(wparam));
    switch (id) {
    case ID_SAVE_LIST:
        if (hiword(wparam) == LBN_SELCHANGE) {
            const int index = list_get_cur_sel(dialog, ID_SAVE_LIST);
            if (index >= 0)
                set_dlg_item_text(dialog, ID_SAVE_NAME,
                                  list_get_text(dialog, ID_SAVE_LIST, index).c_str());
        }
        return 1;
    case ID_SAVE_NARROW:
        list_set_column_width(dialog, ID_SAVE_LIST, 225);
        return 1;
    case ID_SAVE_WIDE:
        list_set_column_width(dialog, ID_SAVE_LIST, 1450);
        return 1;
    case ID_SAVE:
    case ID_SAVE_LARGE:
    case ID_SAVE_SMALL:
    case 1: // Enter
        save_button(dialog, id == 1 ? ID_SAVE : id);
        return 1;
    case ID_SAVE_CANCEL:
    case 2: // Esc
        replace_confirmed = 0;
        close(dialog);
        return 1;
    default:
        return 0;
    }
}

void open_save_dialog(Hwnd owner) {
    if (save_dialog) return;
    save_dialog = create_dialog(SAVERTYPE_TEMPLATE, owner, save_dialog_proc);
}
