// The switch the screen-saver host passes selects the run mode.
#pragma once

// Interactive for an empty line; otherwise only the second character counts: s/S screen
// saver, c/C interactive, a/A password change; anything else is refused.
int run_mode_from_command_line(const char* command_line);
