#include "platform/real/x_focus.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>

void x_take_input_focus(Fl_Window* window) {
    if (!fl_display || !window || !window->shown() || !window->visible()) return;
    const ::Window xid = fl_xid(window);
    ::Window focused = None;
    int revert = 0;
    XGetInputFocus(fl_display, &focused, &revert);
    if (focused == xid) return;
    // Focusing a window the server has not mapped yet is an error; the next call will do.
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(fl_display, xid, &attributes) || attributes.map_state != IsViewable)
        return;
    XSetInputFocus(fl_display, xid, RevertToParent, CurrentTime);
}
