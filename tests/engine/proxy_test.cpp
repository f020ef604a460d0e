// Sessions through an FTP proxy, SOCKS4 and SOCKS5: real proxies from Debian carrying
// whole sessions to pyftpdlib, and a scripted SOCKS server for the exact bytes and the
// faults.
#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "tests/support/proxy_daemon.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/requests.h"
#include "tests/support/scripted_socks_server.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::patternBytes;
using test::ProxyDaemon;
using test::readFile;
using test::ScriptedSocksServer;
using test::waitFor;
using test::writeFile;

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

std::string portBytes(unsigned port) {
    return bytes({static_cast<int>(port >> 8), static_cast<int>(port & 255)});
}

const std::string kLoopback = bytes({127, 0, 0, 1});

class ProxySessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // pyftpdlib is installed with the other dependencies: its absence is a fault.
        ASSERT_TRUE(server.running()) << server.startError();
        ASSERT_FALSE(temp.path().empty());
        local = temp.path();
        fs::create_directories(server.root() + "/pub");
        writeFile(server.root() + "/pub/down.bin", patternBytes(200000));
        writeFile(local + "/up.bin", patternBytes(150000));
    }
    void TearDown() override { endSession(); }
    // Logs off and waits for the session to end.
    void endSession() {
        if (worker) {
            worker->session()->setQuitWhenDone(true);
            worker->join();
            worker.reset();
        }
    }
    // Starts a session; true once its first listing ran.
    bool connect(const std::string& url) {
        worker = std::make_unique<SessionWorker>(h.makeSession(url));
        worker->start();
        return waitFor([&] {
                   return worker->finished() || worker->session()->completedRequests() >= 1;
               }) &&
               !worker->finished();
    }
    void runRequest(SessionRequest request) {
        FtpSession* session = worker->session();
        ASSERT_TRUE(session->enqueue(std::move(request)));
        ASSERT_TRUE(waitFor([&] { return session->idle(); })) << h.logText();
    }
    // Login, LIST, a download and an upload, all through the proxy.
    void completeSession(const std::string& dataLine) {
        ASSERT_TRUE(connect(server.url("pub"))) << h.logText();
        EXPECT_GE(h.remoteView.findEntryByName("down.bin", false), 0) << h.logText();
        runRequest(test::namedGet(local, "down.bin"));
        runRequest(test::pathPut(local + "/up.bin"));
        EXPECT_TRUE(readFile(local + "/down.bin") == patternBytes(200000)) << h.logText();
        EXPECT_TRUE(readFile(server.root() + "/pub/up.bin") == patternBytes(150000)) << h.logText();
        EXPECT_EQ(h.outlets.exitBits(), exitbit::kReceived | exitbit::kSent) << h.logText();
        EXPECT_NE(h.logText().find(dataLine), std::string::npos) << h.logText();
    }
    void expectControlThrough(unsigned port) {
        EXPECT_TRUE(h.logHas("... using proxy connection on [127.0.0.1:" + std::to_string(port) +
                             "] for CONTROL"))
            << h.logText();
    }

    test::PyFtpdServer server;
    test::SessionHarness h;
    std::unique_ptr<SessionWorker> worker;
    test::TempFolder temp{"nubo-proxy-local"};
    std::string local;
};

TEST_F(ProxySessionTest, FtpProxyCarriesAWholeSessionWithPort) {
    ProxyDaemon proxy(ProxyDaemon::Kind::FtpProxy);
    if (!proxy.running())
        GTEST_SKIP() << proxy.startError();
    h.useProxy(ProxyType::FtpProxy, proxy.address());
    completeSession("Accepted connection on [127.0.0.1:");
    expectControlThrough(proxy.port());
    EXPECT_TRUE(h.logHas("<USER anonymous@127.0.0.1:" + std::to_string(server.port())));
    EXPECT_TRUE(h.logHas("... PASSIVE not valid with FTP proxy server; using PORT"));
}

TEST_F(ProxySessionTest, DanteSocks4PassiveAndActive) {
    ProxyDaemon dante(ProxyDaemon::Kind::Dante);
    if (!dante.running())
        GTEST_SKIP() << dante.startError();
    h.useProxy(ProxyType::Socks4, dante.address(), "nubo");
    completeSession("Using proxy connection to [127.0.0.1:");
    expectControlThrough(dante.port());
    endSession();

    h.config.SetInt("Passive", 0);  // BIND through the SOCKS server
    fs::remove(local + "/down.bin");
    completeSession("Using proxy connection on [127.0.0.1:");
    EXPECT_NE(h.logText().find("<PORT 127,0,0,1,"), std::string::npos);
}

