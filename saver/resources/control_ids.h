// Control ids of the STATUS dialog (the control window). The View load and save, the
// starfield window and the control window all address the same controls by these numbers.
// Sliders and check boxes are named after the View key they edit.
#pragma once

// ---- Toolbar row ----------------------------------------------------------------------
constexpr int ID_EXPAND = 3079; // "O" / "X"
constexpr int ID_FULL_SCREEN = 1207;
constexpr int ID_GLOBAL_SETTINGS = 911;
constexpr int ID_CYCLE_INCLUDE = 1023;    // the selected module takes part in cycling
constexpr int ID_MODULE_SELECTOR = 1187;  // module names without ".sv"
constexpr int ID_MODULE_FILES = 1167;     // hidden: file names with ".sv"
constexpr int ID_MODULE_RAW_FILES = 1168; // hidden: the directory listing
constexpr int ID_CYCLE_TIMER_EDIT = 1019;
constexpr int ID_CYCLE_TIMER = 1016; // up-down buddy of the edit, -999 .. 999
constexpr int ID_PLAY = 1011;
constexpr int ID_HELP = 1208;
constexpr int ID_RESET_HEADING = 1161; // "Z"
constexpr int ID_RESET_MOUSE = 1160;   // "R"
constexpr int ID_IMPORT = 40134;
constexpr int ID_SAVE_MODULE = 1206;

// ---- View column ----------------------------------------------------------------------
constexpr int ID_VIEW1 = 1159;
constexpr int ID_VIEW2 = 1003;
constexpr int ID_VIEW3 = 1004;
constexpr int ID_VIEW4 = 1005;
constexpr int ID_VIEW5 = 3006;
constexpr int ID_VIEW6 = 1009;
constexpr int ID_VIEW7 = 1010;
constexpr int ID_SETUP = 3196; // push-like: pressed in = setup mode

// ---- Sliders --------------------------------------------------------------------------
constexpr int ID_VISTA = 1111; // THRUST, vertical, position 1000 - vista
constexpr int ID_TRACK20G = 3135;
constexpr int ID_TRACK20M = 1141;
constexpr int ID_TRACK10 = 309;
constexpr int ID_FOV = 1108;
constexpr int ID_TRACK20F2 = 1143;
constexpr int ID_TRACK7 = 306;
constexpr int ID_TRACK20F3 = 3144;
constexpr int ID_TRACK20F = 3134;
constexpr int ID_TRACK9Z = 315;
constexpr int ID_TRACK9ZQ = 316;
constexpr int ID_TRACK20J = 3138;
constexpr int ID_TRACK20JX = 1142;
constexpr int ID_TRACK4A = 310;
constexpr int ID_TRACK4B = 311;
constexpr int ID_TRACK13 = 1106;
constexpr int ID_TRACK20F1 = 1146;
constexpr int ID_TRACK20H = 3136;
constexpr int ID_TRACK20I = 3137;
constexpr int ID_TRACK8 = 307;
constexpr int ID_TRACK4 = 303;
constexpr int ID_TRACK5 = 304;
constexpr int ID_TRACK6 = 305;
constexpr int ID_TRACK1 = 300;
constexpr int ID_TRACK2 = 301;
constexpr int ID_TRACK3 = 302;
constexpr int ID_TRACK20 = 1107;
constexpr int ID_TRACK20A = 1129;
constexpr int ID_DIGITSIZE = 1109;
constexpr int ID_TRACK20B = 3130;
constexpr int ID_TRACK20C = 3131;
constexpr int ID_TRACK20D = 3132;
constexpr int ID_TITLELENX = 314;
constexpr int ID_TITLELEN = 312;
constexpr int ID_BACKCOLOR = 313;
constexpr int ID_TRACK9 = 308;
constexpr int ID_TRACK20K = 1139;
constexpr int ID_TRACK20L = 1140;
constexpr int ID_TRACK20E = 3133;

