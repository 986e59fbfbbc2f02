// Every global of the control window in one place.
#pragma once

#include "platform/win.h"

#include <string>

// The handle of the control window itself is `control_window` (saver/model/model_state.h),
// because the View load and save test it too.
extern Hwnd control_window_owner; // the starfield window, which carries out posted commands
extern int setup_mode;            // the setup button is pressed in: View buttons store
extern int expanded;              // 0 contracted (toolbar only), 1 expanded
extern int global_settings_open;  // the Global Settings dialog runs
extern Hwnd help_popup;           // the one right-click help popup, or null

// The save-module dialog
extern Hwnd save_dialog;                 // open, or null
extern int save_mode;                    // SaveMode of the button pressed last
extern int replace_confirmed;            // the user was told the file exists
extern std::string remembered_save_path; // the path that warning was about

// The Global Settings dialog (its open mark is global_settings_open)
constexpr int GLOBAL_VALUE_COUNT = 5;
extern int global_values_found[GLOBAL_VALUE_COUNT]; // restored by "Cancel"
extern int sound_was_on;                            // soundenable when the dialog opened

// The backdrop selector
extern Hwnd backdrop_selector; // open, or null
extern int browsing;           // its file dialog runs
extern int pending_image_mode; // the image-mode radio choice, stored by "OK" or a browse

// The about and help window
extern Hwnd about_window; // open, or null
