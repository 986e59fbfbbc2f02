// What the real backend keeps for each window.
#pragma once

#include "platform/real/saver_gl_window.h"

class DialogWindow;

struct BackendWindow {
    Fl_Window* top = nullptr;       // the FLTK window that shows it
    SaverGlWindow* fl = nullptr;    // the same, for windows that can carry a GL context
    DialogWindow* dialog = nullptr; // the same, for dialogs
    // The program asked for a context before the window was shown; it is made when it is.
    bool context_wanted = false;
};

// Makes the window's context current; a context that cannot be says so, the way a pixel format
// that cannot be set is reported.
bool make_context_current(BackendWindow* backend);
// Shows the FLTK window, makes a context asked for earlier, and tells the window manager
// which window owns it and the states it asks for.
void show_fl_window(Window* window);
// Forgets the platform window behind a dialog's FLTK window, whose deletion FLTK defers.
void dialog_window_detach(DialogWindow* dialog);
