// What the real backend keeps for each window.
#pragma once

#include "platform/real/saver_gl_window.h"

struct BackendWindow {
    SaverGlWindow* fl = nullptr;
    // The program asked for a context before the window was shown; it is made when it is.
    bool context_wanted = false;
};

// Shows the FLTK window and makes a context asked for earlier.
void show_fl_window(BackendWindow* backend);
