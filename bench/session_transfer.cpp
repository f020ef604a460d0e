// Drives one FtpSession transfer for the transfer benchmark, until the command line
// can: "get URL LOCALDIR NAME", "put URL LOCALFILE" or "tree URL LOCALDIR NAME" (a
// recursive download), all in Image mode. Prints the seconds the transfer took and the
// peak resident memory.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "tests/support/requests.h"
#include "tests/support/session_harness.h"

namespace {

long peakKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s get|put|tree URL LOCAL [NAME]\n", argv[0]);
        return 2;
    }
    const std::string mode = argv[1];
    nubo::test::SessionHarness h;
    h.config.SetInt("Logging", 0);
    h.log.SetFlags(false, false, false);
    // As the program runs a batch: the connections its setting gives by default.
    h.simultaneousTransfers = h.config.GetInt("SimultaneousTransfers");
    nubo::SessionWorker worker(h.makeSession(argv[2]));
    nubo::FtpSession* session = worker.session();
    worker.start();
    while (session->completedRequests() < 1 && !worker.finished()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    auto start = std::chrono::steady_clock::now();
    if (mode == "put") {
        session->enqueue(nubo::test::pathPut(argv[3]));
    } else {
        session->enqueue(nubo::test::namedGet(argv[3], argc > 4 ? argv[4] : ""));
    }
    while (!session->idle() && !worker.finished()) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    session->setQuitWhenDone(true);
    worker.join();
    std::printf("%.3f %ld\n", seconds, peakKilobytes());
    return (h.outlets.exitBits() & (nubo::exitbit::kGetFailed | nubo::exitbit::kPutFailed)) ? 1 : 0;
}