TEST_F(ProxySessionTest, DanteSocks5PassiveAndActive) {
    ProxyDaemon dante(ProxyDaemon::Kind::Dante);
    if (!dante.running())
        GTEST_SKIP() << dante.startError();
    h.useProxy(ProxyType::Socks5, dante.address());
    completeSession("Using proxy connection to [127.0.0.1:");
    expectControlThrough(dante.port());
    endSession();

    h.config.SetInt("Passive", 0);
    fs::remove(local + "/down.bin");
    completeSession("Using proxy connection on [127.0.0.1:");
}

TEST_F(ProxySessionTest, MicrosocksSocks5WithUserNameAndPassword) {
    ProxyDaemon micro(ProxyDaemon::Kind::MicroSocks);
    if (!micro.running())
        GTEST_SKIP() << micro.startError();
    h.useProxy(ProxyType::Socks5, micro.address(), ProxyDaemon::kUser, ProxyDaemon::kPassword);
    completeSession("Using proxy connection to [127.0.0.1:");
    expectControlThrough(micro.port());
    endSession();

    // A wrong password ends the attempt with the mismatch lines.
    h.useProxy(ProxyType::Socks5, micro.address(), ProxyDaemon::kUser, "wrong");
    EXPECT_FALSE(connect(server.url("pub")));
    worker->join();
    EXPECT_TRUE(h.logHas("... SOCKS5 authentication failed on server 127.0.0.1:" +
                         std::to_string(micro.port())));
    EXPECT_TRUE(h.logHas("... (username/password mismatch or invalid)"));
    EXPECT_NE(h.outlets.exitBits() & exitbit::kConnectFailed, 0u);
}

TEST_F(ProxySessionTest, PerHostBypassReadsNoProxySetting) {
    h.useProxy(ProxyType::Socks5, "10.255.255.1:9");  // nothing answers there
    SessionContext context = h.context();
    context.perHostSettings = 1u << 18;
    auto session = std::make_unique<FtpSession>(
        FtpUrl(server.url("pub"), test::SessionHarness::urlDefaults()), context);
    EXPECT_EQ(session->proxyType(), ProxyType::None);
    EXPECT_EQ(session->proxyAddress().host, "");
    worker = std::make_unique<SessionWorker>(std::move(session));
    worker->start();
    ASSERT_TRUE(waitFor([&] { return worker->session()->completedRequests() >= 1; }))
        << h.logText();
    EXPECT_EQ(h.logText().find("proxy"), std::string::npos) << h.logText();
}

TEST(ProxySettingsTest, DefaultProxyPorts) {
    test::SessionHarness h;
    const FtpUrl target("ftp://files.example.org/", test::SessionHarness::urlDefaults());
    struct Case {
        ProxyType type;
        const char* text;
        unsigned port;
    } cases[] = {{ProxyType::FtpProxy, "proxy.example.org", 21},
                 {ProxyType::Socks4, "proxy.example.org", 1080},
                 {ProxyType::Socks5, "proxy.example.org", 1080},
                 {ProxyType::Socks5, "proxy.example.org:2080", 2080},
                 {ProxyType::FtpProxy, "proxy.example.org:2121", 2121}};
    for (const Case& c : cases) {
        h.useProxy(c.type, c.text);
        FtpSession session(target, h.context());
        EXPECT_EQ(session.proxyAddress().portNumber(), c.port) << c.text;
        EXPECT_EQ(session.proxyType(), c.type);
    }
    // The URL default port is back afterwards.
    FtpUrl plain("ftp://files.example.org/", test::SessionHarness::urlDefaults());
    EXPECT_EQ(plain.portNumber(), 21u);
}

// ---- exact bytes and faults, on a scripted SOCKS server ----

class SocksDialogueTest : public ::testing::Test {
  protected:
    // A session to a target behind the scripted SOCKS server; runs until it ends.
    void runSession(ProxyType type, const std::string& user = {}, const std::string& password = {},
                    unsigned targetPort = 2121, const std::string& targetHost = "127.0.0.1") {
        h.useProxy(type, "127.0.0.1:" + std::to_string(socks.port()), user, password);
        worker = std::make_unique<SessionWorker>(
            h.makeSession("ftp://" + targetHost + ":" + std::to_string(targetPort) + "/"));
        worker->start();
        ASSERT_TRUE(waitFor([&] { return worker->finished(); })) << h.logText();
    }
    std::string where() const { return "127.0.0.1:" + std::to_string(socks.port()); }
    void TearDown() override {
        if (worker && !worker->finished()) {
            worker->session()->setQuitWhenDone(true);
        }
        worker.reset();
    }

