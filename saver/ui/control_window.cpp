#include "saver/ui/control_window.h"
#include "saver/model/view_controls.h"

#include "platform/dialog.h"
#include "platform/profile.h"
#include "saver/engine/engine_state.h"
#include "saver/model/model_state.h"
#include "saver/model/settings.h"
#include "saver/resources/control_ids.h"
#include "saver/resources/icons.h"
#include "saver/resources/status_template.h"
#include "saver/ui/help_popup.h"
#include "saver/ui/module_selector.h"
#include "saver/ui/ui_state.h"

#include <cstdint>

namespace {

enum Ticks { NO_TICKS, ENDS_ONLY, EVERY, ONE_AT };

struct SliderRange {
    int id;
    int maximum; // every slider starts at 0
    Ticks ticks;
    int tick; // the spacing for EVERY, the single mark for ONE_AT
};

const SliderRange SLIDER_RANGES[] = {
    {ID_VISTA, 1000, NO_TICKS, 0},      {ID_TRACK20G, 255, NO_TICKS, 0},
    {ID_TRACK20M, 128, NO_TICKS, 0},    {ID_TRACK10, 32000, ONE_AT, 315},
    {ID_FOV, 180, EVERY, 45},           {ID_TRACK20F2, 1000, NO_TICKS, 0},
    {ID_TRACK7, 1010, EVERY, 100},      {ID_TRACK20F3, 1000, NO_TICKS, 0},
    {ID_TRACK20F, 1000, NO_TICKS, 0},   {ID_TRACK9Z, 2500, ENDS_ONLY, 0},
    {ID_TRACK9ZQ, 2500, ENDS_ONLY, 0},  {ID_TRACK20J, 8000, ENDS_ONLY, 0},
    {ID_TRACK20JX, 1000, ENDS_ONLY, 0}, {ID_TRACK4A, 2000, NO_TICKS, 0},
    {ID_TRACK4B, 1000, NO_TICKS, 0},    {ID_TRACK13, 360, EVERY, 45},
    {ID_TRACK20F1, 1000, NO_TICKS, 0},  {ID_TRACK20H, 64, NO_TICKS, 0},
    {ID_TRACK20I, 32, NO_TICKS, 0},     {ID_TRACK8, 1600, ENDS_ONLY, 0},
    {ID_TRACK4, 3600, ONE_AT, 1800},    {ID_TRACK5, 3600, ONE_AT, 1800},
    {ID_TRACK6, 3600, ONE_AT, 1800},    {ID_TRACK1, 360, EVERY, 45},
    {ID_TRACK2, 360, EVERY, 45},        {ID_TRACK3, 360, EVERY, 45},
    {ID_TRACK20, 255, NO_TICKS, 0},     {ID_TRACK20A, 255, NO_TICKS, 0},
    {ID_DIGITSIZE, 255, NO_TICKS, 0},   {ID_TRACK20B, 255, NO_TICKS, 0},
    {ID_TRACK20C, 255, NO_TICKS, 0},    {ID_TRACK20D, 255, NO_TICKS, 0},
    {ID_TITLELENX, 1000, ENDS_ONLY, 0}, {ID_TITLELEN, 768, ENDS_ONLY, 0},
    {ID_BACKCOLOR, 256, ENDS_ONLY, 0},  {ID_TRACK9, 64, NO_TICKS, 0},
    {ID_TRACK20K, 128, NO_TICKS, 0},    {ID_TRACK20L, 128, NO_TICKS, 0},
    {ID_TRACK20E, 128, NO_TICKS, 0},
};

constexpr int CYCLE_TIMER_LIMIT = 999;

void set_slider_ranges(Hwnd dialog) {
    for (const SliderRange& slider : SLIDER_RANGES) {
        trackbar_set_range(dialog, slider.id, 0, slider.maximum);
        switch (slider.ticks) {
        case NO_TICKS:
            break;
        case ENDS_ONLY:
            trackbar_set_tick_frequency(dialog, slider.id, 0);
            break;
        case EVERY:
            trackbar_set_tick_frequency(dialog, slider.id, slider.tick);
            break;
        case ONE_AT:
            trackbar_add_tick(dialog, slider.id, slider.tick);
            break;
        }
    }
}

// The cycle timer lives as the up-down position's 16-bit pattern, so a negative (shuffled)
// time of -5 is held as 65531. Reading it here, before the first read-back copies the
// up-down position back, keeps the stored setting from being replaced by 0.
void load_cycle_timer(Hwnd dialog) {
    cycle_timer = get_private_profile_int("data", "timer", 0, SETTINGS_FILE) & 0xFFFF;
    updown_set_range(dialog, ID_CYCLE_TIMER, -CYCLE_TIMER_LIMIT, CYCLE_TIMER_LIMIT);
    updown_set_pos(dialog, ID_CYCLE_TIMER, static_cast<int16_t>(cycle_timer));
}

void initialise(Hwnd dialog) {
    control_window = dialog;
    expanded = 0;
    initialise_module_selector();
    load_cycle_timer(dialog);
    set_slider_ranges(dialog);
    // The thrust starts at rest until the module's first View sets it.
    set_sliders_from_live_values(0);
    set_dlg_item_icon(dialog, ID_HELP, &ICON_HELP);
    set_dlg_item_icon(dialog, ID_SETUP, &ICON_SETUP);
    set_dlg_item_text(dialog, ID_EXPAND, "O");
    set_dlg_item_focus(dialog, ID_TRACK1);
    projection_dirty = 1;
    // The module selector built the lists and, with them, the cycle order.
    read_back_controls();
}

Rect frame_pixels(Hwnd dialog, int id) {
    const ControlTemplate* frame = find_status_control(id);
    return map_dialog_rect(dialog,
                           {frame->x, frame->y, frame->x + frame->width, frame->y + frame->height});
}

} // namespace

Hwnd create_control_window(Hwnd starfield) {
    control_window_owner = starfield;
    return create_dialog(STATUS_TEMPLATE, starfield, control_window_proc);
}

// The frames start at the dialog's left and top edges, so their far edges in pixels are the
// sizes, and they follow the dialog font as the controls do.
WindowSize control_window_size(Hwnd dialog, int expanded_size) {
    if (expanded_size)
        return {frame_pixels(dialog, ID_FRAME_EXPANDED_WIDTH).right,
                frame_pixels(dialog, ID_FRAME_EXPANDED_HEIGHT).bottom};
    return {frame_pixels(dialog, ID_FRAME_CONTRACTED_WIDTH).right,
            frame_pixels(dialog, ID_FRAME_CONTRACTED_HEIGHT).bottom};
}

Lresult control_window_proc(Hwnd dialog, unsigned message, Wparam wparam, Lparam) {
    switch (message) {
    case WM_INITDIALOG:
        initialise(dialog);
        return 1;
    case WM_COMMAND:
        return control_command(dialog, static_cast<int>(loword(wparam)), hiword(wparam));
    case WM_HSCROLL:
    case WM_VSCROLL:
        read_back_controls();
        return 1;
    case WM_RBUTTONDOWN_CONTROL:
        show_control_help(static_cast<int>(wparam));
        return 1;
    case WM_CLOSE:
        // There is no close box; only Enter or the owner's end closes the window.
        return 1;
    case WM_DESTROY:
        if (control_window == dialog) control_window = nullptr;
        setup_mode = 0;
        return 1;
    default:
        return 0;
    }
}
