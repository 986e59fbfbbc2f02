// Every program-wide value of the Wayland backend: the connection with the globals it bound,
// one record per output with its layer surface, the seats and the EGL objects.
#pragma once

#include "platform/wayland.h"
#include "platform/wayland/output_list.h"

#include <EGL/egl.h>
#include <vector>

struct wl_display;
struct wl_registry;
struct wl_compositor;
struct wl_output;
struct wl_surface;
struct wl_seat;
struct wl_keyboard;
struct wl_pointer;
struct wl_egl_window;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

struct WaylandOutput {
    OutputSize size; // id, scale and the configured size
    wl_output* output = nullptr;
    int pending_scale = 1; // takes effect with the output's done event
    wl_surface* surface = nullptr;
    zwlr_layer_surface_v1* layer_surface = nullptr;
    wl_egl_window* egl_window = nullptr;
    EGLSurface egl_surface = EGL_NO_SURFACE;
    bool shown = false;  // a frame has been presented since the surface was made or resized
    bool closed = false; // the compositor took the surface away; it is dropped at the next turn
};

struct WaylandSeat {
    uint32_t id = 0;
    wl_seat* seat = nullptr;
    wl_keyboard* keyboard = nullptr;
    wl_pointer* pointer = nullptr;
};

struct WaylandState {
    WaylandLayer layer = WaylandLayer::overlay;
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    wl_compositor* compositor = nullptr;
    zwlr_layer_shell_v1* layer_shell = nullptr;
    std::vector<WaylandOutput*> outputs;
    std::vector<WaylandSeat*> seats;
    bool connection_lost = false;

    EGLDisplay egl_display = EGL_NO_DISPLAY;
    EGLConfig egl_config = nullptr;
    EGLContext engine_context = EGL_NO_CONTEXT; // the engine's scene, current on the lead
    EGLContext mirror_context = EGL_NO_CONTEXT; // shares its objects; draws the other outputs
    uint32_t lead = 0;                          // id of the output the engine draws at
    Hwnd window = nullptr;                      // the adopted window input is posted to
    bool started = false; // the first outputs are known: a new output gets its surface at once
};

extern WaylandState wayland;

// client.cpp: the connection, its globals and the input of the seats.
bool wayland_connect(WaylandLayer layer, std::string* error);
// Reads and dispatches whatever the compositor sent, waiting at most timeout_ms; false once
// the connection is gone.
bool wayland_dispatch(int timeout_ms);
// Waits until the compositor has answered everything sent so far; false once the connection is
// gone.
bool wayland_roundtrip();
void wayland_disconnect();
WaylandOutput* wayland_output(uint32_t id);

// layer_surfaces.cpp: the layer surface of each output and its EGL surface.
void layer_surface_make(WaylandOutput* output);
void layer_surface_drop(WaylandOutput* output);
// Creates or resizes the EGL surface to the configured size at the output's scale.
void layer_surface_fit(WaylandOutput* output);

// egl_context.cpp
bool egl_open(std::string* error);
// The engine's context current on the lead output's surface, or on none while no output shows.
void egl_make_engine_current();
void egl_close();

// mirror.cpp: the lead's frame on every other output, and a black first frame on a new one.
void mirror_capture(int width, int height); // the lead's back buffer, in the engine's context
void mirror_present(WaylandOutput* output, bool black);
void mirror_release();
