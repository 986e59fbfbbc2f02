// Program-wide state of Views, modules and recordings shared with the engine and the shell.
#pragma once

#include "platform/win.h"

#include <string>
#include <vector>

extern int load_module_from_settings; // the next module load takes [data] `module`
extern Hwnd control_window;           // the editor dialog, null until it exists
extern char module_work_file[500];    // work file of the current module; View I/O goes here
extern int keep_motion;               // the next View load keeps the flight state
extern int skip_flight_on_save;       // the next View save skips flight state and dplot keys
extern int mouse_control_off;         // 1 = mouse moves do not steer
extern char backdrop_path[500];       // the module's backdrop image (items `shell0`)

// The module library as the control window lists it, and the cycle order over it.
extern std::vector<std::string> module_files; // file names with ".sv", library order
extern std::vector<int> next_module;          // next module included in cycling, or -1
extern std::vector<int> shuffled_module;      // a permutation of the included modules, or -1
extern int first_included_module;
extern int selected_module; // index selected in the file-name list

// The View shown and the caption of control 1017.
extern int current_view_index;   // 0..7, -1 before the first
extern char selected_section[8]; // "2000" .. "2007"
extern char status_text[32];

// Recording and playback: 0 idle, 1 playing back, 2 recording.
extern int recording_state;
