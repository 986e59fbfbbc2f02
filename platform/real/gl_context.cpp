// The GL context of a window is the one its Fl_Gl_Window keeps.
#include "platform/gl_context.h"
#include "platform/common/window_table.h"
#include "platform/hosted.h"
#include "platform/real/backend_window.h"
#include "platform/real/glx_context.h"

namespace {
constexpr int wanted_mode = FL_RGB | FL_DOUBLE | FL_DEPTH;

// Only windows made by create_window carry a context; a dialog has none.
BackendWindow* backend_of(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    return window && window->backend && window->backend->fl ? window->backend : nullptr;
}
} // namespace

bool gl_choose_pixel_format(Hwnd hwnd) {
    return backend_of(hwnd) && Fl_Gl_Window::can_do(wanted_mode);
}

bool gl_create_context(Hwnd hwnd) {
    BackendWindow* backend = backend_of(hwnd);
    if (!backend) return false;
    backend->context_wanted = true;
    // Not shown yet: the context is made and made current when it is.
    if (!backend->fl->shown()) return true;
    return glx_force_current(backend->fl);
}

bool gl_make_current(Hwnd hwnd) {
    if (!hwnd) {
        glx_release_current();
        return true;
    }
    BackendWindow* backend = backend_of(hwnd);
    if (!backend || !backend->context_wanted || !backend->fl->shown()) return false;
    return glx_force_current(backend->fl);
}

void gl_delete_context(Hwnd hwnd) {
    BackendWindow* backend = backend_of(hwnd);
    if (!backend) return;
    // FLTK owns the context and frees it with the window; here it only stops being used.
    glx_release_current();
    backend->context_wanted = false;
}

void gl_swap_buffers(Hwnd hwnd) {
    // A host's window has no FLTK window; its own surface presents the frame.
    if (hosted_swap_buffers(hwnd)) return;
    BackendWindow* backend = backend_of(hwnd);
    if (backend && backend->context_wanted && backend->fl->shown()) backend->fl->swap_buffers();
}

bool gl_needs_palette(Hwnd) {
    // The visual is always asked for in RGB; a colour-index one is never chosen.
    return false;
}
