// Context calls FLTK does not offer. Kept apart because the X11 headers name a type Window.
#pragma once

class Fl_Gl_Window;

// Asks the window for the deepest depth buffer the display's visuals offer, with RGB and
// double buffering; false when no visual has those at all.
bool glx_choose_deepest_visual(Fl_Gl_Window* window);
// Makes the window's context current even when FLTK believes it already is.
bool glx_force_current(Fl_Gl_Window* window);
void glx_release_current();
