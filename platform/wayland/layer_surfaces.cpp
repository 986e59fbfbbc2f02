// One layer surface per output, anchored to all four edges so that the compositor sizes it to
// the whole output, with an EGL window surface at the output's real pixel size.
#include "platform/wayland/wayland_state.h"

#include "platform/wayland/layer_shell_protocol.h"

#include <wayland-client.h>
#include <wayland-egl.h>

namespace {

constexpr const char* LAYER_NAMESPACE = "solvantrix";

void layer_configure(void* data, zwlr_layer_surface_v1* layer_surface, uint32_t serial,
                     uint32_t width, uint32_t height) {
    auto* output = static_cast<WaylandOutput*>(data);
    zwlr_layer_surface_v1_ack_configure(layer_surface, serial);
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    if (w == output->size.width && h == output->size.height) return;
    output->size.width = w;
    output->size.height = h;
    layer_surface_fit(output);
}

// Dropping the surface inside its own event would pull it from under libwayland; the window's
// loop drops it at its next turn.
void layer_closed(void* data, zwlr_layer_surface_v1*) {
    static_cast<WaylandOutput*>(data)->closed = true;
}

const zwlr_layer_surface_v1_listener layer_listener = {layer_configure, layer_closed};

void set_region(wl_surface* surface, bool input, int width, int height) {
    wl_region* region = wl_compositor_create_region(wayland.compositor);
    if (width > 0 && height > 0) wl_region_add(region, 0, 0, width, height);
    if (input)
        wl_surface_set_input_region(surface, region);
    else
        wl_surface_set_opaque_region(surface, region);
    wl_region_destroy(region);
}

} // namespace

void layer_surface_make(WaylandOutput* output) {
    if (output->surface) return;
    const bool overlay = wayland.layer == WaylandLayer::overlay;
    output->surface = wl_compositor_create_surface(wayland.compositor);
    output->layer_surface = zwlr_layer_shell_v1_get_layer_surface(
        wayland.layer_shell, output->surface, output->output,
        overlay ? ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY : ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND,
        LAYER_NAMESPACE);
    zwlr_layer_surface_v1_add_listener(output->layer_surface, &layer_listener, output);
    zwlr_layer_surface_v1_set_size(output->layer_surface, 0, 0);
    zwlr_layer_surface_v1_set_anchor(
        output->layer_surface,
        ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
            ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    // Over panels and bars too, not beside them.
    zwlr_layer_surface_v1_set_exclusive_zone(output->layer_surface, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        output->layer_surface, overlay ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                                       : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    // A background takes no input: an empty input region lets the pointer through.
    if (!overlay) set_region(output->surface, true, 0, 0);
    wl_surface_commit(output->surface);
}

void layer_surface_fit(WaylandOutput* output) {
    if (!output->surface || !output->size.configured() || wayland.egl_display == EGL_NO_DISPLAY)
        return;
    const int width = output->size.pixel_width(), height = output->size.pixel_height();
    wl_surface_set_buffer_scale(output->surface, output->size.scale);
    set_region(output->surface, false, output->size.width, output->size.height);
    output->shown = false;
    if (output->egl_window) {
        wl_egl_window_resize(output->egl_window, width, height, 0, 0);
        return;
    }
    output->egl_window = wl_egl_window_create(output->surface, width, height);
    if (!output->egl_window) return;
    output->egl_surface =
        eglCreateWindowSurface(wayland.egl_display, wayland.egl_config,
                               reinterpret_cast<EGLNativeWindowType>(output->egl_window), nullptr);
    if (output->egl_surface == EGL_NO_SURFACE) return;
    // A surface the compositor does not show (under a lock, on an output turned off) sends no
    // frame callbacks; a swap that waited for them would stop the program. The engine paces
    // its frames itself.
    eglMakeCurrent(wayland.egl_display, output->egl_surface, output->egl_surface,
                   wayland.mirror_context);
    eglSwapInterval(wayland.egl_display, 0);
}

void layer_surface_drop(WaylandOutput* output) {
    if (output->egl_surface != EGL_NO_SURFACE) {
        if (eglGetCurrentSurface(EGL_DRAW) == output->egl_surface)
            eglMakeCurrent(wayland.egl_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroySurface(wayland.egl_display, output->egl_surface);
        output->egl_surface = EGL_NO_SURFACE;
    }
    if (output->egl_window) wl_egl_window_destroy(output->egl_window);
    output->egl_window = nullptr;
    if (output->layer_surface) zwlr_layer_surface_v1_destroy(output->layer_surface);
    output->layer_surface = nullptr;
    if (output->surface) wl_surface_destroy(output->surface);
    output->surface = nullptr;
    output->size.width = output->size.height = 0;
    output->shown = false;
    output->closed = false;
}
