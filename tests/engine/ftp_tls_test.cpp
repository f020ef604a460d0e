// FTP over TLS against pyftpdlib's TLS handler (explicit TLS required for logins and
// data), with a self-signed certificate made at test time.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "engine/trusted_certificates.h"
#include "tests/support/proxy_daemon.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/requests.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"
#include "tests/support/tls_certificate.h"
#include "tests/support/vsftpd_fixture.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::waitFor;

// Queues a request and waits until the session has run it.
void runRequest(test::SessionHarness& h, FtpSession& session, SessionRequest request) {
    ASSERT_TRUE(session.enqueue(std::move(request)));
    ASSERT_TRUE(waitFor([&] { return session.idle(); }, 20000)) << h.logText();
}

// Switches between passive and active data connections, then downloads one file by name
// into a folder (anew) in Image type; the file's content.
std::string fetch(test::SessionHarness& h, FtpSession& session, bool passive,
                  const std::string& folder, const std::string& name) {
    h.config.SetInt("Passive", passive ? 1 : 0);
    session.settingChanged("Passive");
    fs::remove(folder + "/" + name);
    runRequest(h, session, test::namedGet(folder, name));
    return test::readFile(folder + "/" + name);
}

class FtpTlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pem = test::makeSelfSignedPem(temp.path());
        ASSERT_FALSE(pem.empty());
        std::vector<std::string> args = {"--tls-cert", pem};
        args.insert(args.end(), extraArgs.begin(), extraArgs.end());
        server = std::make_unique<test::PyFtpdServer>(args);
        ASSERT_TRUE(server->running()) << server->startError();
        data = temp.path() + "/data/";
        fs::create_directories(data);
        h.config.SetString("AppData", data);
        test::writeFile(server->root() + "/secret.bin", test::patternBytes(300000));
        local = temp.path() + "/local";
        fs::create_directories(local);
    }
    void TearDown() override {
        if (worker) {
            if (!worker->finished())
                session->setQuitWhenDone(true);
            worker->join();
        }
    }
    // Starts a session; true when it logged in.
    bool connect(const std::string& scheme) {
        std::string url = server->url("", true);
        url.replace(0, 3, scheme);
        worker = std::make_unique<SessionWorker>(h.makeSession(url + "/"));
        session = worker->session();
        worker->start();
        waitFor([&] { return session->completedRequests() >= 1 || worker->finished(); }, 20000);
        return !worker->finished();
    }
    void run(SessionRequest request) { runRequest(h, *session, std::move(request)); }
    std::string fingerprint() const {
        const std::string line = h.logText();
        const size_t at = line.find("... SHA-256 fingerprint ");
        return at == std::string::npos ? std::string() : line.substr(at + 24, 95);
    }
    void trust(const std::string& print) {
        TrustedCertificates store;
        ASSERT_TRUE(store.load(data + TrustedCertificates::kFileName));
        ASSERT_TRUE(store.add("127.0.0.1", server->port(), print));
    }

    test::TempFolder temp{"nubo-tls-ftp"};
    std::vector<std::string> extraArgs;  // the server's, besides its certificate
    std::string pem, data, local;
    std::unique_ptr<test::PyFtpdServer> server;
    test::SessionHarness h;
    std::unique_ptr<SessionWorker> worker;
    FtpSession* session = nullptr;
};

TEST_F(FtpTlsTest, AnUntrustedCertificateIsRefusedBeforeAnyPasswordGoesOut) {
    EXPECT_FALSE(connect("ftpes"));
    const std::string log = h.logText();
    EXPECT_NE(log.find("<AUTH TLS"), std::string::npos) << log;
    EXPECT_NE(log.find(" established"), std::string::npos) << log;
    EXPECT_NE(log.find("*** Certificate not verified: "), std::string::npos) << log;
    EXPECT_NE(log.find("... to trust this certificate, add this line to " + data +
                       "NuboTrust.txt: 127.0.0.1 " + std::to_string(server->port()) + " " +
                       fingerprint()),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("<USER"), std::string::npos) << log;
    EXPECT_EQ(log.find("<PASS"), std::string::npos) << log;
    EXPECT_TRUE(h.outlets.exitBits() & exitbit::kConnectFailed);
    EXPECT_FALSE(h.outlets.exitBits() & exitbit::kLoginFailed);
}