// ---- Check boxes ----------------------------------------------------------------------
constexpr int ID_METTYPE = 1082;
constexpr int ID_XFLOOR = 1022;
constexpr int ID_SHORTMODE = 1029;
constexpr int ID_BARSX1 = 1028;
constexpr int ID_BARSX3 = 3127;
constexpr int ID_BARSX2 = 1025;
constexpr int ID_BARSX = 1024;
constexpr int ID_BARS = 1015;
constexpr int ID_RING = 1008;
constexpr int ID_BACKFLAG = 150;
constexpr int ID_DIG = 1503;
constexpr int ID_SIZEFLAG = 151;
constexpr int ID_FLAT = 1014;
constexpr int ID_PLOTSPEED = 1012;
constexpr int ID_TRACKING = 1007;
constexpr int ID_CLOAK = 1026; // hidden and disabled; its (always clear) state is still saved

// ---- Radio groups ---------------------------------------------------------------------
// Each button with the live value it selects and the digit a View stores for it. The buttons
// stand in ascending id order, which is also their order in the template.
struct RadioButton {
    int id;
    int value;
    char digit;
};
struct RadioGroup {
    const RadioButton* buttons;
    int count;
};

inline constexpr RadioButton SPHERE2_BUTTONS[] = {{1118, 0, '0'}, {1119, 1, '1'}, {1120, 2, '2'}};
inline constexpr RadioButton PLOT_BUTTONS[] = {{1093, 1, '1'}, {3092, 0, '0'}};
inline constexpr RadioButton COLORMODE_BUTTONS[] = {{410, 0, '0'}, {411, 1, '1'}, {412, 2, '2'},
                                                    {413, 3, '3'}, {414, 4, '4'}, {415, 5, '5'},
                                                    {416, 6, '6'}, {417, 7, '7'}, {418, 8, '8'}};
inline constexpr RadioButton SPHERE1_BUTTONS[] = {{1110, 0, '0'}, {1112, 1, '1'}, {1113, 2, '2'}};
inline constexpr RadioButton TRIANG_BUTTONS[] = {
    {1114, -1, '0'}, {1115, 0, '1'}, {1116, 1, '2'}, {1117, 2, '3'}};
// On the panel they stand A, B, C, D.
inline constexpr RadioButton BALLS_BUTTONS[] = {
    {1125, 0, '0'}, {1126, 1, '1'}, {1127, 2, '2'}, {1128, 3, '3'}};
inline constexpr RadioButton XCOLORMODE_BUTTONS[] = {{510, 0, '0'}, {511, 1, '1'}, {512, 2, '2'},
                                                     {513, 3, '3'}, {514, 4, '4'}, {515, 5, '5'},
                                                     {516, 6, '6'}, {517, 7, '7'}, {518, 8, '8'}};
// Hidden; the backdrop selector sets them.
inline constexpr RadioButton BALLS1_BUTTONS[] = {
    {1121, 0, '0'}, {1122, 1, '1'}, {1123, 2, '2'}, {1124, 3, '3'}, {1186, 4, '4'}};

template <int N> constexpr RadioGroup radio_group(const RadioButton (&buttons)[N]) {
    return {buttons, N};
}
inline constexpr RadioGroup SPHERE2_GROUP = radio_group(SPHERE2_BUTTONS);
inline constexpr RadioGroup PLOT_GROUP = radio_group(PLOT_BUTTONS);
inline constexpr RadioGroup COLORMODE_GROUP = radio_group(COLORMODE_BUTTONS);
inline constexpr RadioGroup SPHERE1_GROUP = radio_group(SPHERE1_BUTTONS);
inline constexpr RadioGroup TRIANG_GROUP = radio_group(TRIANG_BUTTONS);
inline constexpr RadioGroup BALLS_GROUP = radio_group(BALLS_BUTTONS);
inline constexpr RadioGroup XCOLORMODE_GROUP = radio_group(XCOLORMODE_BUTTONS);
inline constexpr RadioGroup BALLS1_GROUP = radio_group(BALLS1_BUTTONS);

