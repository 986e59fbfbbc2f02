// The command line of a screen-saver host: -root (the window in XSCREENSAVER_WINDOW, or the
// root window), -window-id ID, -fps. Either spelling, one dash or two.
#pragma once

#include <string>

struct HostedRequest {
    bool hosted = false;      // the host hands us a window: -root or -window-id was given
    unsigned long window = 0; // HOST_ROOT_WINDOW for the root window
    bool show_frame_rate = false;
    std::string error; // non-empty: the window id is unusable; the run must not start
};

// `environment_window` is the value of XSCREENSAVER_WINDOW, or null when it is not set.
// Arguments a host may add beyond these are ignored.
HostedRequest hosted_request(int argc, const char* const* argv, const char* environment_window);

// A window id as hosts write it: decimal or 0x-hexadecimal, non-zero, nothing else.
bool parse_window_id(const char* text, unsigned long* id);
