// The save-module dialog: the user names the module; the starfield window saves it.
#pragma once

#include "platform/win.h"

// Opens the dialog unless it is open already.
void open_save_dialog(Hwnd owner);
Lresult save_dialog_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam lparam);
