#include "platform/hosted/end_signals.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t received;

extern "C" void on_end_signal(int) {
    received = 1;
}

} // namespace

void install_end_signals() {
    struct sigaction action {};
    action.sa_handler = on_end_signal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool end_signal_received() {
    return received != 0;
}
