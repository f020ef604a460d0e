// Sessions over IPv6 against pyftpdlib on ::1: login, listing, and transfers through
// EPSV and EPRT.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/requests.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"
#include "tests/support/vsftpd_fixture.h"

namespace nubo {
namespace {

using test::PyFtpdServer;
using test::readFile;
using test::SessionHarness;
using test::waitFor;
using test::writeFile;

class Ipv6Test : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        std::filesystem::create_directories(server.root() + "/pub");
        writeFile(server.root() + "/pub/down.bin", std::string(300000, '\xa5'));
        h.config.SetInt("Passive", GetParam() ? 1 : 0);
    }
    void TearDown() override {
        if (worker) {
            session->setQuitWhenDone(true);
            worker->join();
        }
    }
    void run(SessionRequest request) {
        ASSERT_TRUE(session->enqueue(std::move(request)));
        ASSERT_TRUE(waitFor([&] { return session->idle(); })) << h.logText();
    }

    PyFtpdServer server{{"--ipv6"}};
    SessionHarness h;
    test::TempFolder temp{"nubo-ipv6"};
    std::unique_ptr<SessionWorker> worker;
    FtpSession* session = nullptr;
};

TEST_P(Ipv6Test, LoginListingDownloadAndUpload) {
    const std::string url = server.url("pub", true);
    ASSERT_EQ(url.rfind("ftp://alice:wonderland@[::1]:", 0), 0u) << url;
    worker = std::make_unique<SessionWorker>(h.makeSession(url));
    session = worker->session();
    worker->start();
    ASSERT_TRUE(waitFor([&] { return session->completedRequests() >= 1; })) << h.logText();
    EXPECT_TRUE(h.logHas("Connected to ::1 [::1]:" + std::to_string(server.port()))) << h.logText();
    ASSERT_GE(h.remoteView.findEntryByName("down.bin", false), 0) << h.logText();

    run(test::namedGet(temp.path(), "down.bin"));
    EXPECT_EQ(readFile(temp.path() + "/down.bin"), std::string(300000, '\xa5'));

    writeFile(temp.path() + "/up.txt", "over IPv6\n");
    run(test::pathPut(temp.path() + "/up.txt"));
    EXPECT_EQ(readFile(server.root() + "/pub/up.txt"), "over IPv6\n");
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kSent | exitbit::kReceived);

    // PASV and PORT carry IPv4 only: never sent on an IPv6 connection.
    const std::string log = h.logText();
    EXPECT_EQ(log.find("<PASV"), std::string::npos);
    EXPECT_EQ(log.find("<PORT"), std::string::npos);
    if (GetParam()) {
        EXPECT_NE(log.find("<EPSV"), std::string::npos) << log;
        EXPECT_NE(log.find("Connected to [::1]:"), std::string::npos) << log;
    } else {
        EXPECT_NE(log.find("<EPRT |2|::1|"), std::string::npos) << log;
        EXPECT_NE(log.find("Accepted connection on [::1]:"), std::string::npos) << log;
    }
}

TEST(VsftpdIpv6Test, ListingDownloadAndUploadWithListAndMdtm) {
    test::VsftpdServer server(test::VsftpdServer::Tls::None, {}, true);
    ASSERT_TRUE(server.running()) << server.startError();
    writeFile(server.root() + "/pub.bin", std::string(200000, 'v'));
    SessionHarness h;
    test::TempFolder temp{"nubo-vsftpd6"};
    SessionWorker worker(h.makeSession("ftp://[::1]:" + std::to_string(server.port()) + "/"));
    FtpSession* session = worker.session();
    worker.start();
    ASSERT_TRUE(waitFor([&] { return session->completedRequests() >= 1 || worker.finished(); }));
    ASSERT_FALSE(worker.finished()) << h.logText();
    auto run = [&](SessionRequest request) {
        ASSERT_TRUE(session->enqueue(std::move(request)));
        ASSERT_TRUE(waitFor([&] { return session->idle(); })) << h.logText();
    };
    run(test::namedGet(temp.path(), "pub.bin"));
    EXPECT_EQ(readFile(temp.path() + "/pub.bin"), std::string(200000, 'v'));
    run(ChangeDirectoryRequest{"/incoming", {}});
    writeFile(temp.path() + "/up.txt", "to vsftpd\n");
    run(test::pathPut(temp.path() + "/up.txt"));
    EXPECT_EQ(readFile(server.root() + "/incoming/up.txt"), "to vsftpd\n");
    session->setQuitWhenDone(true);
    worker.join();
    // vsftpd lists with LIST (no MLSD) and gives exact times through MDTM.
    const std::string log = h.logText();
    EXPECT_NE(log.find("<LIST"), std::string::npos) << log;
    EXPECT_NE(log.find("<MDTM pub.bin"), std::string::npos) << log;
    EXPECT_NE(log.find("<EPSV"), std::string::npos) << log;
    EXPECT_EQ(log.find("<PASV"), std::string::npos) << log;
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kSent | exitbit::kReceived);
}

INSTANTIATE_TEST_SUITE_P(PassiveAndActive, Ipv6Test, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Epsv" : "Eprt"; });

}  // namespace
}  // namespace nubo
