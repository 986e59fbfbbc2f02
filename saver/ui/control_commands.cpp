#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "platform/window.h"
#include "saver/engine/commands.h"
#include "saver/engine/engine_state.h"
#include "saver/engine/generator.h"
#include "saver/model/model_state.h"
#include "saver/model/view.h"
#include "saver/resources/control_ids.h"
#include "saver/ui/control_window.h"
#include "saver/ui/global_settings.h"
#include "saver/ui/module_selector.h"
#include "saver/ui/ui_state.h"

#include <string>

namespace {

struct ViewButton {
    int id;
    int view;
};
const ViewButton VIEW_BUTTONS[] = {{ID_VIEW1, 1}, {ID_VIEW2, 2}, {ID_VIEW3, 3}, {ID_VIEW4, 4},
                                   {ID_VIEW5, 5}, {ID_VIEW6, 6}, {ID_VIEW7, 7}};

struct CommandButton {
    int id;
    int command;
};
const CommandButton COMMAND_BUTTONS[] = {
    {ID_PLAY, CMD_PLAY},
    {ID_FULL_SCREEN, CMD_TOGGLE_FULLSCREEN},
    {ID_HELP, CMD_ABOUT},
    {ID_IMPORT, CMD_IMPORT_MODEL},
    {ID_BACKDROP_SELECTOR, CMD_BACKDROP_SELECTOR},
    {ID_SAVE_MODULE, CMD_SAVE_DIALOG},
};

struct SwitchBox {
    int id;
    int* flag;
};
const SwitchBox SWITCH_BOXES[] = {
    {ID_METTYPE, &mettype},
    {ID_XFLOOR, &xfloor},
    {ID_SHORTMODE, &shortmode},
    {ID_BARSX1, &barsx1},
    {ID_BARSX3, &barsx3},
    {ID_BARSX2, &barsx2},
    {ID_BARSX, &barsx},
    {ID_BARS, &bars},
    {ID_RING, &ring},
    {ID_BACKFLAG, &backflag},
    {ID_DIG, &dig},
    {ID_SIZEFLAG, &sizeflag},
    {ID_FLAT, &flat},
    {ID_PLOTSPEED, &plotspeed},
    {ID_TRACKING, &tracking},
};

struct ChoiceGroup {
    const RadioGroup& group;
    int* value;
};
const ChoiceGroup CHOICE_GROUPS[] = {
    {SPHERE2_GROUP, &sphere2},     {PLOT_GROUP, &plot},
    {COLORMODE_GROUP, &colormode}, {SPHERE1_GROUP, &sphere1},
    {TRIANG_GROUP, &triang},       {BALLS_GROUP, &balls},
    {BALLS1_GROUP, &balls1},       {XCOLORMODE_GROUP, &xcolormode},
};

constexpr int NO_SPIN = 1800; // the middle of the rotation sliders

void post_command(int command) {
    post_message(control_window_owner, WM_COMMAND, static_cast<Wparam>(command), 0);
}

bool view_button(int id) {
    for (const ViewButton& button : VIEW_BUTTONS)
        if (button.id == id) {
            post_command(view_command(button.view));
            // Stopped here rather than when the command arrives, so that the frames in
            // between do not play on over the View the user asked for.
            if (recording_state == RECORDING_PLAYBACK) recording_state = RECORDING_IDLE;
            return true;
        }
    return false;
}

bool command_button(int id) {
    for (const CommandButton& button : COMMAND_BUTTONS)
        if (button.id == id) {
            post_command(button.command);
            return true;
        }
    return false;
}

bool switch_box(Hwnd dialog, int id) {
    for (const SwitchBox& box : SWITCH_BOXES)
        if (box.id == id) {
            *box.flag = is_dlg_button_checked(dialog, id) ? 1 : 0;
            return true;
        }
    return false;
}

bool choice_button(Hwnd dialog, int id) {
    for (const ChoiceGroup& choice : CHOICE_GROUPS)
        for (int i = 0; i < choice.group.count; ++i)
            if (choice.group.buttons[i].id == id) {
                *choice.value = choice.group.buttons[i].value;
                if (choice.value == &xcolormode)
                    set_dlg_item_text(dialog, ID_STATUS_TEXT, generator_mode_name(xcolormode));
                return true;
            }
    return false;
}

void set_rotation_sliders_to_rest(Hwnd dialog) {
    for (int id : {ID_TRACK4, ID_TRACK5, ID_TRACK6}) trackbar_set_pos(dialog, id, NO_SPIN);
}

// "0": besides stopping the spin, forget the angles it reached and the glide toward the
// previous rates, so the stars stand still at once in their unrotated place.
void reset_rotation(Hwnd dialog) {
    spin = spin1 = spin2 = 0.0f;
    for (int& rate : rotation_rate) rate = NO_SPIN;
    set_rotation_sliders_to_rest(dialog);
    read_back_controls();
}

// In the Fly backdrop modes star 0 carries the backdrop, so a new pattern keeps it.
void generate_stars() {
    if (balls1 >= 3) anchor_flag = 1;
    generate();
}

void toggle_size(Hwnd dialog) {
    expanded = expanded ? 0 : 1;
    const WindowSize size = control_window_size(dialog, expanded);
    set_window_pos(dialog, HWND_TOP, 0, 0, size.width, size.height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
    set_dlg_item_text(dialog, ID_EXPAND, expanded ? "X" : "O");
}

void write_position(const char* key, int value) {
    write_private_profile_string("Items", key, std::to_string(value).c_str(), module_work_file);
}

// Enter: the module remembers where its control window stood.
void close_control_window(Hwnd dialog) {
    if (module_work_file[0] != '\0') {
        const Rect rect = get_window_rect(dialog);
        write_position("vectx", rect.left);
        write_position("vecty", rect.top);
    }
    destroy_window(dialog);
}

bool acting_button(Hwnd dialog, int id) {
    switch (id) {
    case ID_SETUP:
        setup_mode = is_dlg_button_checked(dialog, ID_SETUP) ? 1 : 0;
        return true;
    case ID_RESET_HEADING:
        fsyy = 0.0f;
        xtx1 = 0.0f;
        return true;
    case ID_RESET_MOUSE:
        fsxx = 0.0f;
        return true;
    case ID_STOP_SPIN:
        set_rotation_sliders_to_rest(dialog);
        read_back_controls();
        return true;
    case ID_RESET_ROTATION:
        reset_rotation(dialog);
        return true;
    case ID_GENERATE:
        generate_stars();
        return true;
    case ID_EXPAND:
        toggle_size(dialog);
        return true;
    case ID_GLOBAL_SETTINGS:
        open_global_settings();
        return true;
    default:
        return false;
    }
}

} // namespace

Lresult control_command(Hwnd dialog, int id, unsigned notification) {
    if (module_selector_command(dialog, id, notification)) return 1;
    if (notification != BN_CLICKED) return 0;
    if (id == IDOK) {
        close_control_window(dialog);
        return 0;
    }
    if (view_button(id) || command_button(id) || switch_box(dialog, id) ||
        choice_button(dialog, id) || acting_button(dialog, id))
        return 1;
    return 0;
}
