// Context calls FLTK does not offer. Kept apart because the X11 headers name a type Window.
#pragma once

class Fl_Gl_Window;

// Makes the window's context current even when FLTK believes it already is.
bool glx_force_current(Fl_Gl_Window* window);
void glx_release_current();
