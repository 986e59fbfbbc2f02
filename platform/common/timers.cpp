#include "platform/clock.h"
#include "platform/common/window_table.h"
#include "platform/window.h"

#include <algorithm>

namespace {

struct Timer {
    Hwnd hwnd;
    unsigned id;
    uint64_t interval_ns;
    uint64_t due_ns;
    uint64_t order; // breaks ties between timers due at the same moment
};

std::vector<Timer> timers;
uint64_t next_order;

// A zero or tiny interval would starve the paint that drives the animation; 10 ms is the
// shortest interval a timer runs at.
constexpr unsigned minimum_interval_ms = 10;

uint64_t now_ns() {
    return query_performance_counter();
}

std::vector<Timer>::iterator find_timer(Hwnd hwnd, unsigned id) {
    return std::find_if(timers.begin(), timers.end(),
                        [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}

} // namespace

void set_timer(Hwnd hwnd, unsigned id, unsigned milliseconds) {
    if (hwnd && !window_table_find(hwnd)) return;
    uint64_t interval = uint64_t{std::max(milliseconds, minimum_interval_ms)} * 1000000u;
    Timer timer{hwnd, id, interval, now_ns() + interval, next_order++};
    auto existing = find_timer(hwnd, id);
    if (existing != timers.end())
        *existing = timer;
    else
        timers.push_back(timer);
}

void kill_timer(Hwnd hwnd, unsigned id) {
    auto existing = find_timer(hwnd, id);
    if (existing != timers.end()) timers.erase(existing);
}

int64_t timers_next_due_in() {
    if (timers.empty()) return -1;
    uint64_t earliest = std::min_element(timers.begin(), timers.end(), [](auto& a, auto& b) {
                            return a.due_ns < b.due_ns;
                        })->due_ns;
    uint64_t now = now_ns();
    return earliest > now ? static_cast<int64_t>(earliest - now) : 0;
}

bool timers_take_due(Msg* msg, bool (*wanted)(const Window*)) {
    uint64_t now = now_ns();
    auto due = timers.end();
    for (auto t = timers.begin(); t != timers.end(); ++t) {
        if (t->due_ns > now || (wanted && !wanted(t->hwnd))) continue;
        if (due == timers.end() || t->due_ns < due->due_ns ||
            (t->due_ns == due->due_ns && t->order < due->order))
            due = t;
    }
    if (due == timers.end()) return false;
    // The next tick counts from now: a late loop gets one tick, not a burst of them.
    due->due_ns = now + due->interval_ns;
    due->order = next_order++;
    *msg = {due->hwnd, WM_TIMER, due->id, 0};
    return true;
}

void timers_forget_window(Hwnd hwnd) {
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [hwnd](const Timer& t) { return t.hwnd == hwnd; }),
                 timers.end());
}

void timers_clear() {
    timers.clear();
}
