#include "platform/real/x_window_manager.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>

namespace {

bool keyboard_held, pointer_held;

bool has_xid(Fl_Window* window) {
    return fl_display && window && window->shown();
}

// The EWMH request for a mapped window; a window the manager has not taken yet reads the
// property instead, which the request below also leaves behind.
void send_state(::Window xid, const char* state, bool on) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = xid;
    event.xclient.message_type = XInternAtom(fl_display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = on ? 1 : 0; // add, remove
    event.xclient.data.l[1] = static_cast<long>(XInternAtom(fl_display, state, False));
    event.xclient.data.l[3] = 1; // a normal application asks
    XSendEvent(fl_display, DefaultRootWindow(fl_display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

} // namespace

void x_set_owner(Fl_Window* window, Fl_Window* owner) {
    if (!has_xid(window) || !has_xid(owner)) return;
    XSetTransientForHint(fl_display, fl_xid(window), fl_xid(owner));
}

void x_set_states(Fl_Window* window, bool full_screen, bool above) {
    if (!has_xid(window)) return;
    const ::Window xid = fl_xid(window);
    Atom states[2];
    int count = 0;
    if (full_screen) states[count++] = XInternAtom(fl_display, "_NET_WM_STATE_FULLSCREEN", False);
    if (above) states[count++] = XInternAtom(fl_display, "_NET_WM_STATE_ABOVE", False);
    XChangeProperty(fl_display, xid, XInternAtom(fl_display, "_NET_WM_STATE", False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(states), count);
    send_state(xid, "_NET_WM_STATE_FULLSCREEN", full_screen);
    send_state(xid, "_NET_WM_STATE_ABOVE", above);
    XFlush(fl_display);
}

bool x_grab_input(Fl_Window* window) {
    if (!has_xid(window)) return false;
    const ::Window xid = fl_xid(window);
    // Owner events: the program's own windows get their input as usual.
    if (!keyboard_held)
        keyboard_held = XGrabKeyboard(fl_display, xid, True, GrabModeAsync, GrabModeAsync,
                                      CurrentTime) == GrabSuccess;
    if (!pointer_held)
        pointer_held =
            XGrabPointer(fl_display, xid, True,
                         ButtonPressMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
                         GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
    return keyboard_held && pointer_held;
}

void x_release_input() {
    if (!fl_display) return;
    if (keyboard_held) XUngrabKeyboard(fl_display, CurrentTime);
    if (pointer_held) XUngrabPointer(fl_display, CurrentTime);
    keyboard_held = pointer_held = false;
    XFlush(fl_display);
}
