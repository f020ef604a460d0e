// The speed limits on real transfers against pyftpdlib, with and without TLS and over a
// pool's connections. What is checked is what the limit does, never how fast the
// machine is: every byte that went was granted by the session's bucket, no block was
// larger than a full bucket, progress came in those small steps, and a Stop or a limit
// switched off takes effect on a transfer that would otherwise take many minutes.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "engine/speed_limiter.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/requests.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"
#include "tests/support/tls_certificate.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::waitFor;
using test::writeFile;

// Bytes that differ everywhere, so that a block written twice or skipped shows.
std::string noise(size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    uint32_t x = seed * 2654435761u + 1;
    for (char& c : bytes) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    return bytes;
}

// The byte counts of the observer's progress reports, in order.
std::vector<int64_t> progressSteps(const test::RecordingObserver& observer) {
    std::vector<int64_t> bytes;
    for (const std::string& event : observer.events()) {
        if (event.rfind("progress ", 0) == 0)
            bytes.push_back(std::stoll(event.substr(9)));
    }
    return bytes;
}

class SpeedLimitTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (worker) {
            if (!worker->finished())
                session->setQuitWhenDone(true);
            worker->join();
        }
    }
    // The server, over explicit TLS with a certificate trusted for the run when asked.
    void serve(bool tls) {
        std::vector<std::string> args;
        if (tls) {
            std::string print;
            const std::string pem = test::makeSelfSignedPem(temp.path(), &print);
            ASSERT_FALSE(pem.empty());
            trusted.push_back(print);
            args = {"--tls-cert", pem};
        }
        server = std::make_unique<test::PyFtpdServer>(args);
        ASSERT_TRUE(server->running()) << server->startError();
        scheme = tls ? "ftpes" : "ftp";
        local = temp.path() + "/local";
        fs::create_directories(local);
    }
    // A logged-in session (it lists the root) whose limits are the test's, at the
    // settings' rates.
    void login(int downloadKb, int uploadKb) {
        std::string url = server->url("", true);
        url.replace(0, 3, scheme);
        h.config.SetInt("DownloadLimit", downloadKb);
        h.config.SetInt("UploadLimit", uploadKb);
        SessionContext context = h.context();
        context.downloadLimit = &downloads;
        context.uploadLimit = &uploads;
        context.trustedOnce = &trusted;
        worker = std::make_unique<SessionWorker>(std::make_unique<FtpSession>(
            FtpUrl(url + "/", test::SessionHarness::urlDefaults()), context));
        session = worker->session();
        worker->start();
        ASSERT_TRUE(waitFor([&] { return session->completedRequests() >= 1; }, 20000))
            << h.logText();
    }
    void run(SessionRequest request) {
        ASSERT_TRUE(session->enqueue(std::move(request)));
        ASSERT_TRUE(waitFor([&] { return session->idle(); }, 60000)) << h.logText();
    }
    // Every byte moved was granted and none returned twice; no grant beyond a full
    // bucket, and so at least as many grants as full buckets in the bytes.
    static void expectGrantsCover(const SpeedLimiter& limit, int64_t bytes) {
        const SpeedLimiter::Counters counters = limit.counters();
        EXPECT_EQ(counters.granted - counters.returned, bytes);
        EXPECT_LE(counters.largestGrant, limit.burstBytes());
        EXPECT_GE(counters.grants, bytes / limit.burstBytes());
    }
    // Progress came in steps no larger than a full bucket, from start to end.
    void expectSmoothProgress(int64_t size, int64_t burst) {
        const std::vector<int64_t> steps = progressSteps(h.observer);
        ASSERT_FALSE(steps.empty());
        EXPECT_GT(steps.back(), size - 1000);  // reports are a kilobyte apart at least
        EXPECT_GE(static_cast<int64_t>(steps.size()), size / burst);
        int64_t before = 0;
        for (int64_t bytes : steps) {
            EXPECT_LE(bytes - before, burst);
            before = bytes;
        }
    }

    test::TempFolder temp{"nubo-speed-limit"};
    std::unique_ptr<test::PyFtpdServer> server;
    test::SessionHarness h;
    std::vector<std::string> trusted;
    SpeedLimiter downloads;
    SpeedLimiter uploads;
    std::unique_ptr<SessionWorker> worker;
    FtpSession* session = nullptr;
    std::string scheme, local;
};

class BothChannels : public SpeedLimitTest, public ::testing::WithParamInterface<bool> {};