TEST_F(FtpTlsTest, ATrustFileOthersCanWriteTrustsNothingAndTheLogSaysWhy) {
    ASSERT_FALSE(connect("ftpes"));
    trust(fingerprint());
    worker->join();
    worker.reset();
    const std::string file = data + TrustedCertificates::kFileName;
    ASSERT_EQ(chmod(file.c_str(), 0666), 0);
    EXPECT_FALSE(connect("ftpes"));
    EXPECT_TRUE(h.logHas("*** " + file +
                         " is writable by group or others: no certificate is trusted from it"))
        << h.logText();
    EXPECT_EQ(h.logText().find("<PASS"), std::string::npos) << h.logText();
}

TEST_F(FtpTlsTest, ATrustedCertificateCarriesLoginListingAndBothTransfers) {
    ASSERT_FALSE(connect("ftpes"));
    const std::string print = fingerprint();
    ASSERT_EQ(print.size(), 95u);
    trust(print);
    worker->join();
    worker.reset();
    ASSERT_TRUE(connect("ftpes")) << h.logText();
    EXPECT_TRUE(h.logHas("... certificate not verified (self-signed certificate), trusted by "
                         "the user") ||
                h.logText().find("trusted by the user") != std::string::npos)
        << h.logText();
    EXPECT_NE(h.logText().find("<PROT P"), std::string::npos);
    for (bool passive : {true, false}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        EXPECT_EQ(fetch(h, *session, passive, local, "secret.bin"), test::patternBytes(300000))
            << h.logText();
        const std::string upload = local + (passive ? "/up-passive.bin" : "/up-active.bin");
        test::writeFile(upload, test::patternBytes(200000));
        run(test::pathPut(upload));
        EXPECT_EQ(test::readFile(server->root() + "/" + fs::path(upload).filename().string()),
                  test::patternBytes(200000))
            << h.logText();
    }
}

TEST_F(FtpTlsTest, ACertificateThatChangedIsRefusedLoudly) {
    std::string other(95, 'A');
    for (size_t i = 2; i < other.size(); i += 3)
        other[i] = ':';
    trust(other);
    EXPECT_FALSE(connect("ftpes"));
    EXPECT_NE(h.logText().find("is NOT the one trusted before: refused"), std::string::npos)
        << h.logText();
    EXPECT_EQ(h.logText().find("<PASS"), std::string::npos);
}

TEST_F(FtpTlsTest, ThroughASocksProxyTheTlsStreamsPassUnchanged) {
    test::ProxyDaemon dante(test::ProxyDaemon::Kind::Dante);
    if (!dante.running())
        GTEST_SKIP() << dante.startError();
    ASSERT_FALSE(connect("ftpes"));  // learns the certificate's fingerprint
    trust(fingerprint());
    worker->join();
    worker.reset();
    h.useProxy(ProxyType::Socks5, dante.address());
    ASSERT_TRUE(connect("ftpes")) << h.logText();
    EXPECT_NE(h.logText().find("for CONTROL"), std::string::npos) << h.logText();
    for (bool passive : {true, false}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        EXPECT_EQ(fetch(h, *session, passive, local, "secret.bin"), test::patternBytes(300000))
            << h.logText();
    }
}

// The server answers its data connections with another certificate, so each is refused
// after the server took the command. An upload's STOR has made an empty file there by
// then: it is removed, so that no comparison takes it for the upload.
class FtpTlsForeignDataTest : public FtpTlsTest {
  protected:
    void SetUp() override {
        fs::create_directories(temp.path() + "/other");
        const std::string otherPem = test::makeSelfSignedPem(temp.path() + "/other");
        ASSERT_FALSE(otherPem.empty());
        extraArgs = {"--tls-data-cert", otherPem};
        FtpTlsTest::SetUp();
    }
};

TEST_F(FtpTlsForeignDataTest, ARefusedUploadLeavesNoEmptyFileOnTheServer) {
    ASSERT_FALSE(connect("ftpes"));
    trust(fingerprint());
    worker->join();
    worker.reset();
    ASSERT_TRUE(connect("ftpes")) << h.logText();
    test::writeFile(local + "/up.bin", test::patternBytes(5000));
    run(test::pathPut(local + "/up.bin"));
    EXPECT_NE(h.logText().find("*** [DATA] Connection refused: its certificate"), std::string::npos)
        << h.logText();
    EXPECT_TRUE(h.outlets.exitBits() & exitbit::kPutFailed) << h.logText();
    EXPECT_FALSE(fs::exists(server->root() + "/up.bin")) << h.logText();
    EXPECT_TRUE(h.logHas("... removed the empty up.bin the failed upload left on the server"))
        << h.logText();
}

