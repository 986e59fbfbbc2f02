#include "saver/shell/hosted_run.h"
#include "saver/shell/startup.h"

#include <cstdlib>

int main(int argc, char** argv) {
    // A screen-saver host's command line (-root, -window-id) is a way in beside the run modes.
    const HostedRequest hosted = hosted_request(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
    if (hosted.hosted) return run_hosted(hosted);
    return program_entry(argc, argv);
}
