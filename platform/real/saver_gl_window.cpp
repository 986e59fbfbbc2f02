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

unsigned virtual_key(int key) {
    if (key >= 'a' && key <= 'z') return static_cast<unsigned>(key - 'a' + 'A');
    if ((key >= '0' && key <= '9') || key == ' ') return static_cast<unsigned>(key);
    if (key >= FL_F + 1 && key <= FL_F + 24) return 0x70u + static_cast<unsigned>(key - FL_F - 1);
    if (key >= FL_KP + '0' && key <= FL_KP + '9')
        return 0x60u + static_cast<unsigned>(key - FL_KP - '0');
    switch (key) {
    case FL_Escape:
        return VK_ESCAPE;
    case FL_BackSpace:
        return 0x08;
    case FL_Tab:
        return 0x09;
    case FL_Enter:
    case FL_KP_Enter:
        return 0x0D;
    case FL_Page_Up:
        return 0x21;
    case FL_Page_Down:
        return 0x22;
    case FL_End:
        return 0x23;
    case FL_Home:
        return 0x24;
    case FL_Left:
        return 0x25;
    case FL_Up:
        return VK_UP;
    case FL_Right:
        return 0x27;
    case FL_Down:
        return VK_DOWN;
    case FL_Insert:
        return 0x2D;
    case FL_Delete:
        return 0x2E;
    default:
        return 0;
    }
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
        unsigned key = virtual_key(Fl::event_key());
        if (!key) return 0;
        post_message(window, WM_KEYDOWN, key, 0);
        return 1;
    }
    case FL_MOVE:
    case FL_DRAG:
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
