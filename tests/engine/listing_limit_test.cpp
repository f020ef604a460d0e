// A server that never ends its listing: the listing stops at the context's limits, is
// shown as far as it got, and the control connection stays in step for what follows.
#include <gtest/gtest.h>

#include <functional>

#include "engine/ftp_session.h"
#include "engine/main_outlets.h"
#include "engine/session_worker.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::ScriptedFtpServer;
using test::waitFor;

std::string fileLine(const std::string& name) {
    return "-rw-r--r-- 1 u g 5 Jun 21 2020 " + name + "\r\n";
}

class ListingLimitTest : public ::testing::Test {
  protected:
    // Login, PWD, and a listing of "/" that goes on until the client closes it.
    void scriptEndlessListing(const std::string& chunk) {
        server.expectLogin().expect("PWD").reply("257 \"/\" is the current directory");
        server.expectPasv()
            .expect("LIST")
            .reply("150 Here comes the listing.")
            .sendUntilClosed(chunk, size_t{64} << 20)
            .expect("ABOR")
            .reply("426 Connection closed; transfer aborted.")
            .reply("226 ABOR successful.");
    }
    uint32_t runSession(const std::function<void(FtpSession&)>& requests) {
        server.start();
        SessionContext context = h.context();
        context.listingEntryLimit = 1000;
        context.listingByteLimit = 1 << 20;
        SessionWorker worker(
            std::make_unique<FtpSession>(FtpUrl("ftp://127.0.0.1:" + std::to_string(server.port()),
                                                test::SessionHarness::urlDefaults()),
                                         context));
        FtpSession* session = worker.session();
        worker.start();
        EXPECT_TRUE(
            waitFor([&] { return session->completedRequests() >= 1 || worker.finished(); }, 30000));
        if (!worker.finished()) {
            requests(*session);
            session->setQuitWhenDone(true);
        }
        EXPECT_TRUE(waitFor([&] { return worker.finished(); }, 30000)) << h.logText();
        EXPECT_TRUE(server.waitDone(20000));
        EXPECT_TRUE(server.failures().empty()) << server.failures().front() << "\n" << h.logText();
        worker.join();
        return h.outlets.exitBits();
    }
    bool logStarts(const std::string& prefix) const {
        for (const std::string& line : h.log.Lines())
            if (line.rfind(prefix, 0) == 0)
                return true;
        return false;
    }

    ScriptedFtpServer server;
    test::SessionHarness h;
    test::TempFolder temp{"nubo-list"};
};

TEST_F(ListingLimitTest, AnEndlessListingStopsAtTheEntryLimitAndTheSessionGoesOn) {
    std::string chunk;
    for (int i = 0; i < 100; ++i)
        chunk += fileLine("f" + std::to_string(i) + ".txt");
    scriptEndlessListing(chunk);
    server.expect("CWD /next")
        .reply("250 ok")
        .expect("PWD")
        .reply("257 \"/next\" is the current directory")
        .expectPasv()
        .expect("LIST")
        .reply("150 Here comes the listing.")
        .sendData(fileLine("one.txt") + fileLine("two.txt"))
        .reply("226 Listing done.")
        .expect("QUIT")
        .reply("221 bye");
    size_t shownAtLimit = 0;
    size_t shownNext = 0;
    runSession([&](FtpSession& s) {
        shownAtLimit = h.remoteView.rows().size();
        s.enqueue(ChangeDirectoryRequest{"/next", {}});
        EXPECT_TRUE(waitFor([&] { return h.remoteView.currentPath() == "/next" && s.idle(); }))
            << h.logText();
        shownNext = h.remoteView.rows().size();
    });
    EXPECT_EQ(shownAtLimit, 1000u);
    EXPECT_TRUE(logStarts("*** The listing is longer than this program takes")) << h.logText();
    EXPECT_EQ(shownNext, 2u) << h.logText();
}

TEST_F(ListingLimitTest, LinesThatAreNoEntriesStopAtTheByteLimit) {
    // Lines no parser takes: nothing is kept, but the listing must still end.
    scriptEndlessListing(std::string(200, 'x') + "\r\n");
    server.expect("QUIT").reply("221 bye");
    const uint32_t bits = runSession([&](FtpSession& s) {
        s.enqueue(ListToFileRequest{{}, temp.path() + "/l.txt"});
    });
    EXPECT_TRUE(logStarts("*** The listing is longer than this program takes")) << h.logText();
    // A listing into a file that stopped short is a failed download.
    EXPECT_EQ(bits & exitbit::kGetFailed, exitbit::kGetFailed);
    EXPECT_TRUE(h.logHas("*** The listing is incomplete: its data connection failed"))
        << h.logText();
}

}  // namespace
}  // namespace nubo
