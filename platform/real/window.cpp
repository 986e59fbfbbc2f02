// Windows shown through FLTK. The table stays the record the program reads; FLTK events
// become posted messages, and the loop pumps FLTK while it waits.
#include "platform/window.h"
#include "platform/common/window_table.h"
#include "platform/real/backend_window.h"
#include "platform/real/x_focus.h"
#include "platform/real/x_window_manager.h"
#include "platform/single_instance.h"

#include <FL/Fl.H>
#include <algorithm>

namespace {

constexpr double longest_wait_s = 0.05;

Fl_Window* fl_of(Window* window) {
    return window && window->backend ? window->backend->top : nullptr;
}

void apply_frame(Window* window) {
    Fl_Window* fl = fl_of(window);
    bool framed = (window->style & WS_CAPTION) != 0;
    // A dialog's controls keep their places whatever size the program gives it.
    Fl_Window* grows = window->backend->dialog ? nullptr : fl;
    if (framed)
        fl->resizable(window->style & WS_THICKFRAME ? grows : nullptr);
    else
        fl->resizable(grows); // a borderless window is placed by the program at any size
    // On a shown window FLTK rewrites the frame hints, which window managers honour live;
    // re-creating the window instead would cost the GL context.
    fl->border(framed);
}

void restore_and_raise(Hwnd hwnd) {
    if (is_iconic(hwnd)) show_window(hwnd, SW_RESTORE);
    set_foreground_window(hwnd);
}

} // namespace

void show_fl_window(Window* window) {
    BackendWindow* backend = window->backend;
    const bool first_show = !backend->top->shown();
    backend->top->show();
    if (backend->context_wanted && backend->fl) make_context_current(backend);
    if (!first_show) return;
    // An owned window stays above its owner: a click into a large starfield window must not
    // bury the control window and the dialogs under it.
    const Window* owner = window_table_find(window->owner);
    if (owner && owner->backend) x_set_owner(backend->top, owner->backend->top);
    if (window->states.full_screen || window->states.above)
        x_set_states(backend->top, window->states.full_screen, window->states.above);
}

Hwnd create_window(const char* class_name, const char* title, unsigned style, int x, int y,
                   int width, int height, Hwnd owner) {
    Window* window = window_table_add(class_name, title, style, x, y, width, height, owner);
    if (!window) return nullptr;
    window_restore_and_raise = restore_and_raise;
    // Window managers and scripts find every window of the program by this class.
    Fl_Window::default_xclass("solvantrix");
    Fl_Group* open_group = Fl_Group::current();
    Fl_Group::current(nullptr); // a top-level window is never a child of a dialog being built
    window->backend = new BackendWindow;
    window->backend->fl = new SaverGlWindow(window, x, y, std::max(width, 1), std::max(height, 1));
    window->backend->top = window->backend->fl;
    Fl_Group::current(open_group);
    window->backend->fl->copy_label(window->title.c_str());
    apply_frame(window);
    if (!window_table_send_create(window)) {
        destroy_window(window);
        return nullptr;
    }
    if (window->visible) show_fl_window(window);
    return window;
}

void destroy_window(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    if (!window) return;
    if (!window_table_destroy_owned_and_notify(window, destroy_window)) return;
    if (BackendWindow* backend = window->backend) {
        // The FLTK window may be inside its own event handling: detach it, delete it later.
        if (backend->fl) backend->fl->window = nullptr;
        if (backend->dialog) dialog_window_detach(backend->dialog);
        backend->top->hide();
        Fl::delete_widget(backend->top);
        delete backend;
        window->backend = nullptr;
    }
    window_table_remove(window);
}

bool get_message(Msg* msg) {
    for (;;) {
        single_instance_serve();
        // Input first, so that a paint never hides a key or a click that has arrived.
        if (message_queue_has_paintable_window()) Fl::check();
        bool found = false;
        bool more = message_queue_take(msg, true, &found);
        if (found) return more;
        int64_t due_in = timers_next_due_in();
        double wait = due_in < 0 ? longest_wait_s : std::min(longest_wait_s, due_in / 1e9);
        Fl::wait(wait);
    }
}

bool peek_message(Msg* msg) {
    Fl::check();
    bool found = false;
    message_queue_take(msg, false, &found);
    return found;
}

void set_window_pos(Hwnd hwnd, InsertAfter insert_after, int x, int y, int width, int height,
                    unsigned flags) {
    Window* window = window_table_find(hwnd);
    if (!window) return;
    Fl_Window* fl = fl_of(window);
    WindowPosChange change = window_table_set_pos(window, insert_after, x, y, width, height, flags);
    if (change.frame_changed) apply_frame(window);
    if (change.moved_or_sized) {
        const Rect& to = change.target;
        fl->resize(to.left, to.top, std::max(rect_width(to), 1), std::max(rect_height(to), 1));
        // FLTK keeps a window at least one pixel large; the record keeps what was asked.
        window_table_move(window, to.left, to.top, rect_width(to), rect_height(to));
    }
    if (change.hidden) fl->hide();
    // Showing a shown window raises it; lowering is left to the window manager's stacking.
    if ((change.shown || change.raised) && window->visible && !window->iconic)
        show_fl_window(window);
}

void set_window_text(Hwnd hwnd, const char* text) {
    Window* window = window_table_find(hwnd);
    if (!window) return;
    window->title = text ? text : "";
    fl_of(window)->copy_label(window->title.c_str());
}

void show_window(Hwnd hwnd, int command) {
    Window* window = window_table_find(hwnd);
    if (!window) return;
    bool was_iconic = window->iconic;
    window_table_show(window, command);
    Fl_Window* fl = fl_of(window);
    if (!window->visible) {
        fl->hide();
    } else if (window->iconic) {
        if (!fl->shown()) show_fl_window(window);
        fl->iconize();
    } else if (was_iconic || !fl->visible()) {
        show_fl_window(window);
    }
}

void set_window_states(Hwnd hwnd, WindowStates states) {
    Window* window = window_table_find(hwnd);
    if (!window) return;
    window->states = states;
    if (window->backend->top->shown())
        x_set_states(window->backend->top, states.full_screen, states.above);
}

void set_foreground_window(Hwnd hwnd) {
    Window* window = window_table_find(hwnd);
    if (!window) return;
    window_table_raise(window);
    if (!window->visible || window->iconic) return;
    show_fl_window(window);
    x_take_input_focus(window->backend->top);
}
