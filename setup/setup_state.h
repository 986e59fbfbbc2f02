// Every program-wide value of the setup program: the mode, the dialog's state, the install
// directory and the unpacking under way.
#pragma once

#include "platform/win.h"

#include <string>

enum SetupMode { MODE_INSTALL, MODE_REMOVE };
enum SetupStep { STEP_WELCOME = 0, STEP_CONFIRM = 1, STEP_DONE = 2 };

constexpr const char* SETUP_WINDOW_CLASS = "RAFTSETUP";
constexpr int PROGRESS_RANGE = 20000;

extern Hwnd setup_window; // the hidden owner of the dialog
extern Hwnd setup_dialog;
extern int setup_mode;
extern int setup_step;
extern int setup_busy;          // "Finish" was taken: the install or removal runs or has run
extern int setup_exit_code;     // 0 unless the install or the removal failed
extern std::string install_dir; // without a final "/"
// The default install directory was created when the dialog opened; an install that never
// happens takes it away again while it is empty.
extern int created_install_dir;

// Unpacking
extern int progress_step;     // PROGRESS_RANGE / (package count + 16)
extern int progress_position; // 0 .. PROGRESS_RANGE
extern int unpack_index;      // next image, then next package (after the images)

// Sets everything back to the start of a run.
void reset_setup_state();
