#include "saver/shell/window_handlers.h"

#include "platform/dialog.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/recording.h"
#include "saver/model/view_io.h"
#include "saver/resources/control_ids.h"
#include "saver/shell/shell_state.h"
#include "saver/ui/ui_state.h"

#include <cstdio>
#include <cstring>
#include <string>

void show_status_text() {
    if (control_window) set_dlg_item_text(control_window, ID_STATUS_TEXT, status_text);
}

void on_view_command(int id) {
    if (id == CMD_PLAY) {
        std::strcpy(status_text, "VIEW 8");
        if (setup_mode == 0) {
            start_playback();
            show_status_text();
            return;
        }
        std::strcpy(selected_section, "2007");
        current_view_index = 7;
        skip_flight_on_save = 1;
    } else {
        const int view = id == CMD_VIEW1 ? 1 : id - CMD_VIEW2 + 2;
        std::snprintf(selected_section, sizeof selected_section, "%s",
                      std::to_string(1999 + view).c_str());
        std::snprintf(status_text, sizeof status_text, "VIEW %d", view);
        current_view_index = view - 1;
    }
    if (setup_mode) {
        setup_mode = 0;
        if (control_window) check_dlg_button(control_window, ID_SETUP, 0);
        save_view(selected_section);
    } else {
        std::strcpy(pending_view_section, selected_section);
        view_load_pending = 1;
        if (control_window && view_key_flag == 0) set_dlg_item_focus(control_window, ID_TRACK1);
        view_key_flag = 0;
    }
    show_status_text();
}
