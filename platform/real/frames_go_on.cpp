#include "platform/real/frames_go_on.h"
#include "platform/common/window_table.h"
#include "platform/real/backend_window.h"
#include "platform/window.h"

#include <FL/Fl.H>

namespace {

// Short: the frame step itself waits for the frame's time.
constexpr double TICK_S = 0.002;

int depth;

void run_frames(void*) {
    Msg msg{};
    while (message_queue_take_frame(&msg)) {
        dispatch_message(msg);
        if (msg.message == WM_PAINT) break; // one frame per tick, so the loop stays responsive
    }
    if (depth > 0) Fl::repeat_timeout(TICK_S, run_frames);
}

// FLTK drops a close request that comes while a drop-down list holds its grab, even the one
// that comes with the key that ends the list: the program would never learn of it. The close
// is posted instead and waits for the program's loop like its other messages. A window that a
// modal dialog blocks still gets none, as when no list is open.
bool blocked_by_modal_dialog(const Fl_Window* target) {
    // FLTK counts the list's own window as modal while it is open.
    for (Fl_Window* shown = Fl::first_window(); shown; shown = Fl::next_window(shown))
        if (shown->modal() && !shown->menu_window() && shown != target) return true;
    return false;
}

int keep_close_requests(int event, Fl_Window* target) {
    if (event == FL_CLOSE && Fl::grab() && !blocked_by_modal_dialog(target))
        for (Window* window : window_table_all())
            if (window->backend && window->backend->top == target) {
                post_message(window, WM_CLOSE, 0, 0);
                return 1;
            }
    return Fl::handle_(event, target);
}

} // namespace

FramesGoOn::FramesGoOn() {
    if (depth++ > 0) return;
    Fl::add_timeout(TICK_S, run_frames);
    Fl::event_dispatch(keep_close_requests);
}

FramesGoOn::~FramesGoOn() {
    if (--depth > 0) return;
    Fl::remove_timeout(run_frames);
    Fl::event_dispatch(nullptr);
}
