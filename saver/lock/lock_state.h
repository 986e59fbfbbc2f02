// Program-wide state of the password lock.
#pragma once

#include "platform/win.h"

extern int password_accepted; // the check dialog passed: the set dialog may open
extern Hwnd unlock_dialog;    // the unlock bar while it is shown
extern Hwnd unlock_owner;     // the starfield window it unlocks
extern void (*unlock_closed)();

// The unlock bar's timer, which keeps it in front of the full-screen window.
constexpr unsigned UNLOCK_TIMER_ID = 4;
constexpr unsigned UNLOCK_TIMER_MS = 199;
