// The module cycle: fades the shown module in, holds it, fades it out and moves on to the
// next module of the library, in alphabetical or shuffled order.
#pragma once

#include "platform/win.h"

constexpr int CYCLE_LENGTH = 301;
constexpr int CYCLE_HOLD = 150; // the counter rests here while the module is held
constexpr float CYCLE_FADE_STEP = 0.0066f;
// Timer patterns from here up are negative up-down values: the library is walked shuffled.
constexpr int SHUFFLED_TIMER_PATTERN = 30000;

// One frame of the cycle; changes the module (posting the load command to `hwnd`) when a
// fade-out has ended.
void module_cycle(Hwnd hwnd);

// The cycle timer's 16-bit pattern as a length in tenths of minutes; 0 switches cycling off.
int cycle_timer_magnitude(int pattern);

struct ModuleChoice {
    int module; // index into module_files to show next
    int modsel; // where the next change starts its search
};
// The module that follows list index `from` in the cycle order.
ModuleChoice choose_next_module(int from, bool shuffled);

// Shows the next module: settings `module` and `modsel`, then the load command to `hwnd`.
void change_module(Hwnd hwnd);
