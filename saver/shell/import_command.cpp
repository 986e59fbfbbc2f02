#include "saver/shell/window_handlers.h"

#include "platform/file_dialog.h"
#include "saver/model/model_import.h"
#include "saver/model/model_state.h"

#include <cstdio>
#include <string>

void import_command(Hwnd hwnd) {
    module_path[0] = '\0';
    std::string chosen;
    if (!get_open_file_name(hwnd, "Solvantrix {planmXX.dem} or DXF", "*.*", nullptr, nullptr,
                            &chosen))
        return;
    std::snprintf(module_path, sizeof module_path, "%s", chosen.c_str());
    import_model(chosen.c_str());
}
