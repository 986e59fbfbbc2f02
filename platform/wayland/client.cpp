// The connection to the compositor: the globals we bind, the outputs as they come and go, and
// the seats whose input ends a saver.
#include "platform/wayland/wayland_state.h"
#include "platform/window.h"

#include "platform/wayland/layer_shell_protocol.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <poll.h>
#include <unistd.h>
#include <wayland-client.h>

WaylandState wayland;

namespace {

void post_input(unsigned message, Wparam wparam) {
    if (wayland.window) post_message(wayland.window, message, wparam, 0);
}

// ---- outputs ----

void output_geometry(void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*,
                     const char*, int32_t) {}
void output_mode(void*, wl_output*, uint32_t, int32_t, int32_t, int32_t) {}
void output_name(void*, wl_output*, const char*) {}
void output_description(void*, wl_output*, const char*) {}

void output_scale(void* data, wl_output*, int32_t factor) {
    static_cast<WaylandOutput*>(data)->pending_scale = std::max(factor, 1);
}

void output_done(void* data, wl_output*) {
    auto* output = static_cast<WaylandOutput*>(data);
    if (output->size.scale == output->pending_scale) return;
    output->size.scale = output->pending_scale;
    if (output->layer_surface) layer_surface_fit(output);
}

const wl_output_listener output_listener = {output_geometry, output_mode, output_done,
                                            output_scale,    output_name, output_description};

void add_output(wl_registry* registry, uint32_t id, uint32_t version) {
    auto* output = new WaylandOutput;
    output->size.id = id;
    output->output = static_cast<wl_output*>(
        wl_registry_bind(registry, id, &wl_output_interface, std::min(version, 3u)));
    wl_output_add_listener(output->output, &output_listener, output);
    wayland.outputs.push_back(output);
    if (wayland.started) layer_surface_make(output);
}

void drop_output(WaylandOutput* output) {
    layer_surface_drop(output);
    if (output->output) {
        if (wl_output_get_version(output->output) >= WL_OUTPUT_RELEASE_SINCE_VERSION)
            wl_output_release(output->output);
        else
            wl_output_destroy(output->output);
    }
    delete output;
}

// ---- input: only what ends a saver is passed on ----

void keyboard_keymap(void*, wl_keyboard*, uint32_t, int32_t fd, uint32_t) {
    close(fd);
}
void keyboard_enter(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}
void keyboard_leave(void*, wl_keyboard*, uint32_t, wl_surface*) {}
void keyboard_key(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t key, uint32_t state) {
    if (state == WL_KEYBOARD_KEY_STATE_PRESSED) post_input(WM_KEYDOWN, key);
}
void keyboard_modifiers(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {}
void keyboard_repeat_info(void*, wl_keyboard*, int32_t, int32_t) {}

const wl_keyboard_listener keyboard_listener = {keyboard_keymap,    keyboard_enter,
                                                keyboard_leave,     keyboard_key,
                                                keyboard_modifiers, keyboard_repeat_info};

// The pointer is hidden over our surfaces, as a screen saver hides it.
void pointer_enter(void*, wl_pointer* pointer, uint32_t serial, wl_surface*, wl_fixed_t,
                   wl_fixed_t) {
    wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
}
void pointer_leave(void*, wl_pointer*, uint32_t, wl_surface*) {}
void pointer_motion(void*, wl_pointer*, uint32_t, wl_fixed_t, wl_fixed_t) {
    post_input(WM_MOUSEMOVE, 0);
}
void pointer_button(void*, wl_pointer*, uint32_t, uint32_t, uint32_t, uint32_t state) {
    if (state == WL_POINTER_BUTTON_STATE_PRESSED) post_input(WM_LBUTTONDOWN, 0);
}
// A turn of the wheel moves the pointer's content as a move does.
void pointer_axis(void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {
    post_input(WM_MOUSEMOVE, 0);
}
void pointer_frame(void*, wl_pointer*) {}
void pointer_axis_source(void*, wl_pointer*, uint32_t) {}
void pointer_axis_stop(void*, wl_pointer*, uint32_t, uint32_t) {}
void pointer_axis_discrete(void*, wl_pointer*, uint32_t, int32_t) {}
void pointer_axis_value120(void*, wl_pointer*, uint32_t, int32_t) {}

const wl_pointer_listener pointer_listener = {
    pointer_enter,         pointer_leave,        pointer_motion,      pointer_button,
    pointer_axis,          pointer_frame,        pointer_axis_source, pointer_axis_stop,
    pointer_axis_discrete, pointer_axis_value120};

void seat_capabilities(void* data, wl_seat* seat, uint32_t capabilities) {
    auto* record = static_cast<WaylandSeat*>(data);
    const bool keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
    const bool pointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
    if (keyboard && !record->keyboard) {
        record->keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(record->keyboard, &keyboard_listener, record);
    } else if (!keyboard && record->keyboard) {
        wl_keyboard_destroy(record->keyboard);
        record->keyboard = nullptr;
    }
    if (pointer && !record->pointer) {
        record->pointer = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(record->pointer, &pointer_listener, record);
    } else if (!pointer && record->pointer) {
        wl_pointer_destroy(record->pointer);
        record->pointer = nullptr;
    }
}
void seat_name(void*, wl_seat*, const char*) {}

const wl_seat_listener seat_listener = {seat_capabilities, seat_name};

void drop_seat(WaylandSeat* seat) {
    if (seat->keyboard) wl_keyboard_destroy(seat->keyboard);
    if (seat->pointer) wl_pointer_destroy(seat->pointer);
    wl_seat_destroy(seat->seat);
    delete seat;
}

// ---- the registry ----

void registry_global(void*, wl_registry* registry, uint32_t id, const char* interface,
                     uint32_t version) {
    const std::string name = interface;
    if (name == wl_compositor_interface.name && !wayland.compositor) {
        wayland.compositor = static_cast<wl_compositor*>(
            wl_registry_bind(registry, id, &wl_compositor_interface, std::min(version, 4u)));
    } else if (name == zwlr_layer_shell_v1_interface.name && !wayland.layer_shell) {
        wayland.layer_shell = static_cast<zwlr_layer_shell_v1*>(
            wl_registry_bind(registry, id, &zwlr_layer_shell_v1_interface, std::min(version, 4u)));
    } else if (name == wl_output_interface.name) {
        add_output(registry, id, version);
    } else if (name == wl_seat_interface.name && wayland.layer == WaylandLayer::overlay) {
        auto* seat = new WaylandSeat;
        seat->id = id;
        seat->seat = static_cast<wl_seat*>(
            wl_registry_bind(registry, id, &wl_seat_interface, std::min(version, 5u)));
        wl_seat_add_listener(seat->seat, &seat_listener, seat);
        wayland.seats.push_back(seat);
    }
}

void registry_global_remove(void*, wl_registry*, uint32_t id) {
    auto& outputs = wayland.outputs;
    for (auto it = outputs.begin(); it != outputs.end(); ++it) {
        if ((*it)->size.id != id) continue;
        drop_output(*it);
        outputs.erase(it);
        return;
    }
    auto& seats = wayland.seats;
    for (auto it = seats.begin(); it != seats.end(); ++it) {
        if ((*it)->id != id) continue;
        drop_seat(*it);
        seats.erase(it);
        return;
    }
}

const wl_registry_listener registry_listener = {registry_global, registry_global_remove};

bool lose_connection() {
    wayland.connection_lost = true;
    return false;
}

bool fail(std::string* error, const std::string& text) {
    *error = text;
    return false;
}

std::string display_name() {
    if (std::getenv("WAYLAND_SOCKET")) return "the socket in WAYLAND_SOCKET";
    const char* name = std::getenv("WAYLAND_DISPLAY");
    return std::string("the Wayland display \"") + (name && *name ? name : "wayland-0") + "\"";
}

} // namespace

bool wayland_connect(WaylandLayer layer, std::string* error) {
    wayland.layer = layer;
    // Named before the connection takes it: libwayland forgets WAYLAND_SOCKET once used.
    const std::string name = display_name();
    wayland.display = wl_display_connect(nullptr);
    if (!wayland.display) return fail(error, "cannot connect to " + name);
    wayland.registry = wl_display_get_registry(wayland.display);
    wl_registry_add_listener(wayland.registry, &registry_listener, nullptr);
    // The globals, then what the bound outputs and seats tell at once.
    if (wl_display_roundtrip(wayland.display) < 0 || wl_display_roundtrip(wayland.display) < 0)
        return fail(error, "the connection to " + name + " failed");
    if (!wayland.compositor) return fail(error, "the Wayland compositor offers no wl_compositor");
    if (!wayland.layer_shell)
        return fail(error, "the Wayland compositor offers no layer-shell (zwlr_layer_shell_v1); "
                           "there use `solvantrix /s`");
    return true;
}

bool wayland_dispatch(int timeout_ms) {
    wl_display* display = wayland.display;
    if (!display || wayland.connection_lost) return false;
    bool ok = true;
    while (ok && wl_display_prepare_read(display) != 0)
        ok = wl_display_dispatch_pending(display) >= 0;
    if (!ok) return lose_connection();
    if (wl_display_flush(display) < 0 && errno != EAGAIN) {
        wl_display_cancel_read(display);
        return lose_connection();
    }
    pollfd ready{wl_display_get_fd(display), POLLIN, 0};
    if (poll(&ready, 1, timeout_ms) > 0)
        ok = wl_display_read_events(display) >= 0;
    else
        wl_display_cancel_read(display);
    if (!ok || wl_display_dispatch_pending(display) < 0) return lose_connection();
    return true;
}

bool wayland_roundtrip() {
    if (wayland.connection_lost || wl_display_roundtrip(wayland.display) < 0)
        return lose_connection();
    return true;
}

WaylandOutput* wayland_output(uint32_t id) {
    for (WaylandOutput* output : wayland.outputs)
        if (output->size.id == id) return output;
    return nullptr;
}

void wayland_disconnect() {
    for (WaylandOutput* output : wayland.outputs) drop_output(output);
    wayland.outputs.clear();
    for (WaylandSeat* seat : wayland.seats) drop_seat(seat);
    wayland.seats.clear();
    if (!wayland.display) return;
    if (wayland.layer_shell) zwlr_layer_shell_v1_destroy(wayland.layer_shell);
    if (wayland.compositor) wl_compositor_destroy(wayland.compositor);
    if (wayland.registry) wl_registry_destroy(wayland.registry);
    wl_display_disconnect(wayland.display);
    wayland = WaylandState{};
}
