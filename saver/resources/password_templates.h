// The three dialogs of the password lock: check the current password, set a new one, and
// the one-line bar that unlocks a running screen saver.
#pragma once

#include "platform/dialog.h"

extern const DialogTemplate PASSWORDCHECK_TEMPLATE;
extern const DialogTemplate PASSWORDSET_TEMPLATE;
extern const DialogTemplate PASSWORD_TEMPLATE;
