// The one dialog of the setup program: welcome, confirm, then install or remove, and done.
#pragma once

#include "platform/win.h"

// Timers of the dialog
constexpr unsigned TIMER_UNPACK = 1; // the next image or package
constexpr unsigned TIMER_END = 2;    // a message has been shown long enough: the setup ends

constexpr unsigned IMAGE_PACE_MS = 100;
constexpr unsigned PACKAGE_PACE_MS = 50;
constexpr unsigned NO_SPACE_SHOWN_MS = 5000;
constexpr unsigned FAILURE_SHOWN_MS = 1000;

Lresult setup_dialog_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam lparam);
// Ends the dialog and the program.
void end_setup();
