#include "platform/screen.h"
#include "platform/headless.h"

namespace {
Rect primary{0, 0, 1280, 720};
Rect whole{0, 0, 1280, 720};
int cursor_count;
int cursor_x, cursor_y;
Hwnd saver_window;
int dpi = 96;
bool waiting;
} // namespace

void headless_set_screen_dpi(int dots_per_inch) {
    dpi = dots_per_inch;
}

int screen_dpi() {
    return dpi;
}

void headless_set_screens(const Rect& primary_screen, const Rect& virtual_screen) {
    primary = primary_screen;
    whole = virtual_screen;
}

int headless_cursor_count() {
    return cursor_count;
}

void headless_set_cursor_pos(int x, int y) {
    cursor_x = x;
    cursor_y = y;
}

bool headless_wait_cursor_shown() {
    return waiting;
}

Rect primary_screen() {
    return primary;
}
Rect virtual_screen() {
    return whole;
}

Rect screen_of(const Rect&) {
    return primary;
}

void get_cursor_pos(int* x, int* y) {
    *x = cursor_x;
    *y = cursor_y;
}

void show_wait_cursor(bool shown) {
    waiting = shown;
}

int show_cursor(bool show) {
    return show ? ++cursor_count : --cursor_count;
}

void set_screen_saver_window(Hwnd saver) {
    saver_window = saver;
}
Hwnd screen_saver_window() {
    return saver_window;
}