TEST_P(BothChannels, ALimitedDownloadAndUploadArriveWholeInStepsOfTheBucket) {
    serve(GetParam());
    const size_t size = 1'500'000;
    writeFile(server->root() + "/down.bin", noise(size, 1));
    login(1024, 2048);
    ASSERT_EQ(downloads.rate(), 1024 * 1024);
    ASSERT_EQ(uploads.rate(), 2048 * 1024);
    run(test::namedGet(local, "down.bin"));
    EXPECT_TRUE(readFile(local + "/down.bin") == noise(size, 1)) << h.logText();
    expectGrantsCover(downloads, size);
    expectSmoothProgress(size, downloads.burstBytes());
    EXPECT_NE(h.logText().find("... received 1500000 bytes in "), std::string::npos) << h.logText();
    EXPECT_EQ(uploads.counters().grants, 0);  // the other direction has a bucket of its own

    writeFile(local + "/up.bin", noise(2 * size, 2));
    run(test::pathPut(local + "/up.bin"));
    EXPECT_TRUE(readFile(server->root() + "/up.bin") == noise(2 * size, 2)) << h.logText();
    expectGrantsCover(uploads, 2 * size);
    EXPECT_EQ(uploads.counters().returned, 0);  // a block sent is sent whole
    EXPECT_NE(h.logText().find("... sent 3000000 bytes in "), std::string::npos) << h.logText();
}

INSTANTIATE_TEST_SUITE_P(SpeedLimit, BothChannels, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Tls" : "Clear"; });

TEST_F(SpeedLimitTest, ThePoolsConnectionsTakeFromTheSessionsOneBucket) {
    h.simultaneousTransfers = 3;
    serve(false);
    const std::string tree = server->root() + "/tree";
    fs::create_directories(tree);
    int64_t total = 0;
    for (int i = 0; i < 6; ++i) {
        const size_t size = 200'000 + static_cast<size_t>(i) * 1000;
        writeFile(tree + "/f" + std::to_string(i) + ".bin", noise(size, 10 + i));
        total += static_cast<int64_t>(size);
    }
    login(2048, 2048);
    run(test::namedGet(local, "tree"));
    EXPECT_GE(test::countOf(h.logText(), " for the batch"), 1u) << h.logText();
    for (int i = 0; i < 6; ++i) {
        const std::string name = "/f" + std::to_string(i) + ".bin";
        EXPECT_TRUE(readFile(local + "/tree" + name) == readFile(tree + name)) << name;
    }
    expectGrantsCover(downloads, total);

    fs::rename(local + "/tree", local + "/back");
    run(test::pathPut(local + "/back"));
    for (int i = 0; i < 6; ++i) {
        const std::string name = "/f" + std::to_string(i) + ".bin";
        EXPECT_TRUE(readFile(server->root() + "/back" + name) == readFile(tree + name)) << name;
    }
    expectGrantsCover(uploads, total);
}

TEST_F(SpeedLimitTest, AStopEndsALimitedDownloadWithoutWaitingOutTheBucket) {
    serve(false);
    writeFile(server->root() + "/slow.bin", noise(1 << 20, 3));
    login(4, 0);  // a megabyte at 4 KB/s: over four minutes
    ASSERT_TRUE(session->enqueue(test::namedGet(local, "slow.bin")));
    ASSERT_TRUE(waitFor([&] { return progressSteps(h.observer).size() >= 2; })) << h.logText();
    session->abort();
    ASSERT_TRUE(waitFor([&] { return session->idle(); })) << h.logText();
    EXPECT_LT(downloads.counters().granted, 1 << 19);
    EXPECT_FALSE(fs::exists(local + "/slow.bin"));
}

TEST_F(SpeedLimitTest, ALimitSwitchedOffLetsTheRunningTransferGoAtOnce) {
    serve(false);
    writeFile(server->root() + "/slow.bin", noise(4 << 20, 4));
    login(4, 4);
    ASSERT_TRUE(session->enqueue(test::namedGet(local, "slow.bin")));
    ASSERT_TRUE(waitFor([&] { return progressSteps(h.observer).size() >= 2; })) << h.logText();
    // As the Options page stores it: the session hears of the change.
    h.config.SetInt("DownloadLimit", 0);
    session->settingChanged("DownloadLimit");
    EXPECT_EQ(downloads.rate(), 0);
    EXPECT_EQ(uploads.rate(), 4 * 1024);
    ASSERT_TRUE(waitFor([&] { return session->idle(); })) << h.logText();
    EXPECT_TRUE(readFile(local + "/slow.bin") == noise(4 << 20, 4)) << h.logText();
    // What went while the limit held was granted in small steps; the rest was not counted.
    EXPECT_LE(downloads.counters().largestGrant, 409);
    EXPECT_LT(downloads.counters().granted, 1 << 20);
}

}  // namespace
}  // namespace nubo
