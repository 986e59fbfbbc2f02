// Every program-wide value of the program shell: run mode, the starfield window and the
// flags its window procedure keeps between messages.
#pragma once

#include "platform/win.h"

// Hosted: the screen saver drawing into a window that a screen-saver host made and owns.
enum RunMode {
    RUN_INTERACTIVE = 0,
    RUN_SCREEN_SAVER = 1,
    RUN_REFUSED = 2,
    RUN_PASSWORD = 3,
    RUN_HOSTED = 4
};
constexpr const char* WINDOW_CLASS = "SOLVANTRIX";

extern int run_mode;
extern Hwnd starfield_window;
extern int screen_save_use_password; // the desktop's password option, read at window creation

extern int ready;       // the first module load has finished: frames are drawn
extern int in_frame;    // the frame step runs
extern int busy;        // a module load or the close is in progress
extern int full_screen; // the interactive window covers the screen
struct FramedRect {
    int left, top, width, height;
};
extern FramedRect saved_rect; // the framed window, restored when full screen ends
extern int placed_once;       // the first module load has placed the interactive window
extern int cursor_hidden_once;
extern int open_succeeded;    // a save chose the file the next module load takes
extern int first_dialog_done; // the open-module dialog has been shown once
extern int view_key_flag;     // the View command comes from an F key
extern int mouse_x, mouse_y;  // last mouse position in client pixels

// Ending the screen saver
extern int exit_in_progress;
extern int password_dialog_open;
extern int escape_flag;
extern int mouse_move_counter;
