// Windows that exist only in the table: placement, visibility and the z-order are recorded,
// and the message loop never waits for anything that cannot come.
#include "platform/window.h"
#include "platform/common/window_table.h"
#include "platform/headless.h"
#include "platform/headless/dialog_reset.h"
#include "platform/headless/gl_surface.h"
#include "platform/screen.h"
#include "platform/single_instance.h"
#include "platform/sound.h"

#include <algorithm>
#include <ctime>

namespace {

Hwnd foreground;

void restore_and_raise(Hwnd hwnd) {
    if (is_iconic(hwnd)) show_window(hwnd, SW_RESTORE);
    set_foreground_window(hwnd);
}

void sleep_ns(int64_t nanoseconds) {
    timespec wait{static_cast<time_t>(nanoseconds / 1000000000),
                  static_cast<long>(nanoseconds % 1000000000)};
    nanosleep(&wait, nullptr);
}

} // namespace

Hwnd create_window(const char* class_name, const char* title, unsigned style, int x, int y,
                   int width, int height, Hwnd owner) {
    Window* window = window_table_add(class_name, title, style, x, y, width, height, owner);
    if (!window) return nullptr;
    window_restore_and_raise = restore_and_raise;
    if (!window_table_send_create(window)) {
        destroy_window(window);
        return nullptr;
    }
    return window;
}

void destroy_window(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    if (!window) return;
    if (!window_table_destroy_owned_and_notify(window, destroy_window)) return;
    if (foreground == window) foreground = nullptr;
    headless_gl_release(window);
    window_table_remove(window);
}

bool get_message(Msg* msg) {
    for (;;) {
        single_instance_serve();
        bool found = false;
        bool more = message_queue_take(msg, true, &found);
        if (found) return more;
        int64_t wait = timers_next_due_in();
        if (wait < 0) {
            // Nothing can ever arrive: say so rather than block a test forever.
            *msg = {nullptr, WM_NULL, 0, 0};
            return true;
        }
        sleep_ns(wait);
    }
}

bool peek_message(Msg* msg) {
    bool found = false;
    message_queue_take(msg, false, &found);
    return found;
}

void set_window_pos(Hwnd hwnd, InsertAfter insert_after, int x, int y, int width, int height,
                    unsigned flags) {
    Window* window = window_table_find(hwnd);
    if (!window) return;
    WindowPosChange change = window_table_set_pos(window, insert_after, x, y, width, height, flags);
    if (!change.moved_or_sized) return;
    // The surface takes the new size before the window hears of it, so a WM_SIZE handler
    // already draws into the right size.
    headless_gl_resize(window, rect_width(change.target), rect_height(change.target));
    window_table_move(window, change.target.left, change.target.top, rect_width(change.target),
                      rect_height(change.target));
}

void set_window_text(Hwnd hwnd, const char* text) {
    if (Window* window = window_table_find(hwnd)) window->title = text ? text : "";
}

void show_window(Hwnd hwnd, int command) {
    if (Window* window = window_table_find(hwnd)) window_table_show(window, command);
}

void set_foreground_window(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    if (!window) return;
    window_table_raise(window);
    foreground = window;
}

void set_window_states(Hwnd hwnd, WindowStates states) {
    if (Window* window = window_table_find(hwnd)) window->states = states;
}

std::vector<Hwnd> headless_windows() {
    return {window_table_all().begin(), window_table_all().end()};
}

std::vector<Hwnd> headless_z_order() {
    std::vector<Hwnd> order = headless_windows();
    std::stable_sort(order.begin(), order.end(), [](Hwnd a, Hwnd b) { return a->z > b->z; });
    return order;
}

Hwnd headless_foreground_window() {
    return foreground;
}

std::vector<Msg> headless_posted_messages() {
    return message_queue_posted();
}

void headless_reset() {
    for (Window* window : window_table_all()) headless_gl_release(window);
    foreground = nullptr;
    window_table_clear();
    headless_dialogs_reset();
    headless_file_dialogs_reset();
    headless_launch_reset();
    set_screen_saver_window(nullptr);
    stop_sound();
}
