// Trees of many files up and down over TLS to real servers that refuse a data connection
// which does not resume the control connection's TLS session: vsftpd (require_ssl_reuse,
// its default) and proftpd with mod_tls (its default). Under TLS 1.3 a session ticket
// serves once and arrives after the handshake, on the control connection and on every
// data connection, an upload's included (which reads nothing); each file must still go
// on the first try, over connections that stay logged in.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/main_outlets.h"
#include "engine/session_worker.h"
#include "engine/trusted_certificates.h"
#include "tests/support/proftpd_fixture.h"
#include "tests/support/requests.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"
#include "tests/support/tls_certificate.h"
#include "tests/support/vsftpd_fixture.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::waitFor;

constexpr int kFiles = 200;

enum class Peer { Vsftpd, Proftpd, ProftpdTls12 };

std::string peerName(const ::testing::TestParamInfo<Peer>& info) {
    switch (info.param) {
        case Peer::Vsftpd:
            return "Vsftpd";
        case Peer::Proftpd:
            return "Proftpd";
        case Peer::ProftpdTls12:
            return "ProftpdTls12";
    }
    return {};
}

// Contents that differ from file to file and in size, so that one file's bytes under
// another's name, or a file cut short, show.
std::string contentOf(int i) {
    std::string text(static_cast<size_t>(1000 + (i * 37) % 9000), '\0');
    for (size_t k = 0; k < text.size(); ++k)
        text[k] = static_cast<char>((k * 13 + static_cast<size_t>(i) * 101) % 251);
    return text;
}

// The log's lines holding part.
std::vector<std::string> linesWith(const std::vector<std::string>& lines, const std::string& part) {
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.find(part) != std::string::npos)
            found.push_back(line);
    }
    return found;
}

class TlsTreeTest : public ::testing::TestWithParam<Peer> {
  protected:
    void SetUp() override {
        pem = test::makeSelfSignedPem(temp.path(), &print);
        ASSERT_FALSE(pem.empty());
        if (GetParam() == Peer::Vsftpd) {
            vsftpd = std::make_unique<test::VsftpdServer>(test::VsftpdServer::Tls::Explicit, pem);
            ASSERT_TRUE(vsftpd->running()) << vsftpd->startError();
            port = vsftpd->port();
            url = "ftpes://127.0.0.1:" + std::to_string(port);
            root = vsftpd->root();
        } else {
            test::ProftpdServer::Options options;
            options.pem = pem;
            options.protocols = GetParam() == Peer::Proftpd ? "TLSv1.3" : "TLSv1.2";
            proftpd = std::make_unique<test::ProftpdServer>(options);
            ASSERT_TRUE(proftpd->running()) << proftpd->startError();
            port = proftpd->port();
            url = proftpd->url("ftpes");
            root = proftpd->root();
        }
        const std::string data = temp.path() + "/data/";
        fs::create_directories(data);
        h.config.SetString("AppData", data);
        TrustedCertificates store;
        ASSERT_TRUE(store.load(data + TrustedCertificates::kFileName));
        ASSERT_TRUE(store.add("127.0.0.1", port, print));
        // 200 files over a folder and two below it.
        tree = temp.path() + "/tree";
        fs::create_directories(tree + "/sub/deeper");
        for (int i = 0; i < kFiles; ++i) {
            const std::string folder =
                i % 3 == 0 ? tree : (i % 3 == 1 ? tree + "/sub" : tree + "/sub/deeper");
            char name[32];
            std::snprintf(name, sizeof name, "/f%03d.dat", i);
            test::writeFile(folder + name, contentOf(i));
        }
        down = temp.path() + "/down";
        fs::create_directories(down);
    }
    void TearDown() override {
        if (worker) {
            session->setQuitWhenDone(true);
            worker->join();
        }
    }
    void connect() {
        worker = std::make_unique<SessionWorker>(h.makeSession(url));
        session = worker->session();
        worker->start();
        ASSERT_TRUE(
            waitFor([&] { return session->completedRequests() >= 1 || worker->finished(); }));
        ASSERT_FALSE(worker->finished()) << h.logText();
    }
    void run(SessionRequest request) {
        ASSERT_TRUE(session->enqueue(std::move(request)));
        ASSERT_TRUE(waitFor([&] { return session->idle(); }, 240000)) << h.logText();
    }

    test::TempFolder temp{"nubo-tls-tree"};
    std::string pem, print, url, root, tree, down;
    unsigned port = 0;
    std::unique_ptr<test::VsftpdServer> vsftpd;
    std::unique_ptr<test::ProftpdServer> proftpd;
    test::SessionHarness h;
    std::unique_ptr<SessionWorker> worker;
    FtpSession* session = nullptr;
};

TEST_P(TlsTreeTest, EveryFileGoesUpAndComesBackOnTheFirstTryResumingTheSession) {
    h.simultaneousTransfers = 2;
    connect();
    const std::string version = GetParam() == Peer::ProftpdTls12 ? "TLS 1.2" : "TLS 1.3";
    ASSERT_FALSE(linesWith(h.log.Lines(), "... " + version + " (").empty()) << h.logText();
    run(ChangeDirectoryRequest{"incoming", {}});
    int files = 0;
    run(test::pathPut(tree));
    EXPECT_EQ(test::filesDiffering(tree, root + "/incoming/tree", &files),
              std::vector<std::string>{})
        << h.logText();
    EXPECT_EQ(files, kFiles);
    run(test::namedGet(down, "tree"));
    EXPECT_EQ(test::filesDiffering(tree, down + "/tree", &files), std::vector<std::string>{})
        << h.logText();
    EXPECT_EQ(files, kFiles);

    const std::vector<std::string> lines = h.log.Lines();
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kSent | exitbit::kReceived) << h.logText();
    // No data connection refused for want of resumption, none tried again.
    EXPECT_TRUE(linesWith(lines, ">522 ").empty()) << h.logText();
    EXPECT_TRUE(linesWith(lines, ">425 ").empty()) << h.logText();
    EXPECT_EQ(linesWith(lines, "<STOR ").size(), static_cast<size_t>(kFiles)) << h.logText();
    EXPECT_TRUE(linesWith(lines, "<APPE ").empty()) << h.logText();
    EXPECT_EQ(linesWith(lines, "<RETR ").size(), static_cast<size_t>(kFiles)) << h.logText();
    // Each connection logged in once: the session's own and the batch's second, once
    // for each batch.
    EXPECT_LE(linesWith(lines, "<PASS ").size(), 3u) << h.logText();
    if (proftpd != nullptr) {
        const std::string log = proftpd->tlsLog();
        EXPECT_EQ(log.find("did not reuse"), std::string::npos) << log;
        EXPECT_GE(test::countOf(log, "client reused TLS session for data connection"),
                  static_cast<size_t>(2 * kFiles))
            << log;
    }
}

INSTANTIATE_TEST_SUITE_P(Servers, TlsTreeTest,
                         ::testing::Values(Peer::Vsftpd, Peer::Proftpd, Peer::ProftpdTls12),
                         peerName);

}  // namespace
}  // namespace nubo
