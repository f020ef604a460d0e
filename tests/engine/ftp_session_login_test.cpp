// The connect and login sequence against scripted servers: every reply path.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "engine/ftp_session.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/session_harness.h"

namespace nubo {
namespace {

using test::ScriptedFtpServer;
using test::SessionHarness;
using Lines = std::vector<std::string>;

class LoginTest : public ::testing::Test {
  protected:
    std::string url(const std::string& credentials = "") {
        return "ftp://" + credentials + "127.0.0.1:" + std::to_string(server.port());
    }
    // Runs the start sequence against the script; returns its result.
    bool startSession(const std::string& target) {
        server.start();
        session = h.makeSession(target);
        bool ok = session->start();
        session->closeControl();
        EXPECT_TRUE(server.waitDone());
        EXPECT_EQ(server.failures(), Lines{});
        return ok;
    }

    SessionHarness h;
    ScriptedFtpServer server;
    std::unique_ptr<FtpSession> session;
};

TEST_F(LoginTest, AnonymousLoginWithPasswordAndSyst) {
    server.reply("220 hello")
        .expect("USER anonymous")
        .reply("331 send your e-mail")
        .expect(std::string("PASS ") + SessionHarness::kEMail)
        .reply("230 welcome")
        .expectFeatRefused()
        .expect("SYST")
        .reply("215 UNIX Type: L8")
        .expectClose();
    ASSERT_TRUE(startSession(url()));
    EXPECT_EQ(session->systemText(), "UNIX Type: L8");
    std::string connected = "127.0.0.1 [127.0.0.1:" + std::to_string(server.port()) + "]";
    EXPECT_EQ(h.log.Lines(),
              (Lines{"Connecting to 127.0.0.1", ">220 hello", "... connected, logging in",
                     "<USER anonymous", ">331 send your e-mail", "... user OK, need passwd",
                     "<PASS ****", ">230 welcome", "... user anonymous logged in", "<SYST",
                     ">215 UNIX Type: L8", "Connected to " + connected}));
    EXPECT_EQ(h.outlets.statuses(),
              (Lines{"Connecting to 127.0.0.1", "Connected to " + connected}));
    EXPECT_EQ(h.observer.events(), Lines{"loggedIn " + connected});
    EXPECT_EQ(h.remoteView.session(), session.get());
    EXPECT_EQ(session->currentUrl(), "ftp://127.0.0.1:" + std::to_string(server.port()));
    EXPECT_EQ(h.outlets.exitBits(), 0u);
}

TEST_F(LoginTest, UserAcceptedWithoutPassword) {
    server.reply("220 hi")
        .expect("USER bob")
        .reply("230 no password needed")
        .expectFeatRefused()
        .expect("SYST")
        .reply("500 unknown")
        .expectClose();
    ASSERT_TRUE(startSession(url("bob@")));
    EXPECT_TRUE(h.logHas("... user bob logged in"));
    EXPECT_EQ(session->systemText(), "");
    for (const std::string& command : server.transcript()) {
        EXPECT_NE(command.rfind("PASS", 0), 0u) << command;
    }
}

TEST_F(LoginTest, PasswordNotRequired) {
    server.reply("220 hi")
        .expect("USER bob")
        .reply("331 go on")
        .expect("PASS pw")
        .reply("202 superfluous")
        .expectFeatRefused()
        .expect("SYST")
        .reply("215 X")
        .expectClose();
    ASSERT_TRUE(startSession(url("bob:pw@")));
    EXPECT_TRUE(h.logHas(" ... password NOT required"));
}

TEST_F(LoginTest, WrongPasswordFailsWithoutQuitAndReports64) {
    server.reply("220 hi")
        .expect("USER bob")
        .reply("331 go on")
        .expect("PASS bad")
        .reply("530 Login incorrect.")
        .expectClose();
    EXPECT_FALSE(startSession(url("bob:bad@")));
    EXPECT_TRUE(h.logHas("... user bob NOT logged in"));
    EXPECT_TRUE(h.logHas("... failed to log in"));
    EXPECT_EQ(server.transcript(), (Lines{"USER bob", "PASS bad"}));
    EXPECT_EQ(h.outlets.exitBits(), 64u);
    EXPECT_EQ(h.outlets.statuses().back(), "");  // the status is cleared
    EXPECT_EQ(h.observer.events(), Lines{});
    EXPECT_EQ(session->exitCode(), 0);
}

TEST_F(LoginTest, GreetingsOtherThan220) {
    struct Case {
        const char* greeting;
        const char* message;
    };
    for (Case c : {Case{"421 too many users", "... service not available"},
                   Case{"120 wait a while", "... cannot connect at this time"},
                   Case{"500 what", "... <undefined response>"}}) {
        SessionHarness harness;
        ScriptedFtpServer s;
        s.reply(c.greeting).expectClose();
        s.start();
        auto session = harness.makeSession("ftp://127.0.0.1:" + std::to_string(s.port()));
        EXPECT_FALSE(session->start()) << c.greeting;
        session->closeControl();
        ASSERT_TRUE(s.waitDone());
        EXPECT_TRUE(harness.logHas(c.message)) << harness.logText();
        EXPECT_EQ(harness.outlets.exitBits(), 64u) << c.greeting;  // a login failure
        EXPECT_EQ(s.transcript(), Lines{}) << c.greeting;          // not even QUIT
    }
}

TEST_F(LoginTest, RepliesToUserThatSendQuit) {
    struct Case {
        const char* reply;
        Lines messages;
    };
    for (const Case& c :
         {Case{"332 need account",
               {"... user OK, need acct", " ... \"account\" feature NOT supported!"}},
          Case{"501 syntax", {"... command error, try again"}},
          Case{"599 odd", {"... <undefined response>"}}}) {
        SessionHarness harness;
        ScriptedFtpServer s;
        s.reply("220 hi").expect("USER anonymous").reply(c.reply).expect("QUIT").expectClose();
        s.start();
        auto session = harness.makeSession("ftp://127.0.0.1:" + std::to_string(s.port()));
        EXPECT_FALSE(session->start());
        session->closeControl();
        ASSERT_TRUE(s.waitDone());
        EXPECT_EQ(s.failures(), Lines{}) << c.reply;
        for (const std::string& m : c.messages) {
            EXPECT_TRUE(harness.logHas(m)) << c.reply << "\n" << harness.logText();
        }
        EXPECT_EQ(harness.outlets.exitBits(), 64u);
    }
}

TEST_F(LoginTest, RepliesToPassThatSendQuit) {
    for (const char* reply : {"332 account", "503 bad sequence", "331 again"}) {
        SessionHarness harness;
        ScriptedFtpServer s;
        s.reply("220 hi")
            .expect("USER u")
            .reply("331 pw")
            .expect("PASS p")
            .reply(reply)
            .expect("QUIT")
            .expectClose();
        s.start();
        auto session = harness.makeSession("ftp://u:p@127.0.0.1:" + std::to_string(s.port()));
        EXPECT_FALSE(session->start());
        session->closeControl();
        ASSERT_TRUE(s.waitDone());
        EXPECT_EQ(s.failures(), Lines{}) << reply;
    }
}

TEST_F(LoginTest, ConnectionLostDuringLogin) {
    server.reply("220 hi").expect("USER anonymous").drop();
    EXPECT_FALSE(startSession(url()));
    EXPECT_TRUE(h.logHas("... [CONTROL] Receive failed, WinSock err = WSAECONNRESET"));
    EXPECT_TRUE(h.logHas("... service not available"));
    EXPECT_EQ(h.outlets.exitBits(), 64u);
}

TEST_F(LoginTest, CancelWhileGreetingIsAwaited) {
    server.delay(300).reply("220 late").expectClose();
    std::thread canceller([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        h.cancel = true;
    });
    EXPECT_FALSE(startSession(url()));
    canceller.join();
    EXPECT_TRUE(h.logHas("... login aborted"));
    EXPECT_FALSE(h.logHas("... failed to log in"));
    EXPECT_EQ(h.outlets.exitBits(), 0u);
    EXPECT_EQ(server.transcript(), Lines{});
}

TEST_F(LoginTest, CancelBeforeConnectSendsNothing) {
    h.cancel = true;
    server.expectClose();
    server.start();
    session = h.makeSession(url());
    EXPECT_FALSE(session->start());
    EXPECT_TRUE(h.logHas("... login aborted"));
    EXPECT_EQ(h.outlets.exitBits(), 0u);
}

TEST_F(LoginTest, CommandLineStartSkipsSystButAsksForFeatures) {
    h.config.SetInt("CLStart", 1);
    server.reply("220 hi")
        .expect("USER anonymous")
        .reply("230 in")
        .expectFeatRefused()
        .expectClose();
    ASSERT_TRUE(startSession(url()));
    EXPECT_EQ(server.transcript(), (Lines{"USER anonymous", "FEAT"}));
    EXPECT_TRUE(session->features().empty());
    EXPECT_FALSE(h.logHas("<FEAT")) << "a refused FEAT leaves the log as it was";
}

TEST_F(LoginTest, AnnouncedFeaturesAreKeptAndUtf8IsSwitchedOn) {
    server.reply("220 hi")
        .expect("USER anonymous")
        .reply("230 in")
        .expect("FEAT")
        .reply(
            "211-Features:\r\n MLST type*;size*;modify*;\r\n utf8\r\n SIZE\r\n"
            " REST STREAM\r\n211 End")
        .expect("OPTS UTF8 ON")
        .reply("200 Always in UTF8 mode.")
        .expect("SYST")
        .reply("215 UNIX")
        .expectClose();
    ASSERT_TRUE(startSession(url()));
    const ServerFeatures& features = session->features();
    EXPECT_TRUE(features.has("MLST"));
    EXPECT_EQ(features.parameters("mlst"), "type*;size*;modify*;");
    EXPECT_TRUE(features.has("UTF8"));
    EXPECT_TRUE(features.has("REST"));
    EXPECT_EQ(features.parameters("REST"), "STREAM");
    EXPECT_FALSE(features.has("MDTM"));
    EXPECT_FALSE(features.has("Features:"));
    // An accepted FEAT is dialogue like any other.
    EXPECT_TRUE(h.logHas("<FEAT"));
    EXPECT_TRUE(h.logHas(">211 End"));
    EXPECT_TRUE(h.logHas(">200 Always in UTF8 mode."));
}

TEST(ServerFeaturesTest, OnlyIndentedLinesNameFeatures) {
    ServerFeatures features;
    features.parse(
        {"211-Extensions supported:", " EPSV", "  MDTM  ", "EPRT", " SIZE", " size", "211 END"});
    EXPECT_TRUE(features.has("epsv"));
    EXPECT_TRUE(features.has("MDTM"));
    EXPECT_EQ(features.parameters("MDTM"), "");
    EXPECT_FALSE(features.has("EPRT")) << "a line without the leading space is no feature";
    EXPECT_FALSE(features.has("211"));
    features.parse({"211 no features"});
    EXPECT_TRUE(features.empty()) << "a new reply replaces the old one";
}

TEST_F(LoginTest, FtpProxyNamesTheHostInTheUserName) {
    // The scripted server plays the proxy; the target itself is never contacted.
    h.useFtpProxy(server.port());
    server.expectProxyLogin("anonymous@ftp.example.org").expectClose();
    ASSERT_TRUE(startSession("ftp.example.org"));
    std::string proxyLine =
        "... using proxy connection on [127.0.0.1:" + std::to_string(server.port()) +
        "] for CONTROL";
    EXPECT_TRUE(h.logHas(proxyLine)) << h.logText();
}

TEST_F(LoginTest, FtpProxyWithExplicitPort) {
    h.useFtpProxy(server.port());
    server.reply("220 proxy").expect("USER bob@ftp.example.org:2121").reply("530 no").expectClose();
    EXPECT_FALSE(startSession("ftp://bob@ftp.example.org:2121/pub"));
}

class ConnectFailureTest : public ::testing::Test {
  protected:
    SessionHarness h;
};

TEST_F(ConnectFailureTest, RefusedConnectionReports128) {
    unsigned port = 0;
    {
        ScriptedFtpServer closed;  // its port is free again once it goes
        port = closed.port();
    }
    auto session = h.makeSession("127.0.0.1:" + std::to_string(port));
    EXPECT_FALSE(session->start());
    EXPECT_TRUE(h.logHas("... failed to connect, WinSock err = WSAECONNREFUSED")) << h.logText();
    EXPECT_EQ(h.outlets.exitBits(), 128u);
    EXPECT_EQ(session->exitCode(), 0);
}

TEST_F(ConnectFailureTest, CommandLineRunWithAutoQuitEndsTheProgram) {
    h.config.SetInt("CLStart", 1);
    h.config.SetInt("NoUIQuit", 1);
    auto session = h.makeSession("no-such-host.invalid");
    EXPECT_FALSE(session->start());
    EXPECT_TRUE(h.logHas("... failed to connect, WinSock err = WSAHOST_NOT_FOUND"));
    EXPECT_EQ(session->exitCode(), 3);
}

TEST_F(ConnectFailureTest, ProxyThatRefuses) {
    h.config.SetInt("ProxyType", 1);
    h.config.SetString("Proxy", "127.0.0.1:1");
    auto session = h.makeSession("ftp.example.org");
    EXPECT_FALSE(session->start());
    EXPECT_TRUE(h.logHas("... unable to CONNECT to proxy server 127.0.0.1:1"));
    EXPECT_TRUE(h.logHas("... failed to connect, WinSock err = WSAECONNREFUSED"));
    EXPECT_EQ(h.outlets.exitBits(), 128u);
}

}  // namespace
}  // namespace nubo
