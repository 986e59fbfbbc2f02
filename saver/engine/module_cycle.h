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

// Starts this copy on a walk of its own through the cycle (copies run one per monitor): takes
// the module after the settings' `modsel` for its first, into `own_cycle_module`, and moves
// `modsel` on past it for the next copy. False, with no walk of its own, when the cycle is
// off or the library is empty.
bool claim_cycle_start();

// Shows the next module: settings `module` and `modsel` (for a copy on its own walk, its own
// next module, stored when no other copy has gone further), then the load command to `hwnd`.
void change_module(Hwnd hwnd);
