#include "platform/screen.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <algorithm>

namespace {
int cursor_count;
bool saver_running;

void apply_cursor() {
    // Every top-level window follows the count: hidden below 0, the arrow otherwise.
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
        w->cursor(cursor_count < 0 ? FL_CURSOR_NONE : FL_CURSOR_DEFAULT);
}
} // namespace

Rect primary_screen() {
    int x, y, w, h;
    Fl::screen_xywh(x, y, w, h, 0);
    return {0, 0, w, h};
}

Rect virtual_screen() {
    Rect all = primary_screen();
    for (int i = 0; i < Fl::screen_count(); ++i) {
        int x, y, w, h;
        Fl::screen_xywh(x, y, w, h, i);
        if (i == 0) all = {x, y, x + w, y + h};
        all.left = std::min(all.left, x);
        all.top = std::min(all.top, y);
        all.right = std::max(all.right, x + w);
        all.bottom = std::max(all.bottom, y + h);
    }
    return all;
}

int show_cursor(bool show) {
    cursor_count += show ? 1 : -1;
    apply_cursor();
    return cursor_count;
}

bool get_cursor_pos(int* x, int* y) {
    Fl::get_mouse(*x, *y);
    return true;
}

void set_screen_saver_running(bool running) {
    saver_running = running;
}
bool screen_saver_running() {
    return saver_running;
}
