#include "platform/real/glx_context.h"

#include <FL/Fl_Gl_Window.H>
#include <FL/x.H>
#include <GL/glx.h>

namespace {

// GLX attribute lists for FLTK, deepest first; FLTK keeps a pointer to the one in use.
constexpr int DEPTH_CHOICES = 4;
const int visual_with_depth[DEPTH_CHOICES][12] = {
    {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 1, GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE, 1,
     GLX_DEPTH_SIZE, 32, None},
    {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 1, GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE, 1,
     GLX_DEPTH_SIZE, 24, None},
    {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 1, GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE, 1,
     GLX_DEPTH_SIZE, 16, None},
    {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 1, GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE, 1,
     GLX_DEPTH_SIZE, 1, None},
};

} // namespace

bool glx_choose_deepest_visual(Fl_Gl_Window* window) {
    for (const int* attributes : visual_with_depth) {
        if (!Fl_Gl_Window::can_do(attributes)) continue;
        window->mode(attributes);
        return true;
    }
    return false;
}

bool glx_force_current(Fl_Gl_Window* window) {
    window->make_current();
    auto context = static_cast<GLXContext>(window->context());
    return context && glXMakeCurrent(fl_display, fl_xid(window), context);
}

void glx_release_current() {
    if (fl_display) glXMakeCurrent(fl_display, None, nullptr);
}
