// The FLTK window behind every top-level window of the real backend.
#pragma once

#include <FL/Fl_Gl_Window.H>

struct Window;

class SaverGlWindow : public Fl_Gl_Window {
  public:
    SaverGlWindow(Window* window, int x, int y, int width, int height);
    // The platform window this one shows; null once it has been destroyed.
    Window* window;

    int handle(int event) override;
    void resize(int x, int y, int width, int height) override;
    // The program draws in WM_PAINT with its own context current; FLTK must neither draw nor
    // swap nor switch contexts on an expose.
    void draw() override {}
    void flush() override {}

  private:
    // Where the last mouse move was reported: a crossing or a grab that does not move the
    // pointer is no move (the screen saver counts them).
    int moved_x = -1, moved_y = -1;
};

// Virtual-key code of an FLTK key; VK_UNNAMED for a key without a code of its own.
unsigned virtual_key(int fltk_key);
