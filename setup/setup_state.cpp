#include "setup/setup_state.h"

Hwnd setup_window;
Hwnd setup_dialog;
int setup_mode;
int setup_step;
int setup_busy;
int setup_exit_code;
std::string install_dir;
int created_install_dir;
int progress_step;
int progress_position;
int unpack_index;

void reset_setup_state() {
    setup_window = nullptr;
    setup_dialog = nullptr;
    setup_mode = MODE_INSTALL;
    setup_step = STEP_WELCOME;
    setup_busy = 0;
    setup_exit_code = 0;
    install_dir.clear();
    created_install_dir = 0;
    progress_step = 0;
    progress_position = 0;
    unpack_index = 0;
}
