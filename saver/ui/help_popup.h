// The right-click help of the control window: a small note beside the control, at most one at
// a time, closed by a click into it or replaced by the next right click.
#pragma once

#include "platform/win.h"

// Shows the help of a control of the control window; a control without help changes nothing.
void show_control_help(int control_id);
Lresult help_popup_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam lparam);
