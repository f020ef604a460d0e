// The session's request queue and worker loop: abort, quit, lost connections.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "engine/transfer_job.h"
#include "tests/support/requests.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::readFile;
using test::waitFor;
using test::writeFile;

using test::ScriptedFtpServer;
using test::SessionHarness;
using Lines = std::vector<std::string>;

// A download the way the queue sees one: RETR over a data connection, read until the
// server closes it or an abort is asked for, then the final reply.
struct ReceivingHandler {
    std::atomic<bool>* receiving;
    std::atomic<int>* result;
    int operator()(FtpSession& s, SessionRequest& r) const {
        int rc = s.openDataConnection("RETR " + std::get<GetRequest>(r).names.at(0));
        if (rc != FtpSession::kDataOpen) {
            return rc == FtpSession::kDataControlLost ? 421 : 599;
        }
        s.setTransferActive(true);
        s.dataSocket().setBufferSize(16384);
        while (s.dataSocket().readBlock() > 0) {
            *receiving = true;
        }
        s.dataSocket().close();
        s.setTransferActive(false);
        int code = s.control().readReply();
        *result = code;
        return code;
    }
};

class SessionQueueTest : public ::testing::Test {
  protected:
    void login() { server.expectLogin(); }
    std::string url() { return "ftp://127.0.0.1:" + std::to_string(server.port()); }
    void startWorker() {
        server.start();
        worker = std::make_unique<SessionWorker>(h.makeSession(url()));
        session = worker->session();
        // These tests are about the queue: the start directory is not entered.
        session->setRequestHandler(RequestKind::ChangeDirectory,
                                   [](FtpSession&, SessionRequest&) { return 0; });
    }
    void finish() {
        worker->join();
        EXPECT_TRUE(server.waitDone());
        EXPECT_EQ(server.failures(), Lines{});
    }

    SessionHarness h;
    ScriptedFtpServer server;
    std::unique_ptr<SessionWorker> worker;
    FtpSession* session = nullptr;
};

TEST_F(SessionQueueTest, AbortDuringRetrWithThreeQueuedFlushesAndWaitsAgain) {
    login();
    server.expectPasv()
        .expect("RETR big")
        .reply("150 Opening BINARY mode data connection")
        .startData(std::string(100000, 'x'))
        .expect("ABOR")
        .endData()
        .reply("426 Connection closed; transfer aborted.")
        .reply("226 ABOR successful.")
        .expect("QUIT")
        .expectClose();
    std::atomic<bool> receiving{false};
    std::atomic<int> result{-1};
    startWorker();
    session->setRequestHandler(RequestKind::Get, ReceivingHandler{&receiving, &result});
    worker->start();
    ASSERT_TRUE(waitFor([&] { return !h.observer.events().empty(); }));  // logged in

    ASSERT_TRUE(session->enqueue(test::namedGet("", "big")));
    ASSERT_TRUE(waitFor([&] { return receiving.load(); }));
    for (const char* name : {"a", "b", "c"}) {
        ASSERT_TRUE(session->enqueue(test::namedGet("", name)));
    }
    EXPECT_EQ(session->queuedCount(), 3u);
    session->abort();
    session->abort();  // a second abort sends nothing more
    EXPECT_EQ(session->queuedCount(), 0u);
    EXPECT_TRUE(h.logHas("Transfer terminated, queue flushed")) << h.logText();
    Lines statuses = h.outlets.statuses();
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Transfer terminated, queue flushed"),
              statuses.end());

    ASSERT_TRUE(waitFor([&] { return result != -1; }));
    EXPECT_EQ(result, 226);
    EXPECT_FALSE(worker->finished());  // waiting for the next request

    session->setQuitWhenDone(true);
    finish();
    EXPECT_EQ(worker->exitCode(), 1);
    EXPECT_EQ(h.outlets.closeRequests(), 1);
    Lines transcript = server.transcript();
    EXPECT_EQ(std::count(transcript.begin(), transcript.end(), "ABOR"), 1);
    EXPECT_EQ(std::count(transcript.begin(), transcript.end(), "RETR a"), 0);
    EXPECT_TRUE(h.logHas(">426 Connection closed; transfer aborted."));
    EXPECT_EQ(h.observer.events().back(), "ended");
    EXPECT_EQ(h.remoteView.session(), nullptr);
}

