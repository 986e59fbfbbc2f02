#include "saver/ui/ui_state.h"

Hwnd control_window_owner;
int setup_mode;
int expanded;
int global_settings_open;
Hwnd help_popup;

Hwnd save_dialog;
int save_mode;
int replace_confirmed;
std::string remembered_save_path;

int global_values_found[GLOBAL_VALUE_COUNT];
int sound_was_on;

Hwnd backdrop_selector;
int browsing;
int pending_image_mode;

Hwnd about_window;