    test::SessionHarness h;
    ScriptedSocksServer socks;
    std::unique_ptr<SessionWorker> worker;
};

TEST_F(SocksDialogueTest, Socks4RequestWithEmptyUserIdAndCode91) {
    socks.addHandler([](ScriptedSocksServer& s, int fd) {
        s.record(ScriptedSocksServer::readBytes(fd, 9));
        ScriptedSocksServer::writeBytes(fd, bytes({0, 91, 0, 0, 0, 0, 0, 0}));
    });
    runSession(ProxyType::Socks4);
    ASSERT_EQ(socks.records().size(), 1u);
    EXPECT_EQ(socks.records()[0], bytes({4, 1}) + portBytes(2121) + kLoopback + bytes({0}));
    EXPECT_TRUE(h.logHas("... SOCKS4 error on server " + where() + " (91)")) << h.logText();
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kConnectFailed);
}

TEST_F(SocksDialogueTest, Socks5ErrorCodeInHex) {
    socks.addHandler([](ScriptedSocksServer& s, int fd) {
        s.record(ScriptedSocksServer::readBytes(fd, 4));
        ScriptedSocksServer::writeBytes(fd, bytes({5, 0}));
        s.record(ScriptedSocksServer::readBytes(fd, 10));
        ScriptedSocksServer::writeBytes(fd, bytes({5, 5, 0, 1, 0, 0, 0, 0, 0, 0}));
    });
    runSession(ProxyType::Socks5);
    ASSERT_EQ(socks.records().size(), 2u);
    EXPECT_EQ(socks.records()[0], bytes({5, 2, 0, 2}));
    EXPECT_EQ(socks.records()[1], bytes({5, 1, 0, 1}) + kLoopback + portBytes(2121));
    EXPECT_TRUE(h.logHas("... SOCKS5 error on server " + where() + " (05)")) << h.logText();
}

TEST_F(SocksDialogueTest, Socks5CarriesAnIpv6TargetAndSocks4Cannot) {
    socks.addHandler([](ScriptedSocksServer& s, int fd) {
        s.record(ScriptedSocksServer::readBytes(fd, 4));
        ScriptedSocksServer::writeBytes(fd, bytes({5, 0}));
        s.record(ScriptedSocksServer::readBytes(fd, 22));
        ScriptedSocksServer::writeBytes(fd, bytes({5, 8, 0, 1, 0, 0, 0, 0, 0, 0}));
    });
    runSession(ProxyType::Socks5, {}, {}, 2121, "[2001:db8::5]");
    ASSERT_EQ(socks.records().size(), 2u);
    const std::string address = bytes({0x20, 0x01, 0x0d, 0xb8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5});
    EXPECT_EQ(socks.records()[1], bytes({5, 1, 0, 4}) + address + portBytes(2121));
    EXPECT_TRUE(h.logHas("... SOCKS5 error on server " + where() + " (08)")) << h.logText();

    worker.reset();
    h.log.Wipe();
    runSession(ProxyType::Socks4, {}, {}, 2121, "[2001:db8::5]");
    EXPECT_TRUE(h.logHas("... SOCKS4 server " + where() + " cannot reach IPv6 address 2001:db8::5"))
        << h.logText();
    EXPECT_EQ(socks.records().size(), 2u) << "nothing sent to the SOCKS4 server";
    EXPECT_NE(h.outlets.exitBits() & exitbit::kConnectFailed, 0u);
}

TEST_F(SocksDialogueTest, UserNameAndPasswordMessageOf13Bytes) {
    socks.addHandler([](ScriptedSocksServer& s, int fd) {
        ScriptedSocksServer::readBytes(fd, 4);
        ScriptedSocksServer::writeBytes(fd, bytes({5, 2}));
        s.record(ScriptedSocksServer::readBytes(fd, 13));
        ScriptedSocksServer::writeBytes(fd, bytes({1, 1}));
    });
    runSession(ProxyType::Socks5, "user", "secret");
    ASSERT_EQ(socks.records().size(), 1u);
    EXPECT_EQ(socks.records()[0], bytes({1, 4}) + "user" + bytes({6}) + "secret");
    EXPECT_TRUE(h.logHas("... SOCKS5 authentication failed on server " + where()));
    EXPECT_TRUE(h.logHas("... (username/password mismatch or invalid)"));
}

