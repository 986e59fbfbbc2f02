// The program entry: run mode, single instance, settings, tables, the window and the loop.
#pragma once

// Returns the exit code: the quit message's parameter, or 0 on any early end.
int program_entry(int argc, char** argv);
