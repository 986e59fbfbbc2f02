// A window with a current GL context on the headless backend, for tests that draw and read
// pixels back.
#pragma once

#include "platform/gl_context.h"
#include "platform/window.h"

#include <GL/gl.h>
#include <array>
#include <cstdint>

inline Lresult gl_test_window_proc(Hwnd, unsigned, Wparam, Lparam) {
    return 0;
}

// A visible window of the given client size with its context current; null when the
// context cannot be made. Call headless_reset() (and so drop the context) between tests.
inline Hwnd create_gl_test_window(int width, int height) {
    constexpr const char* class_name = "GLTESTWINDOW";
    register_class(class_name, gl_test_window_proc); // already registered is fine
    Hwnd hwnd =
        create_window(class_name, "GL test", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr);
    if (!hwnd || !gl_choose_pixel_format(hwnd) || !gl_create_context(hwnd)) return nullptr;
    glViewport(0, 0, width, height);
    return hwnd;
}

// The RGB bytes at a pixel of the current context, counted from the bottom-left like GL.
inline std::array<uint8_t, 3> read_pixel(int x, int y) {
    std::array<uint8_t, 4> rgba{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return {rgba[0], rgba[1], rgba[2]};
}
