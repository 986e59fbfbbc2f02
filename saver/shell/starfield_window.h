// The starfield window: render loop, start, module load command, close.
#pragma once

#include "platform/win.h"

Lresult starfield_window_proc(Hwnd hwnd, unsigned message, Wparam wparam, Lparam lparam);

constexpr unsigned START_TIMER_ID = 2;
// A running screen saver keeps itself in front with the keyboard focus on this tick rather than
// on every frame: taking the focus asks the X server twice and restacks the window.
constexpr unsigned FOCUS_TIMER_ID = 3;
constexpr unsigned FOCUS_TIMER_MS = 199;