TEST_F(SocksDialogueTest, MethodFFAndMissingCredentials) {
    socks.addHandler([](ScriptedSocksServer&, int fd) {
        ScriptedSocksServer::readBytes(fd, 4);
        ScriptedSocksServer::writeBytes(fd, bytes({5, 0xFF}));
    });
    runSession(ProxyType::Socks5, "user", "secret");
    EXPECT_TRUE(h.logHas("... SOCKS5 authentication failed on server " + where()));
    EXPECT_EQ(h.logText().find("... (missing"), std::string::npos);
    EXPECT_EQ(h.logText().find("... (username"), std::string::npos);

    h.log.Wipe();
    socks.addHandler([](ScriptedSocksServer&, int fd) {
        ScriptedSocksServer::readBytes(fd, 4);
        ScriptedSocksServer::writeBytes(fd, bytes({5, 2}));
    });
    runSession(ProxyType::Socks5, "user", "");
    EXPECT_TRUE(h.logHas("... SOCKS5 authentication failed on server " + where()));
    EXPECT_TRUE(h.logHas("... (missing username and/or password)"));
}

TEST_F(SocksDialogueTest, ShortRepliesAndAProxyThatCloses) {
    // A SOCKS4 reply of 5 bytes, then the end of the connection.
    socks.addHandler([](ScriptedSocksServer&, int fd) {
        ScriptedSocksServer::readUntilZero(fd);
        ScriptedSocksServer::writeBytes(fd, bytes({0, 90, 0, 0, 0}));
    });
    runSession(ProxyType::Socks4);
    EXPECT_TRUE(h.logHas("... I/O error on SOCKS4 server " + where())) << h.logText();

    // A SOCKS5 server that closes in the middle of the method answer.
    socks.addHandler([](ScriptedSocksServer&, int fd) {
        ScriptedSocksServer::readBytes(fd, 4);
        ScriptedSocksServer::writeBytes(fd, bytes({5}));
    });
    runSession(ProxyType::Socks5);
    EXPECT_TRUE(h.logHas("... I/O error on SOCKS5 server " + where())) << h.logText();

    // An address type that gives no length.
    socks.addHandler([](ScriptedSocksServer&, int fd) {
        ScriptedSocksServer::readBytes(fd, 4);
        ScriptedSocksServer::writeBytes(fd, bytes({5, 0}));
        ScriptedSocksServer::readBytes(fd, 10);
        ScriptedSocksServer::writeBytes(fd, bytes({5, 0, 0, 7, 1, 2, 3, 4, 5, 6, 7, 8}));
    });
    h.log.Wipe();
    runSession(ProxyType::Socks5);
    EXPECT_TRUE(h.logHas("... I/O error on SOCKS5 server " + where())) << h.logText();
    EXPECT_EQ(h.outlets.exitBits(), exitbit::kConnectFailed);
}

TEST_F(SocksDialogueTest, AReplyWithADomainNameIsReadWhole) {
    // The bound address comes as a name; the greeting right behind it must be read as
    // the FTP greeting, not as the rest of the reply.
    socks.addHandler([](ScriptedSocksServer&, int fd) {
        ScriptedSocksServer::readBytes(fd, 4);
        ScriptedSocksServer::writeBytes(fd, bytes({5, 0}));
        ScriptedSocksServer::readBytes(fd, 10);
        ScriptedSocksServer::writeBytes(
            fd, bytes({5, 0, 0, 3, 11}) + "example.org" + portBytes(2121) + "421 Not today.\r\n");
    });
    runSession(ProxyType::Socks5);
    EXPECT_TRUE(h.logHas(">421 Not today.")) << h.logText();
}

TEST_F(SocksDialogueTest, OverlongCredentialsAreRefusedBeforeSending) {
    socks.addHandler([](ScriptedSocksServer& s, int fd) {
        s.record(ScriptedSocksServer::readBytes(fd, 1));  // nothing comes
    });
    runSession(ProxyType::Socks5, std::string(256, 'u'), "pw");
    EXPECT_TRUE(
        h.logHas("... SOCKS user name or password longer than 255 bytes for server " + where()))
        << h.logText();
    worker.reset();
    EXPECT_TRUE(waitFor([&] { return socks.records().size() == 1; }));
    EXPECT_EQ(socks.records()[0], "");

    socks.addHandler(
        [](ScriptedSocksServer& s, int fd) { s.record(ScriptedSocksServer::readBytes(fd, 1)); });
    runSession(ProxyType::Socks4, std::string(300, 'u'));
    EXPECT_TRUE(waitFor([&] { return socks.records().size() == 2; }));
    EXPECT_EQ(socks.records()[1], "");
}

