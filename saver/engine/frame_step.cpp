#include "saver/engine/frame_step.h"

#include "platform/gl_context.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/flight.h"
#include "saver/engine/frame_glides.h"
#include "saver/engine/frame_pacing.h"
#include "saver/engine/gl_state.h"
#include "saver/engine/module_cycle.h"
#include "saver/engine/renderer.h"
#include "saver/engine/timed_modes.h"
#include "saver/model/recording.h"
#include "saver/model/view.h"
#include "saver/model/view_io.h"

#include <GL/gl.h>

namespace {

constexpr int DEFERRED_VIEW7_DUE = 10;

void apply_depth_test() {
    if (xfloor == applied_depth_test) return;
    applied_depth_test = xfloor;
    if (xfloor)
        glEnable(GL_DEPTH_TEST);
    else
        glDisable(GL_DEPTH_TEST);
}

// Playback starts from the flight stored with the View, not from a glide toward it.
void take_stored_flight() {
    speed = thrust_target;
    velocity_z = xcx;
    velocity_x = xcy;
    velocity_y = xcz;
    yaw_rate = fsxx;
    base_pitch = fsyy;
}

void run_pending_view_load() {
    if (!view_load_pending) return;
    view_load_pending = 0;
    load_view(pending_view_section);
    if (playback_start == 1) {
        take_stored_flight();
        playback_start = 0;
    }
    projection_dirty = 1;
}

void follow_view_angle(Hwnd hwnd) {
    if (live_view_angle != last_projected_view_angle) {
        last_projected_view_angle = live_view_angle;
        projection_dirty = 1;
    }
    if (projection_dirty) {
        projection_dirty = 0;
        resize_pending = 1;
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    }
    if (resize_pending) refresh_projection(hwnd);
}

bool timed_generator_mode() {
    return xcolormode == 5 || xcolormode == 8;
}

} // namespace

void frame_step(Hwnd hwnd) {
    apply_depth_test();
    // Without the depth test nothing reads or writes depth in this frame, and the frame that
    // turns it on clears it first: clearing it here would only cost fill.
    glClear(GL_COLOR_BUFFER_BIT | (applied_depth_test ? GL_DEPTH_BUFFER_BIT : 0));
    frame_busy = 1;
    module_cycle(hwnd);
    recording_step();
    run_pending_view_load();
    derive_glide_rates();
    glide_scale();
    size_times_scale = (track8 / 1000.0f) * live_scale;
    glide_view_angle();
    follow_view_angle(hwnd);
    if (deferred_view7 == DEFERRED_VIEW7_DUE) {
        deferred_view7 = 0;
        post_message(hwnd, WM_COMMAND, CMD_VIEW7, 0);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -0.01f);
    render_frame();
    if (timed_generator_mode())
        timed_modes_step();
    else
        pattern_timer = PATTERN_TIMER_IDLE;
    gl_swap_buffers(hwnd);
    frame_busy = 0;
    pace_frame();
}
