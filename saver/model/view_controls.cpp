#include "saver/model/view_controls.h"
#include "platform/dialog.h"
#include "saver/model/model_state.h"
#include "saver/model/view.h"
#include "saver/model/view_io.h"
#include "saver/resources/control_ids.h"

#include <algorithm>

namespace {

void show_switch(int id, int value) {
    check_dlg_button(control_window, id, value ? 1 : 0);
}

// A value no button of the group stands for leaves the buttons as they are.
void show_choice(const RadioGroup& group, int value) {
    const int first = group.buttons[0].id;
    const int last = group.buttons[group.count - 1].id;
    for (int i = 0; i < group.count; ++i)
        if (group.buttons[i].value == value) {
            check_radio_button(control_window, first, last, group.buttons[i].id);
            return;
        }
}

void set_slider(int id, int position) {
    trackbar_set_pos(control_window, id, position);
}

void set_slider(int id, float value) {
    trackbar_set_pos(control_window, id, truncate_view_real(value));
}

} // namespace

void set_sliders_from_live_values(int thrust_position) {
    set_slider(ID_TRACK1, track1);
    set_slider(ID_TRACK2, track2);
    set_slider(ID_TRACK3, track3);
    set_slider(ID_TRACK4, track4);
    set_slider(ID_TRACK4A, track4a);
    set_slider(ID_TRACK4B, track4b);
    set_slider(ID_TRACK5, track5);
    set_slider(ID_TRACK6, track6);
    set_slider(ID_TRACK7, track7);
    set_slider(ID_TRACK8, track8);
    set_slider(ID_TRACK9ZQ, track9zq);
    set_slider(ID_TRACK9Z, track9z);
    set_slider(ID_TRACK9, track9);
    set_slider(ID_TRACK10, track10);
    set_slider(ID_TRACK13, track13);
    set_slider(ID_TRACK20, track20);
    set_slider(ID_TRACK20A, track20a);
    set_slider(ID_TRACK20B, track20b);
    set_slider(ID_TRACK20C, track20c);
    set_slider(ID_TRACK20D, track20d);
    set_slider(ID_TRACK20E, track20e);
    set_slider(ID_TRACK20F, track20f);
    set_slider(ID_TRACK20F1, track20f1);
    set_slider(ID_TRACK20F2, track20f2);
    set_slider(ID_TRACK20F3, track20f3);
    set_slider(ID_TRACK20G, track20g);
    set_slider(ID_TRACK20H, track20h);
    set_slider(ID_TRACK20I, track20i);
    set_slider(ID_TRACK20J, track20j);
    set_slider(ID_TRACK20JX, track20jx);
    set_slider(ID_TRACK20K, track20k);
    set_slider(ID_TRACK20L, track20l);
    set_slider(ID_TRACK20M, track20m);
    set_slider(ID_FOV, fov);
    set_slider(ID_DIGITSIZE, digitsize);
    set_slider(ID_VISTA, thrust_position);
    set_slider(ID_TITLELEN, titlelen);
    set_slider(ID_TITLELENX, titlelenx);
    set_slider(ID_BACKCOLOR, backcolor);
}

void show_view_in_controls() {
    if (!control_window) return;
    set_dlg_item_text(control_window, ID_STATUS_TEXT, status_text);

    show_switch(ID_BACKFLAG, backflag);
    show_switch(ID_SIZEFLAG, sizeflag);
    show_switch(ID_TRACKING, tracking);
    show_choice(SPHERE1_GROUP, sphere1);
    show_choice(SPHERE2_GROUP, sphere2);
    show_choice(TRIANG_GROUP, triang);
    show_choice(BALLS1_GROUP, balls1);
    show_choice(BALLS_GROUP, balls);
    show_switch(ID_PLOTSPEED, plotspeed);
    show_switch(ID_RING, ring);
    show_switch(ID_BARS, bars);
    show_switch(ID_BARSX, barsx);
    show_switch(ID_BARSX1, barsx1);
    show_switch(ID_BARSX2, barsx2);
    show_switch(ID_BARSX3, barsx3);
    show_switch(ID_METTYPE, mettype);
    show_switch(ID_FLAT, flat);
    show_switch(ID_DIG, dig);
    show_switch(ID_XFLOOR, xfloor);
    show_switch(ID_SHORTMODE, shortmode);
    // A View save takes `plot` from these buttons, so they must show the loaded value, or
    // storing the View would silently write the previous View's backdrop switch.
    show_choice(PLOT_GROUP, plot);

    // A value that does not fit a slider's range is shown clamped and stays live until the
    // next read-back. Clamping vista first gives the same thrust position and keeps the
    // subtraction from overflowing on a damaged file.
    set_sliders_from_live_values(1000 - std::clamp(vista, 0, 1000));

    show_choice(COLORMODE_GROUP, colormode);
    show_choice(XCOLORMODE_GROUP, xcolormode);
}
