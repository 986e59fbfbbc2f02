// The setup program's start and message loop.
#pragma once

// Registers the window class, makes the hidden owner window and, on its creation, the setup
// dialog. False when the dialog ended at once (nothing to remove, no directory).
bool setup_start();
// Runs the messages until the setup ends; the exit code (0, or 1 after a failure).
int setup_run();
// Both.
int setup_entry();
