// Command ids of the starfield window. The control window, the password dialog and the frame
// step reach the window only by posting one of these as a WM_COMMAND.
#pragma once

constexpr int CMD_EXIT = 40009;        // leave the program
constexpr int CMD_SAVE_MODULE = 40010; // save under the chosen name, then reload it
constexpr int CMD_ABOUT = 40038;       // about and help window
constexpr int CMD_LOAD_MODULE = 40066; // from `module` when load_module_from_settings is set
constexpr int CMD_SAVE_DIALOG = 40111; // open the save-module dialog
constexpr int CMD_VIEW1 = 40122;       // select (or in setup mode store into) View 1
constexpr int CMD_VIEW2 = 40124;       // the ids skip 40123
constexpr int CMD_VIEW3 = 40125;
constexpr int CMD_VIEW4 = 40126;
constexpr int CMD_VIEW5 = 40127;
constexpr int CMD_VIEW6 = 40128;
constexpr int CMD_VIEW7 = 40129;
constexpr int CMD_PLAY = 40130;   // start playback (or store into View 8 in setup mode)
constexpr int CMD_STATUS = 40131; // show the status text
constexpr int CMD_TOGGLE_FULLSCREEN = 40133;
constexpr int CMD_IMPORT_MODEL = 40134;
constexpr int CMD_BACKDROP_SELECTOR = 40135;
constexpr int CMD_TO_INTERACTIVE = 40136; // running screen saver -> interactive mode

// View n (1..7) -> its command id; the gap at 40123 makes this more than an offset.
constexpr int view_command(int view) {
    return view == 1 ? CMD_VIEW1 : CMD_VIEW2 + (view - 2);
}
