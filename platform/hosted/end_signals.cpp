#include "platform/hosted/end_signals.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t received;
volatile std::sig_atomic_t continued;

extern "C" void on_end_signal(int) {
    received = 1;
}

extern "C" void on_continue_signal(int) {
    continued = 1;
}

} // namespace

void install_end_signals() {
    struct sigaction action {};
    action.sa_handler = on_end_signal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    action.sa_handler = on_continue_signal;
    action.sa_flags = SA_RESTART;
    sigaction(SIGCONT, &action, nullptr);
}

bool end_signal_received() {
    return received != 0;
}

bool take_continue_signal() {
    if (!continued) return false;
    continued = 0;
    return true;
}
