// Drawing on a Wayland compositor through the layer-shell protocol: one surface of our own on
// every output, above everything (a saver an idle daemon starts) or under everything (the
// background of a locker that hosts us). The window table holds one window for them all; the
// engine draws its scene once a frame at the size of the largest output and every other output
// shows that frame scaled to cover it.
#pragma once

#include "platform/win.h"

#include <string>

enum class WaylandLayer {
    overlay,   // takes the keyboard; keys, buttons and pointer moves reach the window
    background // takes no input
};

// Connects (through WAYLAND_SOCKET when given, else WAYLAND_DISPLAY), makes the surfaces and
// the GL context, makes it current, presents a black frame on every output and adopts the
// window under `class_name` (WM_CREATE and WM_SIZE are sent as for a created window). Null, with
// one line in *error, when there is no compositor, no layer-shell or no OpenGL through EGL.
Hwnd wayland_open(const char* class_name, WaylandLayer layer, std::string* error);
// The window's message loop: posted messages and timers first, then a paint while an output
// shows us. Outputs coming and going and the largest one's size arrive as WM_SIZE; input as
// WM_KEYDOWN, WM_LBUTTONDOWN and WM_MOUSEMOVE; SIGTERM, SIGINT or the end of the connection as
// one WM_CLOSE. False once the quit message is taken.
bool wayland_get_message(Msg* msg);
// Presents the frame on every output when hwnd is the adopted window; false for any other.
bool wayland_swap_buffers(Hwnd hwnd);
// Drops the surfaces, the context and the connection and forgets the window.
void wayland_close(Hwnd hwnd);
