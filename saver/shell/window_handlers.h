// The message handlers of the starfield window, one job each.
#pragma once

#include "platform/win.h"

void on_create(Hwnd hwnd);
void on_user(Hwnd hwnd);
void on_start_timer(Hwnd hwnd);
void on_focus_timer(Hwnd hwnd);
void on_paint(Hwnd hwnd);
void on_close(Hwnd hwnd);
void leave_program(Hwnd hwnd);       // command 40009
void load_module_command(Hwnd hwnd); // command 40066
void save_module_command(Hwnd hwnd); // command 40010
void on_view_command(int id);        // commands 40122 .. 40130
void show_status_text();             // command 40131
void on_key(Hwnd hwnd, unsigned key);
void on_mouse(unsigned message, Lparam lparam);
// Keys, buttons and the tenth mouse move end a running screen saver.
void end_screen_saver(Hwnd hwnd, bool escape);
void turn_into_interactive(Hwnd hwnd); // command 40136
void toggle_full_screen(Hwnd hwnd);    // command 40133
void import_command(Hwnd hwnd);        // command 40134
