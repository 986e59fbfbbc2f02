// The signals a host ends or pauses its saver with. The handlers only raise flags; the loop
// ends the program between frames, so no file write is ever cut short.
#pragma once

void install_end_signals(); // SIGTERM and SIGINT end the run; SIGCONT is noted
bool end_signal_received();
// True once after each SIGCONT: the process was stopped (MATE's and Xfce's screen savers
// stop their saver while their unlock dialog is up) and goes on now.
bool take_continue_signal();
