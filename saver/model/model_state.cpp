#include "saver/model/model_state.h"

int load_module_from_settings = 1;
Hwnd control_window;
char module_path[500];
char module_name[500];
char module_data_dir[500];
char module_work_file[500];
int backdrop_resolution = 60;
int keep_motion;
int skip_flight_on_save;
int mouse_control_off;
char backdrop_path[500];

std::vector<std::string> module_files;
std::vector<char> module_is_users;
std::vector<int> next_module;
std::vector<int> shuffled_module;
int first_included_module;
int selected_module;

int current_view_index = -1;
char selected_section[8];
char status_text[32];

int recording_state;
int16_t recording_buffer[RECORDING_WORDS];
int recording_position;
int recording_loop;
int recording_end;
int insert_request;
int recorded_length;
