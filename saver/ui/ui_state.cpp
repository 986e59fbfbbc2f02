#include "saver/ui/ui_state.h"

Hwnd control_window_owner;
int setup_mode;
int expanded;
int global_settings_open;
Hwnd help_popup;
