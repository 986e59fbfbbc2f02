#include "platform/real/saver_gl_window.h"
#include "platform/common/window_table.h"
#include "platform/window.h"

#include <FL/Fl.H>

namespace {

void post_mouse(Window* window, unsigned message) {
    post_message(window, message, 0, make_lparam(Fl::event_x(), Fl::event_y()));
}

unsigned button_message(bool down) {
    switch (Fl::event_button()) {
    case FL_LEFT_MOUSE:
        return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case FL_RIGHT_MOUSE:
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    default:
        return WM_NULL;
    }
}

void close_requested(Fl_Widget* widget, void*) {
    // Esc reaches the callback as an unused shortcut; it is a key for the program, not a close.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    if (Window* window = static_cast<SaverGlWindow*>(widget)->window)
        post_message(window, WM_CLOSE, 0, 0);
}

} // namespace

SaverGlWindow::SaverGlWindow(Window* window, int x, int y, int width, int height)
    : Fl_Gl_Window(x, y, width, height), window(window) {
    mode(FL_RGB | FL_DOUBLE | FL_DEPTH);
    callback(close_requested);
    end();
}

namespace {

struct KeyCode {
    int fltk;
    unsigned vk;
};

// The keys with a code of their own; printable keys and the numbered ranges are computed.
constexpr KeyCode NAMED_KEYS[] = {
    {FL_BackSpace, 0x08},
    {FL_Tab, 0x09},
    {FL_Enter, 0x0D},
    {FL_KP_Enter, 0x0D},
    {FL_Shift_L, 0x10},
    {FL_Shift_R, 0x10},
    {FL_Control_L, 0x11},
    {FL_Control_R, 0x11},
    {FL_Alt_L, 0x12},
    {FL_Alt_R, 0x12},
    {FL_Pause, 0x13},
    {FL_Caps_Lock, 0x14},
    {FL_Escape, VK_ESCAPE},
    {FL_Page_Up, 0x21},
    {FL_Page_Down, 0x22},
    {FL_End, 0x23},
    {FL_Home, 0x24},
    {FL_Left, 0x25},
    {FL_Up, VK_UP},
    {FL_Right, 0x27},
    {FL_Down, VK_DOWN},
    {FL_Print, 0x2C},
    {FL_Insert, 0x2D},
    {FL_Delete, 0x2E},
    {FL_Help, 0x2F},
    {FL_Meta_L, 0x5B},
    {FL_Meta_R, 0x5C},
    {0xffeb, 0x5B},
    {0xffec, 0x5C},
    {FL_Menu, 0x5D},
    {FL_KP + '*', 0x6A},
    {FL_KP + '+', 0x6B},
    {FL_KP + ',', 0x6C},
    {FL_KP + '-', 0x6D},
    {FL_KP + '.', 0x6E},
    {FL_KP + '/', 0x6F},
    {FL_Num_Lock, 0x90},
    {FL_Scroll_Lock, 0x91},
    {';', 0xBA},
    {'=', 0xBB},
    {',', 0xBC},
    {'-', 0xBD},
    {'.', 0xBE},
    {'/', 0xBF},
    {'`', 0xC0},
    {'[', 0xDB},
    {'\\', 0xDC},
    {']', 0xDD},
    {'\'', 0xDE},
};

} // namespace

unsigned virtual_key(int key) {
    if (key >= 'a' && key <= 'z') return static_cast<unsigned>(key - 'a' + 'A');
    if ((key >= '0' && key <= '9') || key == ' ') return static_cast<unsigned>(key);
    if (key >= FL_F + 1 && key <= FL_F + 24) return 0x70u + static_cast<unsigned>(key - FL_F - 1);
    if (key >= FL_KP + '0' && key <= FL_KP + '9')
        return 0x60u + static_cast<unsigned>(key - FL_KP - '0');
    for (const KeyCode& named : NAMED_KEYS)
        if (named.fltk == key) return named.vk;
    return VK_UNNAMED;
}

int SaverGlWindow::handle(int event) {
    if (!window) return Fl_Gl_Window::handle(event);
    switch (event) {
    case FL_FOCUS:
    case FL_UNFOCUS:
    case FL_ENTER:
    case FL_LEAVE:
        return 1; // focus brings the keys, entering brings the moves
    case FL_KEYBOARD: {
        // Every key reaches the program: in a screen saver any of them ends it.
        post_message(window, WM_KEYDOWN, virtual_key(Fl::event_key()), 0);
        return 1;
    }
    case FL_MOVE:
    case FL_DRAG:
        if (Fl::event_x() == moved_x && Fl::event_y() == moved_y) return 1;
        moved_x = Fl::event_x();
        moved_y = Fl::event_y();
        post_mouse(window, WM_MOUSEMOVE);
        return 1;
    case FL_PUSH:
    case FL_RELEASE: {
        unsigned message = button_message(event == FL_PUSH);
        if (message != WM_NULL) post_mouse(window, message);
        return 1;
    }
    case FL_HIDE:
        // Hidden while the program still counts it as visible: the user minimised it.
        if (window->visible) window->iconic = true;
        return Fl_Gl_Window::handle(event);
    case FL_SHOW:
        window->iconic = false;
        return Fl_Gl_Window::handle(event);
    default:
        return Fl_Gl_Window::handle(event);
    }
}

void SaverGlWindow::resize(int x, int y, int width, int height) {
    Fl_Gl_Window::resize(x, y, width, height);
    if (window) window_table_move(window, x, y, width, height);
}
