#include "platform/dialog.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/model/view.h"
#include "saver/resources/control_ids.h"
#include "saver/ui/control_window.h"

#include <algorithm>

namespace {

int position(int id) {
    return trackbar_get_pos(control_window, id);
}

float real_position(int id) {
    return static_cast<float>(position(id));
}

} // namespace

// A value a View brought in beyond a slider's range is shown clamped; this is where the
// clamped value becomes the live one.
void read_back_controls() {
    if (!control_window) return;
    backcolor = position(ID_BACKCOLOR);
    cycle_timer = updown_get_pos(control_window, ID_CYCLE_TIMER) & 0xFFFF;
    track1 = real_position(ID_TRACK1);
    track2 = real_position(ID_TRACK2);
    track3 = real_position(ID_TRACK3);
    track4 = position(ID_TRACK4);
    track4a = position(ID_TRACK4A);
    track4b = position(ID_TRACK4B);
    track5 = position(ID_TRACK5);
    track6 = position(ID_TRACK6);
    track7 = position(ID_TRACK7);
    clamped_scale = std::min(track7, 1000);
    track8 = position(ID_TRACK8);
    size_factor = static_cast<float>(track8) / 1000.0f;
    track9z = real_position(ID_TRACK9Z);
    track9zq = real_position(ID_TRACK9ZQ);
    track9 = real_position(ID_TRACK9);
    track10 = real_position(ID_TRACK10);
    track13 = real_position(ID_TRACK13);
    track20 = position(ID_TRACK20);
    track20a = position(ID_TRACK20A);
    track20b = position(ID_TRACK20B);
    track20c = position(ID_TRACK20C);
    track20d = position(ID_TRACK20D);
    track20e = position(ID_TRACK20E);
    track20f = position(ID_TRACK20F);
    track20f1 = position(ID_TRACK20F1);
    track20f2 = position(ID_TRACK20F2);
    track20f3 = position(ID_TRACK20F3);
    // The flight model derives the thrust divisors track20g + 1 and + 2 from this itself.
    track20g = position(ID_TRACK20G);
    track20h = position(ID_TRACK20H);
    pixel_point_size = std::max(track20h, backresolution2x) + 1;
    track20i = position(ID_TRACK20I);
    track20j = position(ID_TRACK20J);
    track20jx = position(ID_TRACK20JX);
    track20k = position(ID_TRACK20K);
    track20l = position(ID_TRACK20L);
    track20m = position(ID_TRACK20M);
    fov = position(ID_FOV);
    digitsize = real_position(ID_DIGITSIZE);
    vista = 1000 - position(ID_VISTA);
    thrust_target = static_cast<float>(vista);
    titlelen = position(ID_TITLELEN);
    titlelenx = position(ID_TITLELENX);
}
