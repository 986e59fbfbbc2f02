// The Global Settings dialog: settings of the installation rather than of a module. Its
// up-down controls preview on the running starfield at once; "OK" keeps and saves them,
// "Cancel" brings back what the dialog found.
#pragma once

#include "platform/win.h"

// What the dialog asks the control window to do with every module's cycle flag.
enum SequencingChoice { SEQUENCING_NONE = 0, SEQUENCING_SET_ALL = 1, SEQUENCING_CLEAR_ALL = 2 };

// "G": runs the dialog modally, owned by the starfield window, unless it runs already; then
// applies its sequencing choice to the module lists and the cycle order.
void open_global_settings();
Lresult global_settings_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam lparam);
