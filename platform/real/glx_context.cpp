#include "platform/real/glx_context.h"

#include <FL/Fl_Gl_Window.H>
#include <FL/x.H>
#include <GL/glx.h>

bool glx_force_current(Fl_Gl_Window* window) {
    window->make_current();
    auto context = static_cast<GLXContext>(window->context());
    return context && glXMakeCurrent(fl_display, fl_xid(window), context);
}

void glx_release_current() {
    if (fl_display) glXMakeCurrent(fl_display, None, nullptr);
}
