#include "saver/model/module_selection.h"

#include "platform/dialog.h"
#include "saver/model/model_state.h"
#include "saver/model/module_library.h"
#include "saver/resources/control_ids.h"

void fill_module_lists() {
    refresh_module_list();
    // Indexes shift whenever the library changes, so the order is built anew over them.
    rebuild_cycle_order();
    if (!control_window) return;
    for (int id : {ID_MODULE_RAW_FILES, ID_MODULE_FILES, ID_MODULE_SELECTOR})
        list_reset(control_window, id);
    for (size_t i = 0; i < module_files.size(); ++i) {
        list_add_string(control_window, ID_MODULE_RAW_FILES, module_files[i].c_str());
        list_add_string(control_window, ID_MODULE_FILES, module_files[i].c_str());
        list_add_string(control_window, ID_MODULE_SELECTOR,
                        module_display_name(static_cast<int>(i)).c_str());
    }
}

void show_selected_module(int index) {
    selected_module = index;
    if (!control_window) return;
    list_set_cur_sel(control_window, ID_MODULE_SELECTOR, index);
    list_set_cur_sel(control_window, ID_MODULE_FILES, index);
    const bool known = index >= 0 && index < static_cast<int>(module_files.size());
    check_dlg_button(control_window, ID_CYCLE_INCLUDE,
                     known && module_included(module_files[static_cast<size_t>(index)]) ? 1 : 0);
}
