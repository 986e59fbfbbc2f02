// The starfield window: render loop, start, module load command, close.
#pragma once

#include "platform/win.h"

Lresult starfield_window_proc(Hwnd hwnd, unsigned message, Wparam wparam, Lparam lparam);

constexpr unsigned START_TIMER_ID = 2;
