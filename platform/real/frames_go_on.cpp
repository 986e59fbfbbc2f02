#include "platform/real/frames_go_on.h"
#include "platform/common/window_table.h"
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

} // namespace

FramesGoOn::FramesGoOn() {
    if (depth++ == 0) Fl::add_timeout(TICK_S, run_frames);
}

FramesGoOn::~FramesGoOn() {
    if (--depth == 0) Fl::remove_timeout(run_frames);
}
