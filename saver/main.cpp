#include "saver/shell/hosted_run.h"
#include "saver/shell/startup.h"
#include "saver/shell/wayland_run.h"

#include <cstdlib>

int main(int argc, char** argv) {
    // A Wayland compositor's idle daemon or locker, and a screen-saver host's command line
    // (-root, -window-id), are ways in beside the run modes.
    const WaylandRun wayland = wayland_run_requested(argc, argv);
    if (wayland != WaylandRun::none) return run_wayland(wayland);
    const HostedRequest hosted = hosted_request(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
    if (hosted.hosted) return run_hosted(hosted);
    return program_entry(argc, argv);
}