TEST_F(SessionQueueTest, LogoffWithExitCodeOneSendsQuitAndClosesTheWindow) {
    login();
    server.expect("QUIT").expectClose();
    startWorker();
    worker->start();
    ASSERT_TRUE(session->enqueue(LogoffRequest{1}));
    finish();
    EXPECT_EQ(worker->exitCode(), 1);
    EXPECT_EQ(h.outlets.closeRequests(), 1);
}

TEST_F(SessionQueueTest, Reply421EndsWithoutQuitAndRunsNothingBehind) {
    login();
    server.expect("CDUP").reply("421 Timeout.").expectClose();
    startWorker();
    session->setRequestHandler(RequestKind::ChangeDirectoryUp, [](FtpSession& s, SessionRequest&) {
        s.control().sendCommand("CDUP");
        return s.control().readReply();
    });
    ASSERT_TRUE(session->enqueue(ChangeDirectoryUpRequest{}));
    ASSERT_TRUE(session->enqueue(ChangeDirectoryUpRequest{}));
    worker->start();
    finish();
    EXPECT_EQ(server.transcript(),
              (Lines{"USER anonymous", "PASS tester@example.org", "FEAT", "SYST", "CDUP"}));
    EXPECT_EQ(worker->exitCode(), 0);
    EXPECT_EQ(h.outlets.closeRequests(), 0);
    EXPECT_EQ(h.observer.events().back(), "ended");
}

