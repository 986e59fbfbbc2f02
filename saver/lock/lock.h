// The password lock of the screen saver: setting the password in password-change mode, and
// the unlock bar that a running screen saver shows before it may end.
#pragma once

#include "platform/win.h"

// The check of the current password, then, once it was given (or none is stored), the new
// password twice; both dialogs are modal and have no owner. Then, while a password is stored,
// the question whether it locks the screen saver: so the lock is switched on and off here.
void run_password_change();
// The two steps on their own; the check returns the password-accepted flag.
int run_password_check();
void run_password_set();
// Whether the stored password locks the screen saver (the desktop's "ScreenSaveUsePassword"),
// as the user answers a question.
void ask_password_option();

// Shows the unlock bar over the starfield window, which hears command 40009 when the right
// password is entered. `closed` runs once the bar is gone, right or wrong.
void open_unlock_dialog(Hwnd starfield, void (*closed)());
