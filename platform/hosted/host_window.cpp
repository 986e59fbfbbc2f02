// The host's window in the window table. It has no backend part: the host shows, places and
// sizes it, so the record only follows what the X server reports.
#include "platform/clock.h"
#include "platform/common/window_table.h"
#include "platform/hosted.h"
#include "platform/hosted/end_signals.h"
#include "platform/hosted/foreign_surface.h"
#include "platform/hosted/frame_rate_overlay.h"
#include "platform/window.h"

#include <algorithm>

namespace {

Window* adopted;
ForeignSurface* surface;
bool show_rate;
FrameRateCounter rate_counter;
bool close_posted;

// Nothing to hand out only happens while a timer is pending after the close was posted; the
// wait stays short so that the end is never delayed.
constexpr unsigned longest_idle_ms = 10;

void follow_host() {
    if (!adopted || !surface) return;
    const SurfaceNews news = foreign_surface_poll(surface);
    if (news.resized) window_table_move(adopted, 0, 0, news.width, news.height);
    if (close_posted || !(news.destroyed || end_signal_received())) return;
    close_posted = true;
    post_message(adopted, WM_CLOSE, 0, 0);
}

} // namespace

Hwnd adopt_host_window(const char* class_name, unsigned long window_id, bool show_frame_rate,
                       std::string* error) {
    // Installed first: a host that gives up during a slow start still ends us cleanly.
    install_end_signals();
    ForeignSurface* opened = foreign_surface_open(window_id, error);
    if (!opened) return nullptr;
    int width = 0, height = 0;
    foreign_surface_size(opened, &width, &height);
    Window* window =
        window_table_add(class_name, "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr);
    if (!window) {
        foreign_surface_close(opened);
        *error = "no window class for the host's window";
        return nullptr;
    }
    adopted = window;
    surface = opened;
    show_rate = show_frame_rate;
    close_posted = false;
    if (!window_table_send_create(window)) {
        release_host_window(window);
        *error = "the host's window was refused";
        return nullptr;
    }
    return window;
}

bool hosted_get_message(Msg* msg) {
    for (;;) {
        follow_host();
        bool found = false;
        const bool more = message_queue_take(msg, !close_posted, &found);
        if (found) return more;
        const int64_t due_in = timers_next_due_in();
        const unsigned due_ms =
            due_in < 0
                ? longest_idle_ms
                : static_cast<unsigned>(std::min<int64_t>(due_in / 1000000, longest_idle_ms));
        sleep_ms(std::max(due_ms, 1u));
    }
}

bool hosted_swap_buffers(Hwnd hwnd) {
    if (!hwnd || hwnd != adopted || !surface) return false;
    if (show_rate) draw_frame_rate(rate_counter.frame(query_performance_counter()));
    foreign_surface_swap(surface);
    return true;
}

void release_host_window(Hwnd hwnd) {
    if (!hwnd || hwnd != adopted) return;
    foreign_surface_close(surface);
    surface = nullptr;
    // The record stays until the program ends, but is never painted again.
    adopted->visible = false;
    adopted = nullptr;
}