TEST_F(SessionQueueTest, StrayRepliesAreDiscardedBeforeTheNextRequest) {
    login();
    server.reply("226 late completion").delay(100).expect("QUIT").expectClose();
    startWorker();
    worker->start();
    ASSERT_TRUE(waitFor([&] { return !h.observer.events().empty(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the stray reply arrives
    session->enqueue(LogoffRequest{0});
    finish();
    EXPECT_TRUE(h.logHas("... (discarding extraneous response)"));
    EXPECT_EQ(worker->exitCode(), 0);
    EXPECT_EQ(h.outlets.closeRequests(), 0);
}

TEST_F(SessionQueueTest, CancelledDuringLoginLogsOffWithExitCodeZero) {
    server.reply("220 hi")
        .expect("USER anonymous")
        .reply("331 pw")
        .expect("PASS *")
        .reply("230 in")
        .expectFeatRefused()
        .expect("SYST")
        .run([this] { h.cancel = true; })
        .reply("215 UNIX")
        .expect("QUIT")
        .expectClose();
    startWorker();
    worker->start();
    finish();
    EXPECT_TRUE(h.logHas("... login aborted"));
    EXPECT_EQ(worker->exitCode(), 0);
    EXPECT_EQ(h.outlets.exitBits(), 0u);
}

TEST(SessionQueueRulesTest, QuitWhenDoneQueuesOneLogoffAndCanBeWithdrawn) {
    SessionHarness h;
    FtpSession session(FtpUrl("127.0.0.1", SessionHarness::urlDefaults()), h.context());
    session.setQuitWhenDone(true);
    session.setQuitWhenDone(true);
    EXPECT_EQ(session.queuedCount(), 1u);
    EXPECT_FALSE(session.enqueue(test::pathPut("/tmp/x")));
    EXPECT_EQ(session.queuedCount(), 1u);
    session.setQuitWhenDone(false);
    EXPECT_EQ(session.queuedCount(), 0u);
    EXPECT_TRUE(session.enqueue(test::pathPut("/tmp/x")));
    // A Logoff with exit code 0 does not block later requests.
    EXPECT_TRUE(session.enqueue(LogoffRequest{0}));
    EXPECT_TRUE(session.enqueue(ChangeDirectoryUpRequest{}));
    EXPECT_EQ(session.queuedCount(), 3u);
}

TEST(SessionQueueRulesTest, PoolHoldsSixtyFourRequests) {
    SessionHarness h;
    FtpSession session(FtpUrl("127.0.0.1", SessionHarness::urlDefaults()), h.context());
    for (int i = 0; i < FtpSession::kPoolSize; ++i) {
        ASSERT_TRUE(session.enqueue(ChangeDirectoryUpRequest{})) << i;
    }
    EXPECT_FALSE(session.enqueue(ChangeDirectoryUpRequest{}));
    session.abort();
    EXPECT_EQ(session.queuedCount(), 0u);
    EXPECT_EQ(h.log.Lines(), Lines{"Queue flushed"});
    EXPECT_TRUE(session.enqueue(ChangeDirectoryUpRequest{}));
}

TEST(SessionQueueRulesTest, AbortWithNothingToDoSaysNothing) {
    SessionHarness h;
    FtpSession session(FtpUrl("127.0.0.1", SessionHarness::urlDefaults()), h.context());
    session.abort();
    EXPECT_EQ(h.log.LineCount(), 0u);
    EXPECT_TRUE(h.outlets.statuses().empty());
}

TEST(SessionQueueRulesTest, ConstructionReadsSettingsAndPerHostWord) {
    SessionHarness h;
    h.config.SetInt("Passive", 0);
    h.config.SetInt("CLOnly", 1);
    h.config.SetInt("ProxyType", 1);
    h.config.SetString("Proxy", "proxy.example");
    {
        FtpSession session(FtpUrl("host", SessionHarness::urlDefaults()), h.context());
        EXPECT_FALSE(session.passive());
        // Command-line runs keep restart records: they resume what a lost connection broke.
        EXPECT_TRUE(session.restartEnabled());
        EXPECT_EQ(session.proxyType(), ProxyType::FtpProxy);
        EXPECT_EQ(session.hostZoneAdjustment(), 0);
        h.config.SetInt("Passive", 1);
        session.settingChanged("Passive");
        EXPECT_TRUE(session.passive());
        session.settingChanged("Restart");
        EXPECT_TRUE(session.restartEnabled());
    }
    SessionContext context = h.context();
    // Locale 1031, bypass the proxy, zone code 64 + 8 (GMT+2).
    context.perHostSettings = 1031u | (1u << 18) | (72u << 19);
    FtpSession session(FtpUrl("host", SessionHarness::urlDefaults()), context);
    EXPECT_EQ(session.proxyType(), ProxyType::None);
    EXPECT_EQ(session.listingLocale(), 1031);
    EXPECT_EQ(session.hostZoneAdjustment(), -7200);
    time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(session.localZoneBias(), -local.tm_gmtoff);
}

TEST(SessionQueueRulesTest, CountTransferSetsTheDirectionsBits) {
    SessionHarness h;
    FtpSession session(FtpUrl("host", SessionHarness::urlDefaults()), h.context());
    EXPECT_EQ(session.countTransfer(226, true).code, 226);
    EXPECT_EQ(h.outlets.exitBits(), 1u);
    const TransferOutcome stop = session.countBatchStop(550, true);
    EXPECT_TRUE(stop.code == 550 && stop.stopsBatch);
    EXPECT_EQ(h.outlets.exitBits(), 1u | 16u);
    session.countBatchStop(226, false);
    EXPECT_EQ(h.outlets.exitBits(), 1u | 16u | 2u);
    session.countTransfer(599, false);
    EXPECT_EQ(h.outlets.exitBits(), 1u | 16u | 2u | 32u);
}

TEST(SessionQueueRulesTest, ProgressIsReportedAtMostOncePerThousandBytes) {
    SessionHarness h;
    FtpSession session(FtpUrl("host", SessionHarness::urlDefaults()), h.context());
    TransferJob job(session);
    job.reportTransferStart(5000);
    for (int64_t bytes : {100, 999, 1000, 1500, 1999, 2000, 4999, 5000}) {
        job.reportTransferProgress(bytes);
    }
    job.logTransferTime("received", 5000, 0);
    Lines events = h.observer.events();
    EXPECT_EQ(events,
              (Lines{"start 5000", "progress 1000", "progress 2000", "progress 4999", "end 5000"}));
}

}  // namespace
}  // namespace nubo
