#include "platform/common/window_table.h"
#include "platform/common/control_model.h"
#include "platform/window.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>

namespace {

struct ClassNameLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) {
                                                return std::tolower(static_cast<unsigned char>(x)) <
                                                       std::tolower(static_cast<unsigned char>(y));
                                            });
    }
};

std::map<std::string, WndProc, ClassNameLess> classes;
std::vector<std::unique_ptr<Window>> owned_windows;
std::vector<Window*> windows; // the same, in creation order
long top_z, bottom_z;

bool same_class(const std::string& a, const char* b) {
    ClassNameLess less;
    return !less(a, b) && !less(b, a);
}

} // namespace

void (*window_restore_and_raise)(Hwnd hwnd);

bool register_class(const char* class_name, WndProc proc) {
    if (!class_name || !*class_name || !proc) return false;
    return classes.emplace(class_name, proc).second;
}

Window* window_table_add(const char* class_name, const char* title, unsigned style, int x, int y,
                         int width, int height, Hwnd owner) {
    if (!class_name) return nullptr;
    auto found = classes.find(class_name);
    if (found == classes.end()) return nullptr;
    auto window = std::make_unique<Window>();
    window->class_name = found->first;
    window->proc = found->second;
    window->title = title ? title : "";
    window->style = style;
    window->rect = {x, y, x + std::max(width, 0), y + std::max(height, 0)};
    window->visible = (style & WS_VISIBLE) != 0;
    window->owner = window_table_find(owner);
    window->z = ++top_z;
    windows.push_back(window.get());
    owned_windows.push_back(std::move(window));
    return windows.back();
}

bool window_table_send_create(Window* window) {
    if (send_message(window, WM_CREATE, 0, 0) == -1) return false;
    // The procedure may have destroyed the window while handling its creation.
    if (!window_table_find(window)) return false;
    send_message(window, WM_SIZE, 0,
                 make_lparam(rect_width(window->rect), rect_height(window->rect)));
    return window_table_find(window) != nullptr;
}

bool window_table_destroy_owned_and_notify(Window* window, void (*destroy)(Hwnd)) {
    // Look the owned windows up afresh each time: destroying one may destroy others.
    for (;;) {
        const auto& all = window_table_all();
        auto owned = std::find_if(all.begin(), all.end(),
                                  [window](const Window* w) { return w->owner == window; });
        if (owned == all.end()) break;
        destroy(*owned);
    }
    send_message(window, WM_DESTROY, 0, 0);
    return window_table_find(window) != nullptr;
}

void window_table_remove(Window* window) {
    auto at = std::find(windows.begin(), windows.end(), window);
    if (at == windows.end()) return;
    windows.erase(at);
    timers_forget_window(window);
    message_queue_forget_window(window);
    for (Window* other : windows)
        if (other->owner == window) other->owner = nullptr;
    dialog_model_free(window);
    owned_windows.erase(std::find_if(owned_windows.begin(), owned_windows.end(),
                                     [window](const auto& w) { return w.get() == window; }));
}

const std::vector<Window*>& window_table_all() {
    return windows;
}

Window* window_table_find(Hwnd hwnd) {
    if (!hwnd) return nullptr;
    auto at = std::find(windows.begin(), windows.end(), hwnd);
    return at == windows.end() ? nullptr : *at;
}

void window_table_clear() {
    for (Window* window : windows) dialog_model_free(window);
    windows.clear();
    owned_windows.clear();
    classes.clear();
    timers_clear();
    message_queue_clear();
    top_z = bottom_z = 0;
}

void window_table_raise(Window* window) {
    window->z = ++top_z;
}

void window_table_lower(Window* window) {
    window->z = --bottom_z;
}

bool window_table_move(Window* window, int x, int y, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    bool resized = width != rect_width(window->rect) || height != rect_height(window->rect);
    window->rect = {x, y, x + width, y + height};
    if (resized) send_message(window, WM_SIZE, 0, make_lparam(width, height));
    return resized;
}

WindowPosChange window_table_set_pos(Window* window, InsertAfter insert_after, int x, int y,
                                     int width, int height, unsigned flags) {
    WindowPosChange change{};
    if (!(flags & SWP_NOZORDER)) {
        if (insert_after == HWND_BOTTOM) {
            window_table_lower(window);
            change.lowered = true;
        } else {
            window_table_raise(window);
            change.raised = true;
        }
    }
    change.moved_or_sized = (flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE);
    int new_x = flags & SWP_NOMOVE ? window->rect.left : x;
    int new_y = flags & SWP_NOMOVE ? window->rect.top : y;
    int new_width = flags & SWP_NOSIZE ? rect_width(window->rect) : std::max(width, 0);
    int new_height = flags & SWP_NOSIZE ? rect_height(window->rect) : std::max(height, 0);
    change.target = {new_x, new_y, new_x + new_width, new_y + new_height};
    if (flags & SWP_SHOWWINDOW) {
        change.shown = !window->visible;
        window->visible = true;
    } else if (flags & SWP_HIDEWINDOW) {
        change.hidden = window->visible;
        window->visible = false;
    }
    change.frame_changed = (flags & SWP_FRAMECHANGED) != 0;
    return change;
}

void window_table_show(Window* window, int command) {
    switch (command) {
    case SW_HIDE:
        window->visible = false;
        break;
    case SW_MINIMIZE:
        window->visible = true;
        window->iconic = true;
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        window->visible = true;
        window->iconic = false;
        break;
    default:
        window->visible = true;
        break;
    }
}

void update_window(Hwnd hwnd) {
    // Never validated, so there is always something to paint.
    Window* window = window_table_find(hwnd);
    if (window && window->visible && !window->iconic) send_message(window, WM_PAINT, 0, 0);
}

bool is_window(Hwnd hwnd) {
    return window_table_find(hwnd) != nullptr;
}

const char* window_class(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    return window ? window->class_name.c_str() : "";
}

Rect get_window_rect(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    return window ? window->rect : Rect{0, 0, 0, 0};
}

Rect get_client_rect(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    if (!window) return {0, 0, 0, 0};
    return {0, 0, rect_width(window->rect), rect_height(window->rect)};
}

std::string get_window_text(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    return window ? window->title : std::string();
}

unsigned get_window_style(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    return window ? window->style : 0;
}

void set_window_style(Hwnd hwnd, unsigned style) {
    if (Window* window = window_table_find(hwnd)) window->style = style;
}

WindowStates get_window_states(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    return window ? window->states : WindowStates{};
}

bool is_window_visible(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    return window && window->visible;
}

bool is_iconic(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    return window && window->iconic;
}

Hwnd find_window(const char* class_name) {
    if (!class_name) return nullptr;
    for (Window* window : windows)
        if (window->visible && same_class(window->class_name, class_name)) return window;
    return nullptr;
}
