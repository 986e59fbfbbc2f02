// The program entry: run mode, single instance, settings, tables, the window and the loop.
#pragma once

// Returns the exit code: the quit message's parameter, or 0 on any early end.
int program_entry(int argc, char** argv);
// The same for a command-line text without the program name.
int run_program(const char* command_line, int show_command);

// Reads the settings, builds the tables and creates the window of the run mode. True when
// the message loop is to run.
bool start_up(int show_command);
// Seeds the random stream, measures the counter and builds the sine and offset tables.
void prepare_clock_and_tables();
// Runs until the quit message; returns its parameter.
int message_loop();
