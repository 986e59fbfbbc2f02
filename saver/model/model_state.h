// Program-wide state of Views, modules and recordings shared with the engine and the shell.
#pragma once

#include "platform/win.h"

#include <cstdint>
#include <string>
#include <vector>

extern int load_module_from_settings; // the next module load takes [data] `module`
extern Hwnd control_window;           // the editor dialog, null until it exists
extern char module_path[500];         // the current module file; empty after a failed load
extern char module_name[500];         // its file name without ".sv"
extern char module_data_dir[500];     // the directory of its work and side files, final "/"
extern char module_work_file[500];    // work file of the current module; View I/O goes here
extern int backdrop_resolution;       // items `reshape`
extern int keep_motion;               // the next View load keeps the flight state
extern int skip_flight_on_save;       // the next View save skips flight state and dplot keys
extern int mouse_control_off;         // 1 = mouse moves do not steer
extern char backdrop_path[500];       // the module's backdrop image (items `shell0`)

// The module library as the control window lists it, and the cycle order over it.
extern std::vector<std::string> module_files; // file names with ".sv", library order
// Per entry of module_files: 1 when it is in the user's own library, not the install's.
extern std::vector<char> module_is_users;
extern std::vector<int> next_module;     // next module included in cycling, or -1
extern std::vector<int> shuffled_module; // a permutation of the included modules, or -1
extern int first_included_module;
extern int selected_module; // index selected in the file-name list

// The View shown and the caption of control 1017.
extern int current_view_index;   // 0..7, -1 before the first
extern char selected_section[8]; // "2000" .. "2007"
extern char status_text[32];

// Recording and playback: 0 idle, 1 playing back, 2 recording.
enum RecordingState { RECORDING_IDLE = 0, RECORDING_PLAYBACK = 1, RECORDING_ACTIVE = 2 };
extern int recording_state;

// Two words per frame. Samples start at even positions up to RECORDING_LAST_POSITION; the
// spare words behind them are what a module save writes after the last sample.
constexpr int RECORDING_WORDS = 64064;
constexpr int RECORDING_LAST_POSITION = 64000;
extern int16_t recording_buffer[RECORDING_WORDS];
extern int recording_position; // word index of the next sample, always even
extern int recording_loop;     // the next recorded sample carries the loop bit
extern int recording_end;      // the next recorded sample carries the end bit
// Taken up by the next played sample, which then switches to recording.
enum InsertRequest { INSERT_NONE = 0, INSERT_RECORDING = 1, INSERT_END = 2, INSERT_LOOP = 3 };
extern int insert_request;
extern int recorded_length; // words a module save writes (plus two)
