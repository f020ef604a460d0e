#include "platform/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <csignal>

namespace nubo {

namespace {

std::atomic<bool> arrived{false};
int pipeEnds[2] = {-1, -1};

void onSignal(int) {
    arrived = true;
    const char byte = 1;
    if (pipeEnds[1] >= 0) {
        [[maybe_unused]] ssize_t ignored = ::write(pipeEnds[1], &byte, 1);
    }
}

}  // namespace

void TerminationSignals::install() {
    if (pipeEnds[0] >= 0 || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

bool TerminationSignals::requested() {
    return arrived;
}

int TerminationSignals::readFd() {
    return pipeEnds[0];
}

}  // namespace nubo
