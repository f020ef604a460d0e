// Time to list a directory of 100,000 entries from a real pyftpdlib server into the
// remote directory model (change directory, listing over a data connection, parse,
// add, sort, cache), once with LIST (a server that refuses FEAT) and once with MLSD.
// Prints the seconds and the entries per second of each.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/session_harness.h"

namespace {

// Lists /big of a fresh server; the number of rows, or -1 when the server did not start.
long listOnce(const std::vector<std::string>& serverArgs, int count, double* seconds) {
    nubo::test::PyFtpdServer server(serverArgs);
    if (!server.running()) {
        std::fprintf(stderr, "server: %s\n", server.startError().c_str());
        return -1;
    }
    std::filesystem::create_directories(server.root() + "/big");
    for (int i = 0; i < count; ++i) {
        std::ofstream(server.root() + "/big/file-" + std::to_string(i) + ".dat");
    }
    nubo::test::SessionHarness h;
    h.config.SetInt("Logging", 0);
    nubo::SessionWorker worker(h.makeSession(server.url()));
    nubo::FtpSession* session = worker.session();
    worker.start();
    while (session->completedRequests() < 1)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));

    auto start = std::chrono::steady_clock::now();
    session->enqueue(nubo::ChangeDirectoryRequest{"/big", {}});
    while (session->completedRequests() < 2)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long rows = static_cast<long>(h.remoteView.rows().size());
    session->setQuitWhenDone(true);
    worker.join();
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    int status = 0;
    const std::pair<const char*, std::vector<std::string>> kinds[] = {{"LIST", {"--no-feat"}},
                                                                      {"MLSD", {}}};
    for (const auto& [name, args] : kinds) {
        double seconds = 0;
        const long rows = listOnce(args, count, &seconds);
        if (rows < 0) {
            return 1;
        }
        std::printf("%s: listed %ld entries in %.3f s (%.0f entries/s)\n", name, rows, seconds,
                    static_cast<double>(rows) / seconds);
        status |= rows == count ? 0 : 1;
    }
    return status;
}
