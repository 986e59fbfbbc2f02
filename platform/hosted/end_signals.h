// The signals a host ends its saver with. The handler only raises a flag; the loop ends the
// program between frames, so no file write is ever cut short.
#pragma once

void install_end_signals(); // SIGTERM and SIGINT
bool end_signal_received();
