// The one window of a Wayland run in the window table. The compositor sizes the surfaces, so
// the record only follows the lead output; the engine draws into it as into any window.
#include "platform/clock.h"
#include "platform/common/window_table.h"
#include "platform/hosted/end_signals.h"
#include "platform/wayland.h"
#include "platform/wayland/wayland_state.h"
#include "platform/window.h"

#include <algorithm>

namespace {

Window* adopted;
bool close_posted;

// The wait stays short so that a signal or a timer is never kept waiting long.
constexpr int longest_idle_ms = 10;

std::vector<OutputSize> drawable_outputs() {
    std::vector<OutputSize> sizes;
    for (const WaylandOutput* output : wayland.outputs)
        if (output->egl_surface != EGL_NO_SURFACE) sizes.push_back(output->size);
    return sizes;
}

// Surfaces the compositor took away go; a new or resized one shows black at once, before the
// engine's next frame (a locker that hosts us waits for a first frame); the engine follows the
// lead output's size.
void follow_outputs() {
    for (WaylandOutput* output : wayland.outputs) {
        if (output->closed) layer_surface_drop(output);
        if (!output->shown) mirror_present(output, true);
    }
    wayland.lead = follow_lead_output(adopted, drawable_outputs(), wayland.lead);
    egl_make_engine_current();
    if (!adopted || close_posted || !(wayland.connection_lost || end_signal_received())) return;
    close_posted = true;
    post_message(adopted, WM_CLOSE, 0, 0);
}

void release_all() {
    mirror_release();
    for (WaylandOutput* output : wayland.outputs) layer_surface_drop(output);
    egl_close();
    wayland_disconnect();
}

} // namespace

Hwnd wayland_open(const char* class_name, WaylandLayer layer, std::string* error) {
    // Installed first: an idle daemon that gives up during a slow start still ends us cleanly.
    install_end_signals();
    if (!wayland_connect(layer, error) || !egl_open(error)) {
        release_all();
        return nullptr;
    }
    wayland.started = true;
    for (WaylandOutput* output : wayland.outputs) layer_surface_make(output);
    // The first configure of every surface, and the black frame that maps it.
    if (!wayland_roundtrip()) {
        *error = "the Wayland compositor closed the connection";
        release_all();
        return nullptr;
    }
    follow_outputs();
    const WaylandOutput* lead = wayland_output(wayland.lead);
    Window* window = window_table_add(class_name, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                      lead ? lead->size.pixel_width() : 0,
                                      lead ? lead->size.pixel_height() : 0, nullptr);
    if (!window) {
        *error = "no window class for the Wayland surfaces";
        release_all();
        return nullptr;
    }
    adopted = window;
    wayland.window = window;
    close_posted = false;
    if (!window_table_send_create(window)) {
        wayland_close(window);
        *error = "the Wayland surfaces were refused";
        return nullptr;
    }
    return window;
}

bool wayland_get_message(Msg* msg) {
    for (;;) {
        wayland_dispatch(0);
        follow_outputs();
        bool found = false;
        const bool paint = !close_posted && wayland.lead != 0;
        const bool more = message_queue_take(msg, paint, &found);
        if (found) return more;
        const int64_t due_in = timers_next_due_in();
        const int due_ms =
            due_in < 0 ? longest_idle_ms
                       : static_cast<int>(std::min<int64_t>(due_in / 1000000, longest_idle_ms));
        wayland_dispatch(std::max(due_ms, 1));
    }
}

bool wayland_swap_buffers(Hwnd hwnd) {
    if (!hwnd || hwnd != adopted) return false;
    WaylandOutput* lead = wayland_output(wayland.lead);
    if (!lead || lead->egl_surface == EGL_NO_SURFACE) return true;
    bool others = false;
    for (const WaylandOutput* output : wayland.outputs)
        others = others || (output != lead && output->egl_surface != EGL_NO_SURFACE);
    if (others) mirror_capture(lead->size.pixel_width(), lead->size.pixel_height());
    eglSwapBuffers(wayland.egl_display, lead->egl_surface);
    lead->shown = true;
    if (!others) return true;
    for (WaylandOutput* output : wayland.outputs)
        if (output != lead) mirror_present(output, false);
    egl_make_engine_current();
    return true;
}

void wayland_close(Hwnd hwnd) {
    if (!hwnd || hwnd != adopted) return;
    release_all();
    // The record stays until the program ends, but is never painted again.
    adopted->visible = false;
    adopted = nullptr;
}