// The whole session through the scripted server: CONNECT relayed to pyftpdlib for the
// control connection, and a BIND served by a listener of the test for the data.
class SocksBindTest : public SocksDialogueTest {
  protected:
    void SetUp() override {
        // pyftpdlib is installed with the other dependencies: its absence is a fault.
        ASSERT_TRUE(server.running()) << server.startError();
        writeFile(server.root() + "/listed.txt", "x");
        h.config.SetInt("Passive", 0);
    }
    // Answers the version's greeting (and authentication) on fd.
    static void greet(ScriptedSocksServer& s, int fd, bool socks5) {
        if (!socks5) {
            const std::string head = ScriptedSocksServer::readBytes(fd, 8);
            s.record(head + ScriptedSocksServer::readUntilZero(fd));
            return;
        }
        ScriptedSocksServer::readBytes(fd, 4);
        ScriptedSocksServer::writeBytes(fd, bytes({5, 2}));
        s.record(ScriptedSocksServer::readBytes(fd, 11));  // 01 04 user 04 pass
        ScriptedSocksServer::writeBytes(fd, bytes({1, 0}));
        s.record(ScriptedSocksServer::readBytes(fd, 10));
    }
    void addHandlers(bool socks5, const std::string& boundAddress) {
        const unsigned ftpPort = server.port();
        socks.addHandler([=](ScriptedSocksServer& s, int fd) {
            greet(s, fd, socks5);
            ScriptedSocksServer::writeBytes(fd, socks5
                                                    ? bytes({5, 0, 0, 1}) + kLoopback + portBytes(1)
                                                    : bytes({0, 90, 0, 1}) + kLoopback);
            int ftp = ScriptedSocksServer::connectLoopback(ftpPort);
            ScriptedSocksServer::relay(fd, ftp);
            close(ftp);
        });
        socks.addHandler([=](ScriptedSocksServer& s, int fd) {
            greet(s, fd, socks5);
            unsigned port = 0;
            int listener = ScriptedSocksServer::listenLoopback(&port);
            ScriptedSocksServer::writeBytes(
                fd, socks5 ? bytes({5, 0, 0, 1}) + boundAddress + portBytes(port)
                           : bytes({0, 90}) + portBytes(port) + boundAddress);
            int peer = accept(listener, nullptr, nullptr);
            close(listener);
            ScriptedSocksServer::writeBytes(fd, socks5
                                                    ? bytes({5, 0, 0, 1}) + kLoopback + portBytes(9)
                                                    : bytes({0, 90, 0, 9}) + kLoopback);
            ScriptedSocksServer::relay(fd, peer);
            close(peer);
        });
    }

    test::PyFtpdServer server;
};

TEST_F(SocksBindTest, Socks4BindAnsweredWithNoAddressUsesTheProxyInPort) {
    addHandlers(false, bytes({0, 0, 0, 0}));
    h.useProxy(ProxyType::Socks4, "127.0.0.1:" + std::to_string(socks.port()));
    worker = std::make_unique<SessionWorker>(h.makeSession(server.url()));
    worker->start();
    ASSERT_TRUE(waitFor([&] { return worker->session()->completedRequests() >= 1; }))
        << h.logText();
    EXPECT_GE(h.remoteView.findEntryByName("listed.txt", false), 0) << h.logText();
    EXPECT_NE(h.logText().find("<PORT 127,0,0,1,"), std::string::npos) << h.logText();
    EXPECT_NE(h.logText().find("Using proxy connection on [127.0.0.1:"), std::string::npos);
    // The BIND request names the FTP server.
    ASSERT_GE(socks.records().size(), 2u);
    EXPECT_EQ(socks.records()[1].substr(0, 8),
              bytes({4, 2}) + portBytes(server.port()) + kLoopback);
}

TEST_F(SocksBindTest, Socks5BindWithAuthentication) {
    addHandlers(true, kLoopback);
    h.useProxy(ProxyType::Socks5, "127.0.0.1:" + std::to_string(socks.port()), "user", "pass");
    worker = std::make_unique<SessionWorker>(h.makeSession(server.url()));
    worker->start();
    ASSERT_TRUE(waitFor([&] { return worker->session()->completedRequests() >= 1; }))
        << h.logText();
    EXPECT_GE(h.remoteView.findEntryByName("listed.txt", false), 0) << h.logText();
    ASSERT_GE(socks.records().size(), 4u);
    EXPECT_EQ(socks.records()[1], bytes({5, 1, 0, 1}) + kLoopback + portBytes(server.port()));
    EXPECT_EQ(socks.records()[2], bytes({1, 4}) + "user" + bytes({4}) + "pass");
    EXPECT_EQ(socks.records()[3], bytes({5, 2, 0, 1}) + kLoopback + portBytes(server.port()));
}

}  // namespace
}  // namespace nubo
