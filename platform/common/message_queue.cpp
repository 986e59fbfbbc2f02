#include "platform/common/window_table.h"
#include "platform/window.h"

#include <algorithm>
#include <deque>

namespace {
std::deque<Msg> posted;
bool quit_pending;
int quit_code;
size_t next_paint; // round robin, so that every visible window gets its turn
} // namespace

void post_message(Hwnd hwnd, unsigned message, Wparam wparam, Lparam lparam) {
    // A message for a window that no longer exists is dropped; a null window is a message to
    // the loop itself.
    if (hwnd && !window_table_find(hwnd)) return;
    posted.push_back({hwnd, message, wparam, lparam});
}

Lresult send_message(Hwnd hwnd, unsigned message, Wparam wparam, Lparam lparam) {
    Window* window = window_table_find(hwnd);
    if (!window) return 0;
    return window->proc(window, message, wparam, lparam);
}

void post_quit_message(int exit_code) {
    quit_pending = true;
    quit_code = exit_code;
}

Lresult dispatch_message(const Msg& msg) {
    return send_message(msg.hwnd, msg.message, msg.wparam, msg.lparam);
}

// Dialogs are drawn by their controls; only the program's own windows paint, so a program
// that shows nothing but dialogs waits for its messages instead of spinning.
bool paintable(const Window* window) {
    return window->visible && !window->iconic && !window->dialog;
}

bool message_queue_has_paintable_window() {
    for (Window* window : window_table_all())
        if (paintable(window)) return true;
    return false;
}

namespace {
bool take_paint(Msg* msg) {
    const auto& windows = window_table_all();
    for (size_t tried = 0; tried < windows.size(); ++tried) {
        Window* window = windows[(next_paint + tried) % windows.size()];
        if (paintable(window)) {
            next_paint = (next_paint + tried + 1) % windows.size();
            *msg = {window, WM_PAINT, 0, 0};
            return true;
        }
    }
    return false;
}
} // namespace

bool message_queue_take(Msg* msg, bool allow_paint, bool* found) {
    *found = true;
    if (!posted.empty()) {
        *msg = posted.front();
        posted.pop_front();
        return true;
    }
    if (quit_pending) {
        quit_pending = false;
        *msg = {nullptr, WM_QUIT, static_cast<Wparam>(quit_code), 0};
        return false;
    }
    if (timers_take_due(msg)) return true;
    if (allow_paint && take_paint(msg)) return true;
    *found = false;
    return true;
}

bool message_queue_take_frame(Msg* msg) {
    return timers_take_due(msg, paintable) || take_paint(msg);
}

std::vector<Msg> message_queue_posted() {
    return {posted.begin(), posted.end()};
}

bool message_queue_quit_pending() {
    return quit_pending;
}

void message_queue_forget_window(Hwnd hwnd) {
    posted.erase(std::remove_if(posted.begin(), posted.end(),
                                [hwnd](const Msg& m) { return m.hwnd == hwnd; }),
                 posted.end());
}

void message_queue_clear() {
    posted.clear();
    quit_pending = false;
    quit_code = 0;
    next_paint = 0;
}
