#include "saver/shell/shell_state.h"

int run_mode = RUN_REFUSED;
Hwnd starfield_window;
int screen_save_use_password;

int ready;
int in_frame;
int busy;
int full_screen;
FramedRect saved_rect;
int placed_once;
int cursor_hidden_once;
int open_succeeded;
int first_dialog_done;
int view_key_flag;
int mouse_x, mouse_y;

int exit_in_progress;
int password_dialog_open;
int escape_flag;
int mouse_move_counter;
