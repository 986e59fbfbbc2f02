#include "platform/screen.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <algorithm>

namespace {
int cursor_count;
bool waiting;

void apply_cursor() {
    // Every top-level window follows the count: hidden below 0, the arrow otherwise.
    const Fl_Cursor shown = waiting ? FL_CURSOR_WAIT : FL_CURSOR_DEFAULT;
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
        w->cursor(cursor_count < 0 ? FL_CURSOR_NONE : shown);
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

int screen_dpi() {
    float horizontal = 0, vertical = 0;
    Fl::screen_dpi(horizontal, vertical, 0);
    return horizontal > 0 ? static_cast<int>(horizontal + 0.5f) : 96;
}

Rect screen_of(const Rect& area) {
    int x, y, w, h;
    Fl::screen_xywh(x, y, w, h, area.left, area.top, rect_width(area), rect_height(area));
    return {x, y, x + w, y + h};
}

void get_cursor_pos(int* x, int* y) {
    Fl::get_mouse(*x, *y);
}

void show_wait_cursor(bool shown) {
    waiting = shown;
    apply_cursor();
    // The cursor must change before the long step starts, not when the loop next runs.
    Fl::flush();
}

int show_cursor(bool show) {
    cursor_count += show ? 1 : -1;
    apply_cursor();
    return cursor_count;
}
