// OpenGL without a display: an EGL pbuffer on Mesa's surfaceless platform, rasterised in
// memory, so that tests read back exactly what was drawn.
#include "platform/gl_context.h"
#include "platform/common/window_table.h"
#include "platform/headless/gl_surface.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <algorithm>
#include <vector>

struct BackendWindow {
    EGLConfig config = nullptr;
    EGLContext context = EGL_NO_CONTEXT;
    EGLSurface surface = EGL_NO_SURFACE;
};

namespace {

EGLDisplay display = EGL_NO_DISPLAY;
bool display_tried;

EGLDisplay surfaceless_display() {
    if (display_tried) return display;
    display_tried = true;
    EGLDisplay candidate =
        eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (candidate == EGL_NO_DISPLAY) return display;
    if (!eglInitialize(candidate, nullptr, nullptr)) return display;
    display = candidate;
    return display;
}

BackendWindow* gl_of(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    return window ? window->backend : nullptr;
}

EGLSurface make_surface(EGLConfig config, int width, int height) {
    // A zero-sized client area still gets a drawable pixel.
    const EGLint attributes[] = {EGL_WIDTH, std::max(width, 1), EGL_HEIGHT, std::max(height, 1),
                                 EGL_NONE};
    return eglCreatePbufferSurface(display, config, attributes);
}

// The pixel format stays chosen: a context can be created for the window again.
void release_context(BackendWindow* gl) {
    if (gl->context != EGL_NO_CONTEXT) {
        if (eglGetCurrentContext() == gl->context)
            eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(display, gl->context);
        gl->context = EGL_NO_CONTEXT;
    }
    if (gl->surface != EGL_NO_SURFACE) {
        eglDestroySurface(display, gl->surface);
        gl->surface = EGL_NO_SURFACE;
    }
}

EGLint config_attribute(EGLConfig config, EGLint attribute) {
    EGLint value = 0;
    eglGetConfigAttrib(display, config, attribute, &value);
    return value;
}

// What a display's true-colour visual gives the real program: 8 bits a channel, no alpha and
// no multisampling, with the deepest depth buffer on offer. EGL alone would sort the deeper
// colour formats first, and the rasteriser is measured and tested on the pixels it writes.
EGLConfig display_like_config() {
    const EGLint wanted[] = {EGL_SURFACE_TYPE,
                             EGL_PBUFFER_BIT,
                             EGL_RENDERABLE_TYPE,
                             EGL_OPENGL_BIT,
                             EGL_RED_SIZE,
                             8,
                             EGL_GREEN_SIZE,
                             8,
                             EGL_BLUE_SIZE,
                             8,
                             EGL_DEPTH_SIZE,
                             16,
                             EGL_NONE};
    EGLint count = 0;
    if (!eglChooseConfig(display, wanted, nullptr, 0, &count) || count < 1) return nullptr;
    std::vector<EGLConfig> configs(static_cast<size_t>(count));
    if (!eglChooseConfig(display, wanted, configs.data(), count, &count)) return nullptr;
    configs.resize(static_cast<size_t>(std::max(count, 0)));
    EGLConfig best = nullptr;
    EGLint best_depth = 0;
    for (EGLConfig config : configs) {
        const bool true_colour = config_attribute(config, EGL_RED_SIZE) == 8 &&
                                 config_attribute(config, EGL_GREEN_SIZE) == 8 &&
                                 config_attribute(config, EGL_BLUE_SIZE) == 8 &&
                                 config_attribute(config, EGL_ALPHA_SIZE) == 0 &&
                                 config_attribute(config, EGL_SAMPLES) == 0;
        const EGLint depth = config_attribute(config, EGL_DEPTH_SIZE);
        if (true_colour && depth > best_depth) {
            best = config;
            best_depth = depth;
        }
    }
    // A driver without such a format still renders in the closest one it has.
    return best ? best : configs.empty() ? nullptr : configs.front();
}

} // namespace

bool gl_choose_pixel_format(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    if (!window || surfaceless_display() == EGL_NO_DISPLAY) return false;
    const EGLConfig config = display_like_config();
    if (!config) return false;
    if (!window->backend) window->backend = new BackendWindow;
    window->backend->config = config;
    return true;
}

bool gl_create_context(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    BackendWindow* gl = gl_of(hwnd);
    if (!gl || !gl->config) return false;
    if (gl->context == EGL_NO_CONTEXT) {
        if (!eglBindAPI(EGL_OPENGL_API)) return false;
        const EGLint compatibility[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                        EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
        gl->context = eglCreateContext(display, gl->config, EGL_NO_CONTEXT, compatibility);
        if (gl->context == EGL_NO_CONTEXT) return false;
    }
    if (gl->surface == EGL_NO_SURFACE) {
        gl->surface = make_surface(gl->config, rect_width(window->rect), rect_height(window->rect));
        if (gl->surface == EGL_NO_SURFACE) return false;
    }
    return gl_make_current(hwnd);
}

bool gl_make_current(Hwnd hwnd) {
    if (display == EGL_NO_DISPLAY) return !hwnd;
    if (!hwnd) return eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    BackendWindow* gl = gl_of(hwnd);
    if (!gl || gl->context == EGL_NO_CONTEXT) return false;
    return eglMakeCurrent(display, gl->surface, gl->surface, gl->context);
}

void gl_delete_context(Hwnd hwnd) {
    if (BackendWindow* gl = gl_of(hwnd)) release_context(gl);
}

void gl_swap_buffers(Hwnd hwnd) {
    BackendWindow* gl = gl_of(hwnd);
    if (gl && gl->surface != EGL_NO_SURFACE) eglSwapBuffers(display, gl->surface);
}

bool gl_needs_palette(Hwnd) {
    return false;
}

void headless_gl_resize(Window* window, int width, int height) {
    BackendWindow* gl = window->backend;
    if (!gl || gl->surface == EGL_NO_SURFACE) return;
    EGLSurface resized = make_surface(gl->config, width, height);
    if (resized == EGL_NO_SURFACE) return;
    bool was_current = eglGetCurrentContext() == gl->context && gl->context != EGL_NO_CONTEXT;
    if (was_current) eglMakeCurrent(display, resized, resized, gl->context);
    eglDestroySurface(display, gl->surface);
    gl->surface = resized;
}

void headless_gl_release(Window* window) {
    BackendWindow* gl = window->backend;
    if (!gl) return;
    release_context(gl);
    delete gl;
    window->backend = nullptr;
}
