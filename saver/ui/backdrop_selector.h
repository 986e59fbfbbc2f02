// The backdrop selector: picks the module's backdrop image, its image mode and its shape
// resolution, stores them in the module work file and loads the image at once.
#pragma once

#include "platform/win.h"

// Command 40135: opens the selector owned by the starfield window, unless it is open.
void open_backdrop_selector(Hwnd starfield);
Lresult backdrop_selector_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam lparam);