// ---- Other controls -------------------------------------------------------------------
constexpr int ID_GENERATE = 1001;
constexpr int ID_BACKDROP_SELECTOR = 1084; // "IMAGE"
constexpr int ID_STOP_SPIN = 1000;         // "I I"
constexpr int ID_RESET_ROTATION = 1145;    // "0"
constexpr int ID_STATUS_TEXT = 1017;
// Etched frames; the first four give the window's two sizes.
constexpr int ID_FRAME_EXPANDED_WIDTH = 1171;
constexpr int ID_FRAME_CONTRACTED_HEIGHT = 1174;
constexpr int ID_FRAME_EXPANDED_HEIGHT = 1176;
constexpr int ID_FRAME_CONTRACTED_WIDTH = 1178;
constexpr int ID_FRAME_FLIGHT = 1172;
constexpr int ID_FRAME_LOOK = 1173;
constexpr int ID_FRAME_ROTATION = 1177;
constexpr int ID_FRAME_GENERATOR = 1179;

// SAVERTYPE: the save-module dialog
constexpr int ID_SAVE_LIST = 1193;
constexpr int ID_SAVE_NAME = 3004;
constexpr int ID_SAVE = 1001;
constexpr int ID_SAVE_LARGE = 1000; // hidden
constexpr int ID_SAVE_SMALL = 1002; // hidden
constexpr int ID_SAVE_CANCEL = 1076;
constexpr int ID_SAVE_NO_STARS = 1012;
constexpr int ID_SAVE_NARROW = 1059;
constexpr int ID_SAVE_WIDE = 1060;
constexpr int ID_SAVE_STATUS = 1194;

// PASSWORDCHECK: the current password, asked before a new one is set
constexpr int ID_CHECK_PASSWORD = 3;
constexpr int ID_CHECK_OK = 1;
constexpr int ID_CHECK_CANCEL = 2; // the default button

// PASSWORDSET: the new password, typed twice
constexpr int ID_SET_UPPER = 1;
constexpr int ID_SET_LOWER = 2;
constexpr int ID_SET_OK = 3;
constexpr int ID_SET_CANCEL = 4; // the default button

// PASSWORD: the unlock bar of a running screen saver
constexpr int ID_UNLOCK_PASSWORD = 3004;
constexpr int ID_UNLOCK_ENTER = 2;

// GLOBAL: the Global Settings dialog. Each edit shows the position of the up-down after it.
constexpr int ID_GLOBAL_DELAY_EDIT = 3004;
constexpr int ID_GLOBAL_DELAY = 3169;
constexpr int ID_GLOBAL_AUXRESOLUTION_EDIT = 3005;
constexpr int ID_GLOBAL_AUXRESOLUTION = 1182;
constexpr int ID_GLOBAL_BACKRESOLUTION_EDIT = 3106;
constexpr int ID_GLOBAL_BACKRESOLUTION = 1183;
constexpr int ID_GLOBAL_BACKRESOLUTION2_EDIT = 3009;
constexpr int ID_GLOBAL_BACKRESOLUTION2 = 1184;
constexpr int ID_GLOBAL_BACKRESOLUTION2X_EDIT = 3010;
constexpr int ID_GLOBAL_BACKRESOLUTION2X = 3185;
constexpr int ID_GLOBAL_MULTIENABLE = 1010;
constexpr int ID_GLOBAL_SOUNDENABLE = 1009;
constexpr int ID_GLOBAL_INCLUDE_ALL = 1007;
constexpr int ID_GLOBAL_EXCLUDE_ALL = 1008;

// SOURCE: the backdrop selector
constexpr int ID_SOURCE_FILE_NAME = 3005;
constexpr int ID_SOURCE_RESHAPE_EDIT = 3015;
constexpr int ID_SOURCE_RESHAPE = 1185;
constexpr int ID_SOURCE_BROWSE = 1000;
inline constexpr RadioButton SOURCE_MODE_BUTTONS[] = {
    {1091, 0, '0'}, {1093, 1, '1'}, {1101, 2, '2'}, {1102, 3, '3'}, {1103, 4, '4'}};
inline constexpr RadioGroup SOURCE_MODE_GROUP = radio_group(SOURCE_MODE_BUTTONS);

// ABOUT: the about and help window
constexpr int ID_ABOUT_READ_ME = 1408;
constexpr int ID_ABOUT_ICON = 1409;

// HELPTEXT1: the help popup
constexpr int ID_HELP_POPUP_TEXT = 100;
