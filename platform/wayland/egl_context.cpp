// Desktop OpenGL through EGL on the compositor's connection: Mesa's compatibility context, in
// which the engine's OpenGL 1.1 code runs unchanged.
#include "platform/wayland/wayland_state.h"

#include <EGL/eglext.h>
#include <vector>

namespace {

bool fail(std::string* error, const std::string& text) {
    *error = text;
    return false;
}

EGLint config_attribute(EGLConfig config, EGLint attribute) {
    EGLint value = 0;
    eglGetConfigAttrib(wayland.egl_display, config, attribute, &value);
    return value;
}

// 8 bits a channel with the deepest depth buffer on offer, and no alpha: the compositor then
// takes the surface as opaque, whatever alpha the engine's blending leaves behind.
EGLConfig opaque_config() {
    const EGLint wanted[] = {EGL_SURFACE_TYPE,
                             EGL_WINDOW_BIT,
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
    if (!eglChooseConfig(wayland.egl_display, wanted, nullptr, 0, &count) || count < 1)
        return nullptr;
    std::vector<EGLConfig> configs(static_cast<size_t>(count));
    if (!eglChooseConfig(wayland.egl_display, wanted, configs.data(), count, &count))
        return nullptr;
    configs.resize(static_cast<size_t>(count > 0 ? count : 0));
    EGLConfig best = nullptr;
    EGLint best_depth = 0;
    for (EGLConfig config : configs) {
        const bool opaque = config_attribute(config, EGL_RED_SIZE) == 8 &&
                            config_attribute(config, EGL_GREEN_SIZE) == 8 &&
                            config_attribute(config, EGL_BLUE_SIZE) == 8 &&
                            config_attribute(config, EGL_ALPHA_SIZE) == 0;
        const EGLint depth = config_attribute(config, EGL_DEPTH_SIZE);
        if (opaque && depth > best_depth) {
            best = config;
            best_depth = depth;
        }
    }
    return best ? best : configs.empty() ? nullptr : configs.front();
}

EGLContext make_context(EGLContext share) {
    const EGLint compatibility[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                    EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    EGLContext context =
        eglCreateContext(wayland.egl_display, wayland.egl_config, share, compatibility);
    // An EGL before 1.5 knows no profiles; its desktop contexts are compatibility ones.
    if (context == EGL_NO_CONTEXT)
        context = eglCreateContext(wayland.egl_display, wayland.egl_config, share, nullptr);
    return context;
}

} // namespace

bool egl_open(std::string* error) {
    wayland.egl_display = eglGetPlatformDisplay(EGL_PLATFORM_WAYLAND_KHR, wayland.display, nullptr);
    if (wayland.egl_display == EGL_NO_DISPLAY ||
        !eglInitialize(wayland.egl_display, nullptr, nullptr)) {
        wayland.egl_display = EGL_NO_DISPLAY;
        return fail(error, "no EGL on the Wayland display");
    }
    if (!eglBindAPI(EGL_OPENGL_API))
        return fail(error, "the EGL of the Wayland display offers no desktop OpenGL");
    wayland.egl_config = opaque_config();
    if (!wayland.egl_config)
        return fail(error, "no EGL format for OpenGL in RGB colour on the Wayland display");
    wayland.engine_context = make_context(EGL_NO_CONTEXT);
    if (wayland.engine_context != EGL_NO_CONTEXT)
        wayland.mirror_context = make_context(wayland.engine_context);
    if (wayland.mirror_context == EGL_NO_CONTEXT)
        return fail(error, "no OpenGL context through EGL on the Wayland display");
    return true;
}

void egl_make_engine_current() {
    const WaylandOutput* lead = wayland_output(wayland.lead);
    // Without an output the engine still loads its textures: a context with no surface.
    const EGLSurface surface = lead ? lead->egl_surface : EGL_NO_SURFACE;
    if (eglGetCurrentContext() == wayland.engine_context &&
        eglGetCurrentSurface(EGL_DRAW) == surface)
        return;
    eglMakeCurrent(wayland.egl_display, surface, surface, wayland.engine_context);
}

void egl_close() {
    if (wayland.egl_display == EGL_NO_DISPLAY) return;
    eglMakeCurrent(wayland.egl_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (wayland.mirror_context != EGL_NO_CONTEXT)
        eglDestroyContext(wayland.egl_display, wayland.mirror_context);
    if (wayland.engine_context != EGL_NO_CONTEXT)
        eglDestroyContext(wayland.egl_display, wayland.engine_context);
    eglTerminate(wayland.egl_display);
    wayland.egl_display = EGL_NO_DISPLAY;
    wayland.engine_context = wayland.mirror_context = EGL_NO_CONTEXT;
}
