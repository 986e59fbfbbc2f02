// The X input focus, which FLTK leaves to the window manager. Kept apart because the X11
// headers name a type Window.
#pragma once

class Fl_Window;

// Gives the keyboard to a shown, mapped window unless it has it already. Without a window
// manager nothing else ever would.
void x_take_input_focus(Fl_Window* window);
