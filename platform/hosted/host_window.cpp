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
#include <cstdio>

namespace {

Window* adopted;
ForeignSurface* surface;
bool show_rate;
FrameRateCounter rate_counter;
bool close_posted;
bool viewable = true;
uint64_t held_since_ns; // when the window stopped being viewable
uint64_t paused_ns;     // held back and not yet taken
uint64_t last_swap_ns;

// Nothing to hand out only happens while a timer is pending after the close was posted; the
// wait stays short so that the end is never delayed.
constexpr unsigned longest_idle_ms = 10;
// While nothing is drawn the loop sleeps on the X connection; a signal wakes it at once.
constexpr int longest_hidden_wait_ms = 250;

void follow_viewable(bool now_viewable) {
    const uint64_t now = query_performance_counter();
    if (viewable && !now_viewable) held_since_ns = now;
    if (!viewable && now_viewable) paused_ns += now - held_since_ns;
    viewable = now_viewable;
    // Stopped between two frames: the whole time since the last frame was a pause.
    if (take_continue_signal() && viewable && last_swap_ns != 0) paused_ns += now - last_swap_ns;
}

void follow_host() {
    if (!adopted || !surface) return;
    const SurfaceNews news = foreign_surface_poll(surface);
    if (news.resized) window_table_move(adopted, 0, 0, news.width, news.height);
    follow_viewable(news.viewable);
    if (close_posted || !(news.destroyed || end_signal_received())) return;
    // Hosts end their savers with a signal; a window gone without one is worth a line in
    // the host's log.
    if (news.destroyed && !end_signal_received())
        std::fprintf(stderr, "solvantrix: the host's window is gone; ending\n");
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
    viewable = true;
    paused_ns = 0;
    last_swap_ns = 0;
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
        const bool more = message_queue_take(msg, !close_posted && viewable, &found);
        if (found) return more;
        const int64_t due_in = timers_next_due_in();
        if (!viewable && !close_posted && surface) {
            const int64_t wait_ms = due_in < 0 ? longest_hidden_wait_ms : due_in / 1000000;
            foreign_surface_wait(
                surface, static_cast<int>(std::min<int64_t>(wait_ms, longest_hidden_wait_ms)));
            continue;
        }
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
    last_swap_ns = query_performance_counter();
    return true;
}

uint64_t hosted_take_paused_ns() {
    const uint64_t taken = paused_ns;
    paused_ns = 0;
    return taken;
}

HostedDisplaySync hosted_display_sync() {
    HostedDisplaySync sync;
    if (!surface) return sync;
    sync.swap_control = foreign_surface_has_swap_control(surface);
    sync.refresh_hz = foreign_surface_refresh_rate(surface);
    return sync;
}

void hosted_set_swap_interval(int interval) {
    if (surface) foreign_surface_set_swap_interval(surface, interval);
}

void release_host_window(Hwnd hwnd) {
    if (!hwnd || hwnd != adopted) return;
    foreign_surface_close(surface);
    surface = nullptr;
    // The record stays until the program ends, but is never painted again.
    adopted->visible = false;
    adopted = nullptr;
}
