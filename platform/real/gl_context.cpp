// The GL context of a window is the one its Fl_Gl_Window keeps.
#include "platform/gl_context.h"
#include "platform/common/window_table.h"
#include "platform/hosted.h"
#include "platform/real/backend_window.h"
#include "platform/real/glx_context.h"
#include "platform/wayland.h"

#include "platform/message_box.h"

namespace {

// Only windows made by create_window carry a context; a dialog has none.
BackendWindow* backend_of(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    return window && window->backend && window->backend->fl ? window->backend : nullptr;
}
} // namespace

bool gl_choose_pixel_format(Hwnd hwnd) {
    BackendWindow* backend = backend_of(hwnd);
    return backend && glx_choose_deepest_visual(backend->fl);
}

bool make_context_current(BackendWindow* backend) {
    if (glx_force_current(backend->fl)) return true;
    message_box(nullptr, "SetPixelFormat failed", "Error", MB_OK);
    return false;
}

bool gl_create_context(Hwnd hwnd) {
    BackendWindow* backend = backend_of(hwnd);
    if (!backend) return false;
    backend->context_wanted = true;
    // Not shown yet: the context is made and made current when it is.
    if (!backend->fl->shown()) return true;
    return make_context_current(backend);
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
    // A host's window and the Wayland surfaces have no FLTK window; they present the frame.
    if (hosted_swap_buffers(hwnd) || wayland_swap_buffers(hwnd)) return;
    BackendWindow* backend = backend_of(hwnd);
    if (backend && backend->context_wanted && backend->fl->shown()) backend->fl->swap_buffers();
}

bool gl_needs_palette(Hwnd) {
    // The visual is always asked for in RGB; a colour-index one is never chosen.
    return false;
}
