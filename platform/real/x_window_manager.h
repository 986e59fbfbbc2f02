// What the program asks of the X window manager and the X server beyond what FLTK asks. Kept
// apart because the X11 headers name a type Window.
#pragma once

class Fl_Window;

// The relation that keeps a window above its owner (and with it when the owner is minimised).
void x_set_owner(Fl_Window* window, Fl_Window* owner);
// Asks for full screen and to stay above (the window manager's states); false clears them.
void x_set_states(Fl_Window* window, bool full_screen, bool above);
// Takes the keyboard and the pointer for the program, the window getting what is aimed at
// other clients' windows; true once both are held. Taking what is held already is harmless.
bool x_grab_input(Fl_Window* window);
void x_release_input();
