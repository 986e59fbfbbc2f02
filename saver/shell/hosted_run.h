// The screen-saver run inside a host's window: the module cycle as the screen saver plays it,
// with no window, control window, input, password lock or sound of our own.
#pragma once

#include "saver/shell/hosted_command_line.h"

// Returns the exit code: 0 when the host ends us, 1 (after one line on standard error) when
// its window cannot be drawn into.
int run_hosted(const HostedRequest& request);
