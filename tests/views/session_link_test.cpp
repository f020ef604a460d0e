// The windows' way to a session: null-safe without one, and with one each call reaches
// the session it names (the remote view's connected one).
#include "views/session_link.h"

#include <gtest/gtest.h>

#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

constexpr const char* kListing = "-rw-r--r-- 1 user group 5 Jan 01 2020 a.txt\r\n";

TEST(SessionLinkTest, WithoutASessionNothingIsQueuedAndNothingCounted) {
    const SessionLink link([]() -> FtpSession* { return nullptr; });
    EXPECT_FALSE(link.connected());
    EXPECT_FALSE(link.changeDirectory("/pub"));
    EXPECT_FALSE(link.listToFile("/", "/tmp/listing.txt"));
    link.toggleRawLog();
    link.setQuitWhenDone(true);
    EXPECT_FALSE(link.quitWhenDone());
    const SessionLink::Traffic traffic = link.takeTraffic();
    EXPECT_EQ(
        traffic.dataReceived + traffic.dataSent + traffic.controlReceived + traffic.controlSent, 0);
    EXPECT_EQ(link.id(), 0u);
}

TEST(SessionLinkTest, TheRemoteViewsLinkReachesItsConnectedSession) {
    test::SessionHarness h;
    test::ScriptedFtpServer server;
    server.expectLogin()
        .expect("PWD")
        .reply("257 \"/\" is the current directory")
        .expectListing(kListing)
        .expect("CWD sub")
        .reply("550 No such directory.")
        .expect("QUIT")
        .reply("221 bye");
    server.start();
    const SessionLink& link = h.remoteView.link();
    EXPECT_FALSE(link.connected());
    SessionWorker worker(
        std::make_unique<FtpSession>(FtpUrl("ftp://127.0.0.1:" + std::to_string(server.port()),
                                            test::SessionHarness::urlDefaults()),
                                     h.context()));
    worker.start();
    ASSERT_TRUE(test::waitFor([&] { return worker.session()->completedRequests() >= 1; }))
        << h.logText();
    ASSERT_TRUE(link.connected());
    const uint64_t id = link.id();
    EXPECT_NE(id, 0u);
    EXPECT_EQ(link.id(), id);

    // The listing's bytes are the data connection's; the dialogue is the control's. A
    // sample clears what it took: the graphs must not count a byte twice.
    const SessionLink::Traffic first = link.takeTraffic();
    EXPECT_EQ(first.dataReceived, static_cast<int64_t>(std::string(kListing).size()));
    EXPECT_EQ(first.dataSent, 0);
    EXPECT_GT(first.controlReceived, 0);
    EXPECT_GT(first.controlSent, 0);
    const SessionLink::Traffic second = link.takeTraffic();
    EXPECT_EQ(second.dataReceived + second.controlReceived + second.controlSent, 0);

    EXPECT_TRUE(link.changeDirectory("sub"));
    // "Logoff and Exit" can be taken back while it waits in the queue.
    link.setQuitWhenDone(true);
    EXPECT_TRUE(link.quitWhenDone());
    link.setQuitWhenDone(false);
    EXPECT_FALSE(link.quitWhenDone());
    link.setQuitWhenDone(true);
    worker.join();
    EXPECT_TRUE(server.waitDone(5000));
    EXPECT_TRUE(server.failures().empty()) << server.failures().front() << "\n" << h.logText();
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(link.id(), 0u);
}

}  // namespace
}  // namespace nubo
