// Types and constants of the windowing interface the program is written against.
// The numeric values follow the historical ones so that stored files, recordings and
// message traces read the same on every platform.
#pragma once

#include <cstdint>

struct Window; // owned by the platform; the program only ever holds handles
using Hwnd = Window*;
using Wparam = uintptr_t;
using Lparam = intptr_t;
using Lresult = intptr_t;
using WndProc = Lresult (*)(Hwnd, unsigned message, Wparam, Lparam);

struct Msg {
    Hwnd hwnd;
    unsigned message;
    Wparam wparam;
    Lparam lparam;
};

struct Rect {
    int left, top, right, bottom;
};

// What a window asks of the window manager: to cover its screen, and to stay above the others.
struct WindowStates {
    bool full_screen = false;
    bool above = false;
};

inline int rect_width(const Rect& r) {
    return r.right - r.left;
}
inline int rect_height(const Rect& r) {
    return r.bottom - r.top;
}

// Messages
constexpr unsigned WM_NULL = 0x0000;
constexpr unsigned WM_CREATE = 0x0001;
constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_QUIT = 0x0012;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_QUERYNEWPALETTE = 0x030F;
constexpr unsigned WM_PALETTECHANGED = 0x0311;
constexpr unsigned WM_USER = 0x0400;

// Window styles
constexpr unsigned WS_OVERLAPPED = 0x00000000;
constexpr unsigned WS_POPUP = 0x80000000;
constexpr unsigned WS_VISIBLE = 0x10000000;
constexpr unsigned WS_CLIPSIBLINGS = 0x04000000;
constexpr unsigned WS_CLIPCHILDREN = 0x02000000;
constexpr unsigned WS_CAPTION = 0x00C00000;
constexpr unsigned WS_SYSMENU = 0x00080000;
constexpr unsigned WS_THICKFRAME = 0x00040000;
constexpr unsigned WS_MINIMIZEBOX = 0x00020000;
constexpr unsigned WS_MAXIMIZEBOX = 0x00010000;
constexpr unsigned WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// Z-order targets of set_window_pos
enum InsertAfter { HWND_TOP = 0, HWND_BOTTOM = 1 };

// set_window_pos flags
constexpr unsigned SWP_NOSIZE = 0x0001;
constexpr unsigned SWP_NOMOVE = 0x0002;
constexpr unsigned SWP_NOZORDER = 0x0004;
constexpr unsigned SWP_FRAMECHANGED = 0x0020;
constexpr unsigned SWP_SHOWWINDOW = 0x0040;
constexpr unsigned SWP_HIDEWINDOW = 0x0080;

// show_window commands
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_RESTORE = 9;

// Virtual-key codes; letters and main-keyboard digits are their upper-case ASCII codes
constexpr unsigned VK_ESCAPE = 0x1B;
constexpr unsigned VK_UP = 0x26;
constexpr unsigned VK_DOWN = 0x28;
constexpr unsigned VK_F1 = 0x70;
constexpr unsigned VK_F7 = 0x76;
constexpr unsigned VK_UNNAMED = 0xFF; // a key that has no code of its own

// Mouse positions travel in the low and high 16 bits of lparam
inline Lparam make_lparam(unsigned low, unsigned high) {
    return static_cast<Lparam>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
inline unsigned loword(uintptr_t v) {
    return static_cast<unsigned>(v & 0xFFFFu);
}
inline unsigned hiword(uintptr_t v) {
    return static_cast<unsigned>((v >> 16) & 0xFFFFu);
}
