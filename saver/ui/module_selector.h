// The module selector of the control window's toolbar: pick a module, include it in
// cycling, set the cycle timer.
#pragma once

#include "platform/win.h"

// Fills the lists and selects the module `modsel` names.
void initialise_module_selector();
// Handles the selector's controls; false for any other control.
bool module_selector_command(Hwnd dialog, int id, unsigned notification);
