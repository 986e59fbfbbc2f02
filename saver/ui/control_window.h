// The control window: the editor dialog built from STATUS. It edits the live View directly and
// reaches the starfield window only by posting WM_COMMAND with a command id.
#pragma once

#include "platform/win.h"

// Creates the control window owned by the starfield window; the handle lands in
// `control_window`. Null when the dialog could not be made.
Hwnd create_control_window(Hwnd starfield);
Lresult control_window_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam lparam);

// The window's size in pixels: contracted shows exactly the toolbar row, expanded the whole
// panel. The starfield window creates and restores it at the contracted size.
struct WindowSize {
    int width, height;
};
WindowSize control_window_size(Hwnd dialog, int expanded_size);

// Copies every slider (and the cycle timer) into its live parameter; the one way control
// values reach the live View.
void read_back_controls();

// A WM_COMMAND from one of the controls. Returns the dialog procedure's result.
Lresult control_command(Hwnd dialog, int id, unsigned notification);
