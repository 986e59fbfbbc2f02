#include "saver/resources/status_template.h"

#include "saver/resources/control_ids.h"

namespace {

constexpr int NO_ID = -1;
constexpr unsigned HIDDEN = CS_HIDDEN;
constexpr unsigned VERTICAL = CS_VERTICAL;
constexpr unsigned GROUP = CS_GROUP_START;

// Coordinates in dialog units. The toolbar row is 17 units high; the panel below it runs in
// columns separated by etched lines, every slider row 12 units apart with its label in front.
const ControlTemplate CONTROLS[] = {
    // ---- Toolbar row ----
    {ID_EXPAND, CTL_BUTTON, "O", 3, 2, 14, 13, 0},
    {ID_FULL_SCREEN, CTL_BUTTON, "Full Screen", 19, 2, 44, 13, 0},
    {ID_GLOBAL_SETTINGS, CTL_BUTTON, "G", 65, 2, 14, 13, 0},
    {ID_CYCLE_INCLUDE, CTL_CHECKBOX, "", 83, 4, 10, 10, CS_MANUAL},
    {ID_MODULE_SELECTOR, CTL_COMBOBOX, "", 95, 2, 100, 13, 0},
    {ID_CYCLE_TIMER_EDIT, CTL_EDIT, "", 198, 2, 26, 13, CS_RIGHT},
    {ID_CYCLE_TIMER, CTL_UPDOWN, "", 224, 2, 10, 13, 0},
    {NO_ID, CTL_ICON, "CLOCK", 237, 2, 13, 13, 0},
    {ID_PLAY, CTL_BUTTON, "Play", 253, 2, 30, 13, 0},
    {ID_HELP, CTL_BUTTON, "Help", 286, 2, 32, 13, 0},
    {ID_RESET_HEADING, CTL_BUTTON, "Z", 321, 2, 14, 13, 0},
    {ID_RESET_MOUSE, CTL_BUTTON, "R", 337, 2, 14, 13, 0},
    {ID_IMPORT, CTL_BUTTON, "Import", 354, 2, 32, 13, 0},
    {ID_SAVE_MODULE, CTL_BUTTON, "Save Module", 389, 2, 50, 13, 0},
    {ID_MODULE_FILES, CTL_COMBOBOX, "", 0, 0, 60, 13, HIDDEN},
    {ID_MODULE_RAW_FILES, CTL_COMBOBOX, "", 0, 0, 60, 13, HIDDEN},

    // ---- Frames: the hidden pair spans the toolbar row, the visible pair the whole panel ----
    {ID_FRAME_CONTRACTED_WIDTH, CTL_GROUPBOX, "", 0, 0, 442, 1, HIDDEN},
    {ID_FRAME_CONTRACTED_HEIGHT, CTL_GROUPBOX, "", 0, 0, 1, 17, HIDDEN},
    {ID_FRAME_EXPANDED_WIDTH, CTL_GROUPBOX, "", 0, 17, 535, 1, 0},
    {ID_FRAME_EXPANDED_HEIGHT, CTL_GROUPBOX, "", 27, 20, 1, 154, 0},
    {ID_FRAME_FLIGHT, CTL_GROUPBOX, "", 84, 20, 1, 152, 0},
    {ID_FRAME_LOOK, CTL_GROUPBOX, "", 234, 20, 1, 152, 0},
    {ID_FRAME_ROTATION, CTL_GROUPBOX, "", 310, 20, 1, 152, 0},
    {ID_FRAME_GENERATOR, CTL_GROUPBOX, "", 459, 20, 1, 152, 0},

    // ---- Views ----
    {ID_VIEW1, CTL_BUTTON, "1", 3, 20, 22, 14, 0},
    {ID_VIEW2, CTL_BUTTON, "2", 3, 36, 22, 14, 0},
    {ID_VIEW3, CTL_BUTTON, "3", 3, 52, 22, 14, 0},
    {ID_VIEW4, CTL_BUTTON, "4", 3, 68, 22, 14, 0},
    {ID_VIEW5, CTL_BUTTON, "5", 3, 84, 22, 14, 0},
    {ID_VIEW6, CTL_BUTTON, "6", 3, 100, 22, 14, 0},
    {ID_VIEW7, CTL_BUTTON, "7", 3, 116, 22, 14, 0},
    {ID_SETUP, CTL_PUSHLIKE, "Setup", 3, 138, 22, 20, 0},

    // ---- Flight switches and the thrust sliders ----
    {ID_METTYPE, CTL_CHECKBOX, "Follow", 30, 20, 50, 10, 0},
    {ID_XFLOOR, CTL_CHECKBOX, "Depth", 30, 31, 50, 10, 0},
    {ID_SHORTMODE, CTL_CHECKBOX, "Short Z", 30, 42, 50, 10, 0},
    {ID_BARSX1, CTL_CHECKBOX, "RT", 30, 53, 24, 10, 0},
    {ID_BARSX3, CTL_CHECKBOX, "RV", 55, 53, 24, 10, 0},
    {NO_ID, CTL_LABEL, "THRUST", 29, 66, 25, 8, 0},
    {NO_ID, CTL_LABEL, "T", 56, 66, 12, 8, 0},
    {NO_ID, CTL_LABEL, "M", 70, 66, 12, 8, 0},
    {ID_VISTA, CTL_TRACKBAR, "", 33, 75, 16, 97, VERTICAL},
    {ID_TRACK20G, CTL_TRACKBAR, "", 55, 75, 12, 97, VERTICAL},
    {ID_TRACK20M, CTL_TRACKBAR, "", 69, 75, 12, 97, VERTICAL},

    // ---- Star count, angle, scale, axes, backdrop, rotation glide ----
    {NO_ID, CTL_LABEL, "Total", 87, 22, 22, 8, 0},
    {ID_TRACK10, CTL_TRACKBAR, "", 109, 21, 48, 11, 0},
    {NO_ID, CTL_LABEL, "Angle", 87, 34, 22, 8, 0},
    {ID_FOV, CTL_TRACKBAR, "", 109, 33, 48, 11, 0},
    {NO_ID, CTL_LABEL, "Glide", 87, 46, 22, 8, 0},
    {ID_TRACK20F2, CTL_TRACKBAR, "", 109, 45, 26, 11, 0},
    {ID_BARSX2, CTL_CHECKBOX, "Log", 137, 46, 20, 10, 0},
    {NO_ID, CTL_LABEL, "Scale", 87, 58, 22, 8, 0},
    {ID_TRACK7, CTL_TRACKBAR, "", 109, 57, 48, 11, 0},
    {NO_ID, CTL_LABEL, "Glide", 87, 70, 22, 8, 0},
    {ID_TRACK20F3, CTL_TRACKBAR, "", 109, 69, 48, 11, 0},
    {NO_ID, CTL_GROUPBOX, "Axis", 87, 81, 70, 22, 0},
    {SPHERE2_BUTTONS[0].id, CTL_RADIO, "Z", 90, 91, 18, 10, GROUP},
    {SPHERE2_BUTTONS[1].id, CTL_RADIO, "XZ", 109, 91, 22, 10, 0},
    {SPHERE2_BUTTONS[2].id, CTL_RADIO, "XYZ", 132, 91, 24, 10, 0},
    {ID_BACKDROP_SELECTOR, CTL_BUTTON, "IMAGE", 87, 106, 30, 12, 0},
    {PLOT_BUTTONS[0].id, CTL_RADIO, "On", 120, 107, 18, 10, GROUP},
    {PLOT_BUTTONS[1].id, CTL_RADIO, "Off", 139, 107, 18, 10, 0},
    {NO_ID, CTL_LABEL, "Pos", 87, 122, 22, 8, 0},
    {ID_TRACK20F, CTL_TRACKBAR, "", 109, 121, 26, 11, 0},
    {ID_BARSX, CTL_CHECKBOX, "Log", 137, 122, 20, 10, 0},

    // ---- Motion functions and meteors ----
    {NO_ID, CTL_GROUPBOX, "Fun", 159, 20, 74, 66, 0},
    {COLORMODE_BUTTONS[0].id, CTL_RADIO, "1", 163, 29, 20, 10, GROUP},
    {COLORMODE_BUTTONS[1].id, CTL_RADIO, "2", 186, 29, 20, 10, 0},
    {COLORMODE_BUTTONS[2].id, CTL_RADIO, "3", 209, 29, 20, 10, 0},
    {COLORMODE_BUTTONS[3].id, CTL_RADIO, "4", 163, 40, 20, 10, 0},
    {COLORMODE_BUTTONS[4].id, CTL_RADIO, "5", 186, 40, 20, 10, 0},
    {COLORMODE_BUTTONS[5].id, CTL_RADIO, "6", 209, 40, 20, 10, 0},
    {COLORMODE_BUTTONS[6].id, CTL_RADIO, "7", 163, 51, 20, 10, 0},
    {COLORMODE_BUTTONS[7].id, CTL_RADIO, "8", 186, 51, 20, 10, 0},
    {COLORMODE_BUTTONS[8].id, CTL_RADIO, "9", 209, 51, 20, 10, 0},
    {NO_ID, CTL_LABEL, "Fun 1", 163, 64, 20, 8, 0},
    {ID_TRACK9Z, CTL_TRACKBAR, "", 184, 63, 46, 11, 0},
    {NO_ID, CTL_LABEL, "Fun 2", 163, 75, 20, 8, 0},
    {ID_TRACK9ZQ, CTL_TRACKBAR, "", 184, 74, 46, 11, 0},
    {NO_ID, CTL_GROUPBOX, "Meteors", 159, 88, 74, 64, 0},
    {NO_ID, CTL_LABEL, "Axis", 163, 99, 15, 8, 0},
    {SPHERE1_BUTTONS[0].id, CTL_RADIO, "Z", 178, 98, 13, 10, GROUP},
    {SPHERE1_BUTTONS[1].id, CTL_RADIO, "XYZ", 191, 98, 21, 10, 0},
    {SPHERE1_BUTTONS[2].id, CTL_RADIO, "XZ", 212, 98, 18, 10, 0},
    {ID_BARS, CTL_CHECKBOX, "Share", 163, 111, 28, 10, 0},
    {ID_TRACK20J, CTL_TRACKBAR, "", 192, 110, 38, 11, 0},
    {NO_ID, CTL_LABEL, "Size", 163, 125, 15, 8, 0},
    {TRIANG_BUTTONS[0].id, CTL_RADIO, "1", 178, 124, 13, 10, GROUP},
    {TRIANG_BUTTONS[1].id, CTL_RADIO, "2", 191, 124, 13, 10, 0},
    {TRIANG_BUTTONS[2].id, CTL_RADIO, "3", 204, 124, 13, 10, 0},
    {TRIANG_BUTTONS[3].id, CTL_RADIO, "4", 217, 124, 13, 10, 0},
    {NO_ID, CTL_LABEL, "Speed", 163, 138, 22, 8, 0},
    {ID_TRACK20JX, CTL_TRACKBAR, "", 186, 137, 44, 11, 0},

    // ---- Brightness, tails and shapes ----
    {NO_ID, CTL_LABEL, "Range", 237, 22, 22, 8, 0},
    {ID_TRACK4A, CTL_TRACKBAR, "", 259, 21, 48, 11, 0},
    {NO_ID, CTL_LABEL, "Thresh", 237, 34, 22, 8, 0},
    {ID_TRACK4B, CTL_TRACKBAR, "", 259, 33, 48, 11, 0},
    {NO_ID, CTL_LABEL, "Tail", 237, 46, 22, 8, 0},
    {ID_TRACK13, CTL_TRACKBAR, "", 259, 45, 48, 11, 0},
    {NO_ID, CTL_LABEL, "Glide", 237, 58, 22, 8, 0},
    {ID_TRACK20F1, CTL_TRACKBAR, "", 259, 57, 48, 11, 0},
    {ID_RING, CTL_CHECKBOX, "Tri", 237, 70, 24, 10, 0},
    {ID_BACKFLAG, CTL_CHECKBOX, "Sphere", 263, 70, 36, 10, 0},
    {NO_ID, CTL_LABEL, "Pixel", 237, 82, 22, 8, 0},
    {ID_TRACK20H, CTL_TRACKBAR, "", 259, 81, 48, 11, 0},
    {NO_ID, CTL_LABEL, "Line", 237, 94, 22, 8, 0},
    {ID_TRACK20I, CTL_TRACKBAR, "", 259, 93, 48, 11, 0},
    {NO_ID, CTL_GROUPBOX, "Type", 237, 106, 70, 22, 0},
    {BALLS_BUTTONS[0].id, CTL_RADIO, "A", 240, 115, 16, 10, GROUP},
    {BALLS_BUTTONS[1].id, CTL_RADIO, "D", 288, 115, 16, 10, 0},
    {BALLS_BUTTONS[2].id, CTL_RADIO, "B", 256, 115, 16, 10, 0},
    {BALLS_BUTTONS[3].id, CTL_RADIO, "C", 272, 115, 16, 10, 0},
    {NO_ID, CTL_LABEL, "Size", 237, 132, 22, 8, 0},
    {ID_TRACK8, CTL_TRACKBAR, "", 259, 131, 48, 11, 0},

    // ---- Rotation and position ----
    {NO_ID, CTL_GROUPBOX, "Rotation", 313, 20, 70, 44, 0},
    {NO_ID, CTL_LABEL, "X", 316, 30, 8, 8, 0},
    {ID_TRACK4, CTL_TRACKBAR, "", 324, 29, 57, 10, 0},
    {NO_ID, CTL_LABEL, "Y", 316, 41, 8, 8, 0},
    {ID_TRACK5, CTL_TRACKBAR, "", 324, 40, 57, 10, 0},
    {NO_ID, CTL_LABEL, "Z", 316, 52, 8, 8, 0},
    {ID_TRACK6, CTL_TRACKBAR, "", 324, 51, 57, 10, 0},
    {NO_ID, CTL_GROUPBOX, "Position", 313, 66, 70, 44, 0},
    {NO_ID, CTL_LABEL, "X", 316, 76, 8, 8, 0},
    {ID_TRACK1, CTL_TRACKBAR, "", 324, 75, 57, 10, 0},
    {NO_ID, CTL_LABEL, "Y", 316, 87, 8, 8, 0},
    {ID_TRACK2, CTL_TRACKBAR, "", 324, 86, 57, 10, 0},
    {NO_ID, CTL_LABEL, "Z", 316, 98, 8, 8, 0},
    {ID_TRACK3, CTL_TRACKBAR, "", 324, 97, 57, 10, 0},
    {ID_STOP_SPIN, CTL_BUTTON, "I I", 313, 114, 33, 12, 0},
    {ID_RESET_ROTATION, CTL_BUTTON, "0", 350, 114, 33, 12, 0},

    // ---- Colours: set 1 on the left, set 2 on the right ----
    {ID_DIG, CTL_CHECKBOX, "Image", 386, 21, 40, 10, 0},
    {NO_ID, CTL_LABEL, "R", 386, 34, 8, 8, 0},
    {ID_TRACK20, CTL_TRACKBAR, "", 394, 33, 30, 11, 0},
    {ID_TRACK20B, CTL_TRACKBAR, "", 425, 33, 31, 11, 0},
    {NO_ID, CTL_LABEL, "G", 386, 46, 8, 8, 0},
    {ID_TRACK20A, CTL_TRACKBAR, "", 394, 45, 30, 11, 0},
    {ID_TRACK20C, CTL_TRACKBAR, "", 425, 45, 31, 11, 0},
    {NO_ID, CTL_LABEL, "B", 386, 58, 8, 8, 0},
    {ID_DIGITSIZE, CTL_TRACKBAR, "", 394, 57, 30, 11, 0},
    {ID_TRACK20D, CTL_TRACKBAR, "", 425, 57, 31, 11, 0},
    {ID_SIZEFLAG, CTL_CHECKBOX, "Bright", 386, 70, 34, 10, 0},
    {ID_PLOTSPEED, CTL_CHECKBOX, "Cycle", 422, 70, 34, 10, 0},
    {ID_FLAT, CTL_CHECKBOX, "Rainbow", 386, 81, 40, 10, 0},
    {NO_ID, CTL_LABEL, "Dim", 386, 94, 20, 8, 0},
    {ID_TITLELENX, CTL_TRACKBAR, "", 406, 93, 50, 11, 0},
    {NO_ID, CTL_LABEL, "Mod", 386, 106, 20, 8, 0},
    {ID_TITLELEN, CTL_TRACKBAR, "", 406, 105, 50, 11, 0},
    {NO_ID, CTL_LABEL, "LFO", 386, 118, 20, 8, 0},
    {ID_BACKCOLOR, CTL_TRACKBAR, "", 406, 117, 50, 11, 0},
    {NO_ID, CTL_LABEL, "Glide", 386, 130, 20, 8, 0},
    {ID_TRACK9, CTL_TRACKBAR, "", 406, 129, 50, 11, 0},

    // ---- Generator ----
    {ID_GENERATE, CTL_BUTTON, "Generate", 462, 21, 38, 14, 0},
    {NO_ID, CTL_GROUPBOX, "Aux", 504, 18, 28, 25, 0},
    {ID_TRACKING, CTL_CHECKBOX, "", 512, 29, 12, 10, 0},
    {ID_STATUS_TEXT, CTL_LABEL, "", 462, 47, 70, 9, 0},
    {ID_TRACK20K, CTL_TRACKBAR, "", 462, 58, 10, 114, VERTICAL},
    {ID_TRACK20L, CTL_TRACKBAR, "", 473, 58, 10, 114, VERTICAL},
    {ID_TRACK20E, CTL_TRACKBAR, "", 484, 58, 10, 114, VERTICAL},
    {XCOLORMODE_BUTTONS[0].id, CTL_RADIO, "Random", 496, 58, 37, 10, GROUP},
    {XCOLORMODE_BUTTONS[1].id, CTL_RADIO, "Planar", 496, 70, 37, 10, 0},
    {XCOLORMODE_BUTTONS[2].id, CTL_RADIO, "Sine", 496, 82, 37, 10, 0},
    {XCOLORMODE_BUTTONS[3].id, CTL_RADIO, "Sphere", 496, 94, 37, 10, 0},
    {XCOLORMODE_BUTTONS[4].id, CTL_RADIO, "Galaxy", 496, 106, 37, 10, 0},
    {XCOLORMODE_BUTTONS[5].id, CTL_RADIO, "Tube", 496, 118, 37, 10, 0},
    {XCOLORMODE_BUTTONS[6].id, CTL_RADIO, "Rings", 496, 130, 37, 10, 0},
    {XCOLORMODE_BUTTONS[7].id, CTL_RADIO, "Shell", 496, 142, 37, 10, 0},
    {XCOLORMODE_BUTTONS[8].id, CTL_RADIO, "Sine T", 496, 154, 37, 10, 0},

    // ---- Never shown: the backdrop mode set by the backdrop selector, and the cloak switch
    // that Views still store ----
    {BALLS1_BUTTONS[0].id, CTL_RADIO, "", 0, 0, 10, 10, GROUP | HIDDEN},
    {BALLS1_BUTTONS[1].id, CTL_RADIO, "", 0, 0, 10, 10, HIDDEN},
    {BALLS1_BUTTONS[2].id, CTL_RADIO, "", 0, 0, 10, 10, HIDDEN},
    {BALLS1_BUTTONS[3].id, CTL_RADIO, "", 0, 0, 10, 10, HIDDEN},
    {BALLS1_BUTTONS[4].id, CTL_RADIO, "", 0, 0, 10, 10, HIDDEN},
    {ID_CLOAK, CTL_CHECKBOX, "Cloaking", 0, 0, 10, 10, HIDDEN | CS_DISABLED},
};

constexpr int CONTROL_COUNT = sizeof(CONTROLS) / sizeof(CONTROLS[0]);

} // namespace

const DialogTemplate STATUS_TEMPLATE = {
    "STATUS", "Solvantrix Screen Saver", 535, 174, CONTROLS, CONTROL_COUNT, false,
};

const ControlTemplate* find_status_control(int id) {
    for (const ControlTemplate& control : CONTROLS)
        if (control.id == id) return &control;
    return nullptr;
}