TEST(FtpTlsPlainServerTest, AServerWithoutTlsGetsNoPassword) {
    test::PyFtpdServer plain;
    ASSERT_TRUE(plain.running()) << plain.startError();
    test::SessionHarness h;
    std::string url = plain.url("", true);
    url.replace(0, 3, "ftpes");
    SessionWorker worker(h.makeSession(url + "/"));
    worker.start();
    worker.join();
    const std::string log = h.logText();
    EXPECT_NE(log.find("*** The server does not offer TLS; not logging in (no password sent)"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("<PASS"), std::string::npos) << log;
    EXPECT_TRUE(h.outlets.exitBits() & exitbit::kConnectFailed);
}

}  // namespace
}  // namespace nubo

namespace nubo {
namespace {

// vsftpd with TLS required and require_ssl_reuse=YES: data connections must resume the
// control connection's session; explicit and implicit, passive and active.
class VsftpdTlsTest : public ::testing::TestWithParam<test::VsftpdServer::Tls> {
  protected:
    void SetUp() override {
        pem = test::makeSelfSignedPem(temp.path(), &print);
        ASSERT_FALSE(pem.empty());
        server = std::make_unique<test::VsftpdServer>(GetParam(), pem);
        ASSERT_TRUE(server->running()) << server->startError();
        data = temp.path() + "/data/";
        fs::create_directories(data);
        h.config.SetString("AppData", data);
        TrustedCertificates store;
        ASSERT_TRUE(store.load(data + TrustedCertificates::kFileName));
        ASSERT_TRUE(store.add("127.0.0.1", server->port(), print));
        test::writeFile(server->root() + "/pub.bin", test::patternBytes(500000));
        local = temp.path() + "/local";
        fs::create_directories(local);
    }
    void run(FtpSession& session, SessionRequest request) {
        runRequest(h, session, std::move(request));
    }

    test::TempFolder temp{"nubo-vsftpd-tls"};
    std::string pem, print, data, local;
    std::unique_ptr<test::VsftpdServer> server;
    test::SessionHarness h;
};

TEST_P(VsftpdTlsTest, DownloadsAndUploadsResumingTheControlSession) {
    const bool implicit = GetParam() == test::VsftpdServer::Tls::Implicit;
    const std::string url = std::string(implicit ? "ftps" : "ftpes") +
                            "://127.0.0.1:" + std::to_string(server->port()) + "/";
    SessionWorker worker(h.makeSession(url));
    FtpSession* session = worker.session();
    worker.start();
    ASSERT_TRUE(
        waitFor([&] { return session->completedRequests() >= 1 || worker.finished(); }, 20000));
    ASSERT_FALSE(worker.finished()) << h.logText();
    EXPECT_EQ(h.logText().find("<AUTH TLS") == std::string::npos, implicit) << h.logText();
    for (bool passive : {true, false}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        EXPECT_EQ(fetch(h, *session, passive, local, "pub.bin"), test::patternBytes(500000))
            << h.logText();
    }
    run(*session, ChangeDirectoryRequest{"/incoming", {}});
    test::writeFile(local + "/up.bin", test::patternBytes(400000));
    run(*session, test::pathPut(local + "/up.bin"));
    EXPECT_EQ(test::readFile(server->root() + "/incoming/up.bin"), test::patternBytes(400000))
        << h.logText();
    session->setQuitWhenDone(true);
    worker.join();
}

INSTANTIATE_TEST_SUITE_P(ExplicitAndImplicit, VsftpdTlsTest,
                         ::testing::Values(test::VsftpdServer::Tls::Explicit,
                                           test::VsftpdServer::Tls::Implicit),
                         [](const ::testing::TestParamInfo<test::VsftpdServer::Tls>& info) {
                             return std::string(info.param == test::VsftpdServer::Tls::Implicit
                                                    ? "Implicit"
                                                    : "Explicit");
                         });

}  // namespace
}  // namespace nubo
