// An idle session says NOOP now and then, between requests only.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

// Login and the listing of "/" (empty), as every session here begins.
test::ScriptedFtpServer& loggedIn(test::ScriptedFtpServer& server) {
    return server.expectLogin()
        .expect("PWD")
        .reply("257 \"/\" is the current directory")
        .expectListing("");
}

TEST(KeepAliveTest, AnIdleSessionSaysNoopAndARequestStillComesInOrder) {
    test::SessionHarness h;
    test::ScriptedFtpServer server;
    loggedIn(server)
        .expect("NOOP")
        .reply("200 NOOP ok.")
        .expect("CWD sub")
        .reply("550 No such directory.")
        .expect("QUIT")
        .reply("221 bye");
    server.start();
    SessionContext context = h.context();
    context.keepAliveMs = 1000;
    SessionWorker worker(
        std::make_unique<FtpSession>(FtpUrl("ftp://127.0.0.1:" + std::to_string(server.port()),
                                            test::SessionHarness::urlDefaults()),
                                     context));
    FtpSession* session = worker.session();
    worker.start();
    const auto saw = [&](const std::string& command) {
        const std::vector<std::string> lines = server.transcript();
        return std::find(lines.begin(), lines.end(), command) != lines.end();
    };
    ASSERT_TRUE(test::waitFor([&] { return saw("NOOP"); }, 10000)) << h.logText();
    // A request after the NOOP runs as usual; the next NOOP would come a second later.
    session->enqueue(ChangeDirectoryRequest{"sub", {}});
    session->setQuitWhenDone(true);
    worker.join();
    EXPECT_TRUE(server.waitDone(5000));
    EXPECT_TRUE(server.failures().empty()) << server.failures().front() << "\n" << h.logText();
    EXPECT_TRUE(h.logHas("<NOOP")) << h.logText();
}

TEST(KeepAliveTest, WithoutAKeepAliveAnIdleSessionSaysNothing) {
    test::SessionHarness h;
    test::ScriptedFtpServer server;
    loggedIn(server).expect("QUIT").reply("221 bye");
    server.start();
    SessionWorker worker(
        std::make_unique<FtpSession>(FtpUrl("ftp://127.0.0.1:" + std::to_string(server.port()),
                                            test::SessionHarness::urlDefaults()),
                                     h.context()));
    worker.start();
    ASSERT_TRUE(test::waitFor([&] { return worker.session()->completedRequests() >= 1; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    worker.session()->setQuitWhenDone(true);
    worker.join();
    EXPECT_TRUE(server.failures().empty()) << server.failures().front();
}

}  // namespace
}  // namespace nubo
