// Data connections: PASV and PORT set-up, fallback, REST, 227 replies, timing lines.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/ftp_session.h"
#include "engine/net_address.h"
#include "engine/pasv_reply.h"
#include "engine/transfer_job.h"
#include "engine/transfer_time.h"
#include "tests/support/netns_topology.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/session_harness.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::PyFtpdServer;
using test::ScriptedFtpServer;
using test::SessionHarness;
using Lines = std::vector<std::string>;

uint32_t ip(const char* dotted) {
    in_addr a{};
    inet_pton(AF_INET, dotted, &a);
    return a.s_addr;
}

TEST(PassiveReplyTest, TheThreeSpellingsGiveOneAddress) {
    for (const char* line : {"227 Entering Passive Mode (192,168,1,20,19,137)",
                             "227 Entering Passive Mode 192,168,1,20,19,137",
                             "227 =\"192,168,1,20,19,137\"", "227 192,168,1,20,19,137."}) {
        PassiveAddress a;
        ASSERT_TRUE(parsePassiveReply(line, &a)) << line;
        EXPECT_EQ(a.dotted(), "192.168.1.20") << line;
        EXPECT_EQ(a.port, 19u * 256 + 137) << line;
    }
}

TEST(PassiveReplyTest, MalformedRepliesAreRefused) {
    for (const char* line :
         {"227 Entering Passive Mode", "227 (1,2,3,4,5)", "227 (256,0,0,1,4,1)",
          "227 (1,2,3,4,5,999)", "227 (1,2,3,4,5,6,7)", "227 (1,2,,4,5,6)", "227 (1,2,3,4,x,6)",
          "227 (1,2,3,4,5,0001)", "227 (99999999999999999999,1,1,1,1,1)", "227", ""}) {
        PassiveAddress a;
        EXPECT_FALSE(parsePassiveReply(line, &a)) << line;
    }
}

TEST(PassiveReplyTest, FollowedRepliesStillMendLocalOnlyAddressesBehindAPublicPeer) {
    const uint32_t publicPeer = ip("198.51.100.7");
    for (const char* local : {"10.0.0.5", "172.16.9.1", "172.31.255.1", "192.168.1.20", "127.0.0.1",
                              "0.0.0.0", "169.254.3.3", "100.64.0.1"}) {
        EXPECT_TRUE(isLocalOnlyAddress(ip(local))) << local;
        EXPECT_EQ(passiveConnectAddress(ip(local), publicPeer, true), publicPeer) << local;
    }
    for (const char* global : {"172.32.0.1", "8.8.8.8", "100.128.0.1", "198.51.100.9"}) {
        EXPECT_FALSE(isLocalOnlyAddress(ip(global))) << global;
        EXPECT_EQ(passiveConnectAddress(ip(global), publicPeer, true), ip(global)) << global;
    }
    // A private peer (a server on the LAN, or loopback) is believed.
    EXPECT_EQ(passiveConnectAddress(ip("10.0.0.5"), ip("10.0.0.1"), true), ip("10.0.0.5"));
    EXPECT_EQ(passiveConnectAddress(ip("192.168.0.2"), ip("127.0.0.1"), true), ip("192.168.0.2"));
}

TEST(TransferTimeTest, LinesWithAndWithoutTheRate) {
    EXPECT_EQ(formatTransferTime("received", 0, 0), "... received 0 bytes in 0.00 seconds");
    EXPECT_EQ(formatTransferTime("sent", 10240, 2000),
              "... sent 10240 bytes in 2.00 seconds (5.12 KB/s)");
    EXPECT_EQ(formatTransferTime("received", 5000000000LL, 1000),
              "... received 5000000000 bytes in 1.00 seconds (5e+06 KB/s)");
}

class DataConnectionTest : public ::testing::Test {
  protected:
    // Starts the script with a login in front and logs the session in.
    void login() {
        server.start();
        session = h.makeSession("ftp://127.0.0.1:" + std::to_string(server.port()));
        ASSERT_TRUE(session->start()) << h.logText();
    }
    void script() { server.expectLogin(); }
    std::string readAll() { return test::readToEnd(session->dataSocket()); }
    void finish() {
        session->closeControl();
        EXPECT_TRUE(server.waitDone());
        EXPECT_EQ(server.failures(), Lines{});
    }

    SessionHarness h;
    ScriptedFtpServer server;
    std::unique_ptr<FtpSession> session;
};

TEST_F(DataConnectionTest, PassiveTransferAndItsLogLines) {
    script();
    server.expectPasv()
        .expect("RETR f")
        .reply("150 Opening (5 bytes)")
        .sendData("hello")
        .reply("226 done");
    login();
    std::string last;
    ASSERT_EQ(session->openDataConnection("RETR f", &last), FtpSession::kDataOpen);
    EXPECT_EQ(last, "150 Opening (5 bytes)");
    EXPECT_EQ(readAll(), "hello");
    EXPECT_EQ(session->control().readReply(), 226);
    finish();
    EXPECT_TRUE(h.logHas("<PASV"));
    EXPECT_EQ(h.log.Lines()[h.logIndex("<RETR f") + 1].rfind("Connected to [127.0.0.1:", 0), 0u)
        << h.logText();
}

TEST_F(DataConnectionTest, PasvRefusedFallsBackToPortForTheRestOfTheSession) {
    script();
    server.expect("PASV")
        .reply("500 PASV not understood")
        .expect("EPSV")
        .reply("500 EPSV not understood")
        .expectPort()
        .expect("LIST")
        .reply("150 Here it comes")
        .sendData("line\r\n")
        .reply("226 ok")
        .expectPort()
        .expect("LIST")
        .reply("150 again")
        .sendData("")
        .reply("226 ok");
    login();
    ASSERT_EQ(session->openDataConnection("LIST"), FtpSession::kDataOpen) << h.logText();
    EXPECT_EQ(readAll(), "line\r\n");
    EXPECT_EQ(session->control().readReply(), 226);
    EXPECT_FALSE(session->passive());
    ASSERT_EQ(session->openDataConnection("LIST"), FtpSession::kDataOpen) << h.logText();
    EXPECT_EQ(readAll(), "");
    EXPECT_EQ(session->control().readReply(), 226);
    finish();
    std::string log = h.logText();
    EXPECT_EQ(log.find("... Can't open PASSIVEly; trying PORT"),
              log.rfind("... Can't open PASSIVEly; trying PORT"));
    // The refused EPSV leaves the log as a server of the 1990s always had it.
    EXPECT_EQ(log.find("EPSV"), std::string::npos) << log;
    EXPECT_EQ(h.log.Lines()[h.logIndex(">500 PASV not understood") + 1],
              "... Can't open PASSIVEly; trying PORT");
    EXPECT_NE(log.find("Accepted connection on [127.0.0.1:" + std::to_string(server.portPort()) +
                       "] for DATA"),
              std::string::npos)
        << log;
    EXPECT_EQ(server.portHost(), "127.0.0.1");
}

TEST_F(DataConnectionTest, EpsvAcceptedAfterPasvRefusedStaysForTheSession) {
    script();
    server.expect("PASV")
        .reply("502 PASV disabled")
        .expectEpsv()
        .expect("RETR f")
        .reply("150 ok")
        .sendData("first")
        .reply("226 done")
        .expectEpsv()
        .expect("RETR g")
        .reply("150 ok")
        .sendData("second")
        .reply("226 done");
    login();
    ASSERT_EQ(session->openDataConnection("RETR f"), FtpSession::kDataOpen) << h.logText();
    EXPECT_EQ(readAll(), "first");
    EXPECT_EQ(session->control().readReply(), 226);
    ASSERT_EQ(session->openDataConnection("RETR g"), FtpSession::kDataOpen) << h.logText();
    EXPECT_EQ(readAll(), "second");
    EXPECT_EQ(session->control().readReply(), 226);
    EXPECT_TRUE(session->passive());
    finish();
    // The accepted EPSV is shown; the data went to the control peer.
    EXPECT_TRUE(h.logHas("<EPSV"));
    EXPECT_FALSE(h.logHas("... Can't open PASSIVEly; trying PORT"));
    EXPECT_EQ(h.log.Lines()[h.logIndex("<RETR f") + 1].rfind("Connected to [127.0.0.1:", 0), 0u)
        << h.logText();
}

// A server that refuses the address a data connection would take (PORT, or EPRT over
// IPv6 where PASV cannot stand in for a refused EPSV) never gets the data command: it
// would refuse it too ("503 Incorrect sequence") or use an address given earlier.
class RefusedAddressTest : public ::testing::TestWithParam<bool> {};

TEST_P(RefusedAddressTest, NoDataCommandWithoutADataConnection) {
    const bool ipv6 = GetParam();
    SessionHarness h;
    ScriptedFtpServer server(ipv6 ? "::1" : "127.0.0.1");
    server.expectLogin();
    if (!ipv6) {
        server.expect("PASV").reply("500 PASV not understood");
    }
    server.expect("EPSV")
        .reply("500 EPSV not understood")
        .expect(ipv6 ? "EPRT *" : "PORT *")
        .reply("500 Illegal PORT command.")
        .expect(ipv6 ? "EPRT *" : "PORT *")
        .reply("500 Illegal PORT command.")
        .expect("NOOP")
        .reply("200 still here");
    server.start();
    const std::string host = ipv6 ? "[::1]" : "127.0.0.1";
    std::unique_ptr<FtpSession> session =
        h.makeSession("ftp://" + host + ":" + std::to_string(server.port()));
    ASSERT_TRUE(session->start()) << h.logText();
    EXPECT_EQ(session->openDataConnection("RETR f"), FtpSession::kDataFailed) << h.logText();

    // A listing into a file: none was read, so none is written, and the run fails.
    EXPECT_NE(session->listDirectory("/", {}, true) / 100, 2);
    test::TempFolder temp("nubo-refused-address");
    const std::string file = temp.path() + "/list.txt";
    EXPECT_NE(session->listToFile(ListToFileRequest{{}, file}) / 100, 2);
    EXPECT_FALSE(std::ifstream(file).good()) << "no empty listing file";
    EXPECT_EQ(h.outlets.exitBits() & exitbit::kGetFailed, exitbit::kGetFailed);

    session->control().sendCommand("NOOP");
    EXPECT_EQ(session->control().readReply(), 200) << "the replies stay in step";
    session->closeControl();
    EXPECT_TRUE(server.waitDone());
    EXPECT_EQ(server.failures(), Lines{}) << h.logText();
    const std::string log = h.logText();
    EXPECT_EQ(log.find("<RETR"), std::string::npos) << log;
    EXPECT_EQ(log.find("<LIST"), std::string::npos) << log;
    EXPECT_EQ(log.find("<MLSD"), std::string::npos) << log;
    EXPECT_NE(log.find(std::string("*** ") + (ipv6 ? "EPRT" : "PORT") +
                       " refused, no data connection: 500 Illegal PORT command."),
              std::string::npos)
        << log;
}

INSTANTIATE_TEST_SUITE_P(Families, RefusedAddressTest, ::testing::Values(false, true),
                         [](const auto& info) {
                             return info.param ? std::string("Ipv6") : std::string("Ipv4");
                         });

TEST(ExtendedPassiveReplyTest, ThePortBetweenThreeDelimiters) {
    unsigned port = 0;
    ASSERT_TRUE(parseExtendedPassiveReply("229 Entering Extended Passive Mode (|||6446|)", &port));
    EXPECT_EQ(port, 6446u);
    ASSERT_TRUE(parseExtendedPassiveReply("229 ok (!!!65535!)", &port));
    EXPECT_EQ(port, 65535u);
    for (const char* line : {"229 (|||0|)", "229 (|||65536|)", "229 (||6446|)", "229 (|||6446)",
                             "229 (|||6446|", "229 (|||644x|)", "229 (1112|)", "229 (|!|6446|)",
                             "229 (|||1234567|)", "229 Entering Extended Passive Mode", "229"}) {
        EXPECT_FALSE(parseExtendedPassiveReply(line, &port)) << line;
    }
    NetAddress v6;
    ASSERT_TRUE(NetAddress::parseLiteral("2001:db8::1", 6446, &v6));
    EXPECT_EQ(extendedPortArgument(v6), "|2|2001:db8::1|6446|");
    EXPECT_EQ(v6.bracketedText(), "[2001:db8::1]:6446");
    EXPECT_EQ(extendedPortArgument(NetAddress::fromIpv4(ip("192.0.2.7"), 21)), "|1|192.0.2.7|21|");
    EXPECT_EQ(NetAddress::fromIpv4(ip("192.0.2.7"), 21).bracketedText(), "[192.0.2.7:21]");
}

TEST_F(DataConnectionTest, RestAcceptedKeepsTheOffsetRefusedDropsIt) {
    script();
    server.expectPasv()
        .expect("REST 3000000000")
        .reply("350 Restarting")
        .expect("RETR big")
        .reply("150 ok")
        .sendData("")
        .reply("226 ok")
        .expectPasv()
        .expect("REST 3000000000")
        .reply("502 REST not implemented")
        .expect("RETR big")
        .reply("150 ok")
        .sendData("")
        .reply("226 ok");
    login();
    TransferJob job(*session);
    job.setRestart(true, 3000000000LL);  // beyond 32 bits
    ASSERT_EQ(job.openDataConnection("RETR big"), FtpSession::kDataOpen);
    EXPECT_EQ(job.restartOffset(), 3000000000LL);
    readAll();
    session->control().readReply();
    job.setRestart(true, 3000000000LL);
    ASSERT_EQ(job.openDataConnection("RETR big"), FtpSession::kDataOpen);
    EXPECT_EQ(job.restartOffset(), 0);
    readAll();
    session->control().readReply();
    finish();
}

TEST_F(DataConnectionTest, RefusedCommandClosesTheDataSocket) {
    script();
    server.expectPasv()
        .expect("RETR missing")
        .reply("550 No such file.")
        .expectPort()
        .expect("RETR missing")
        .reply("550 No such file.")
        .expectPasv()
        .expect("RETR x")
        .reply("421 Bye");
    login();
    EXPECT_EQ(session->openDataConnection("RETR missing"), FtpSession::kDataFailed);
    EXPECT_FALSE(session->dataSocket().isOpen());
    h.config.SetInt("Passive", 0);
    session->settingChanged("Passive");
    EXPECT_EQ(session->openDataConnection("RETR missing"), FtpSession::kDataFailed);
    h.config.SetInt("Passive", 1);
    session->settingChanged("Passive");
    EXPECT_EQ(session->openDataConnection("RETR x"), FtpSession::kDataControlLost);
    finish();
}

TEST_F(DataConnectionTest, PasvAnswered421MeansTheControlConnectionIsGone) {
    script();
    server.expect("PASV").reply("421 Service closing");
    login();
    EXPECT_EQ(session->openDataConnection("LIST"), FtpSession::kDataControlLost);
    finish();
    EXPECT_TRUE(h.logHas("... [DATA] connection CLOSED"));
}

TEST_F(DataConnectionTest, MalformedPasvReplyFailsBeforeTheCommandIsSent) {
    script();
    server.expect("PASV").reply("227 Entering Passive Mode (127,0,0,1,300,1)").expect("NOOP");
    login();
    EXPECT_EQ(session->openDataConnection("RETR f"), FtpSession::kDataFailed);
    session->control().sendCommand("NOOP");
    finish();
    EXPECT_TRUE(h.logHas("... invalid PASV reply: 227 Entering Passive Mode (127,0,0,1,300,1)"));
}

TEST_F(DataConnectionTest, NothingListeningAtThePasvAddress) {
    script();
    // Port 1 on loopback: nobody listens there.
    server.expect("PASV")
        .reply("227 Entering Passive Mode (127,0,0,1,0,1)")
        .expect("RETR f")
        .reply("425 Can't open data connection.")
        .expect("NOOP")
        .reply("200 NOOP ok.");
    login();
    EXPECT_EQ(session->openDataConnection("RETR f"), FtpSession::kDataFailed);
    EXPECT_TRUE(h.logHas("... Connect failed, WinSock err = WSAECONNREFUSED")) << h.logText();
    // The 425 belongs to the RETR: the next command reads its own reply.
    session->control().sendCommand("NOOP");
    EXPECT_EQ(session->control().readReply(), 200);
    finish();
}

// A server that accepted the command (150) waits for a connection that never comes:
// it is told ABOR, and the dialogue stays in step.
TEST_F(DataConnectionTest, AnAcceptedCommandWithoutItsDataConnectionIsAborted) {
    script();
    server.expect("PASV")
        .reply("227 Entering Passive Mode (127,0,0,1,0,1)")
        .expect("RETR f")
        .reply("150 Opening BINARY mode data connection for f (10 bytes).")
        .expect("ABOR")
        .reply("426 Connection closed; transfer aborted.")
        .reply("226 ABOR successful.")
        .expect("NOOP")
        .reply("200 NOOP ok.");
    login();
    EXPECT_EQ(session->openDataConnection("RETR f"), FtpSession::kDataFailed);
    session->control().sendCommand("NOOP");
    EXPECT_EQ(session->control().readReply(), 200);
    finish();
}

// The line went dead while the data connection was being made: a lost connection (the
// run logs in again), not a failed file on a working one.
TEST_F(DataConnectionTest, AControlConnectionLostWhileTheDataConnectionFailsIsLost) {
    script();
    server.expect("PASV")
        .reply("227 Entering Passive Mode (127,0,0,1,0,1)")
        .expect("RETR f")
        .drop();
    login();
    EXPECT_EQ(session->openDataConnection("RETR f"), FtpSession::kDataControlLost);
    EXPECT_TRUE(server.waitDone());
}

// The FTP bounce: a 227 naming a third party (another loopback address, where this
// script's listener is not) must not carry the upload there.
TEST_F(DataConnectionTest, APasvReplyNamingAnotherHostIsNotFollowed) {
    script();
    server.expectPasv("127,0,0,2")
        .expect("STOR up.txt")
        .reply("150 Ok to send data.")
        .receiveData()
        .reply("226 Transfer complete.");
    login();
    ASSERT_EQ(session->openDataConnection("STOR up.txt"), FtpSession::kDataOpen) << h.logText();
    const char payload[] = "for the server only";
    EXPECT_EQ(session->dataSocket().writeExact(payload, sizeof payload - 1),
              static_cast<int>(sizeof payload - 1));
    session->dataSocket().close();
    EXPECT_EQ(session->control().readReply(), 226);
    finish();
    EXPECT_EQ(server.receivedData(), Lines{"for the server only"});
    EXPECT_TRUE(h.logHas("... PASV reply names 127.0.0.2; using server address 127.0.0.1"))
        << h.logText();
    EXPECT_NE(h.logText().find("Connected to [127.0.0.1:"), std::string::npos) << h.logText();
}

TEST_F(DataConnectionTest, WithPasvReplyAddressSetTheReplysAddressIsFollowed) {
    h.config.SetInt("PasvReplyAddress", 1);  // the settings-file value
    script();
    server.expectPasvOn("127.0.0.2")
        .expect("RETR f")
        .reply("150 Opening")
        .sendData("from elsewhere")
        .reply("226 done");
    login();
    ASSERT_EQ(session->openDataConnection("RETR f"), FtpSession::kDataOpen) << h.logText();
    EXPECT_EQ(readAll(), "from elsewhere");
    EXPECT_EQ(session->control().readReply(), 226);
    finish();
    EXPECT_NE(h.logText().find("Connected to [127.0.0.2:"), std::string::npos) << h.logText();
    EXPECT_EQ(h.logText().find("PASV reply names"), std::string::npos) << h.logText();
}

// Connects from a chosen loopback source address, sends bytes and closes.
void intrude(const std::string& source, const std::string& host, unsigned port,
             const std::string& bytes) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in from{};
    from.sin_family = AF_INET;
    inet_pton(AF_INET, source.c_str(), &from.sin_addr);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    inet_pton(AF_INET, host.c_str(), &to.sin_addr);
    to.sin_port = htons(static_cast<uint16_t>(port));
    if (::bind(fd, reinterpret_cast<sockaddr*>(&from), sizeof from) == 0 &&
        ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0) {
        EXPECT_EQ(::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(bytes.size()));
    } else {
        ADD_FAILURE() << "the intruder could not connect from " << source;
    }
    ::close(fd);
}

// Someone races the server to the PORT listener: that connection is refused, and the
// server's own, which comes next, carries the file.
TEST_F(DataConnectionTest, AnIntruderAtThePortListenerIsRefusedAndTheServerStillServes) {
    h.config.SetInt("Passive", 0);
    script();
    server.expectPort()
        .expect("RETR f")
        .run([this] { intrude("127.0.0.2", server.portHost(), server.portPort(), "forged"); })
        .reply("150 Opening")
        .sendData("genuine")
        .reply("226 done");
    login();
    ASSERT_EQ(session->openDataConnection("RETR f"), FtpSession::kDataOpen) << h.logText();
    EXPECT_EQ(readAll(), "genuine");
    EXPECT_EQ(session->control().readReply(), 226);
    finish();
    EXPECT_TRUE(
        h.logHas("*** [DATA] Connection from 127.0.0.2 refused: not the server (127.0.0.1)"))
        << h.logText();
}

TEST_F(DataConnectionTest, FtpProxyAlwaysUsesPort) {
    h.useFtpProxy(server.port());
    server.expectProxyLogin("anonymous@ftp.example.org")
        .expectPort()
        .expect("LIST")
        .reply("150 ok")
        .sendData("")
        .reply("226 ok")
        .expectPort()
        .expect("LIST")
        .reply("150 ok")
        .sendData("")
        .reply("226 ok");
    server.start();
    session = h.makeSession("ftp.example.org");
    ASSERT_TRUE(session->start()) << h.logText();
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(session->openDataConnection("LIST"), FtpSession::kDataOpen);
        readAll();
        session->control().readReply();
    }
    finish();
    std::string log = h.logText();
    EXPECT_NE(log.find("... PASSIVE not valid with FTP proxy server; using PORT"),
              std::string::npos);
    EXPECT_EQ(log.find("PASSIVE not valid"), log.rfind("PASSIVE not valid"));
}

// Plays a server on a public address that names a private one in its 227 reply. Runs
// in a network namespace of its own, where the public address sits on the loopback
// interface, so nothing leaves this machine. Returns "" when the client connected to
// the server's own address, else what went wrong.
std::string natScenarioInOwnNamespace() {
    if (unshare(CLONE_NEWNET) != 0) {
        return "skip: cannot make a network namespace";
    }
    if (std::system("ip link set lo up && ip addr add 198.51.100.7/32 dev lo") != 0) {
        return "skip: cannot configure the namespace's loopback interface";
    }
    SessionHarness h;
    ScriptedFtpServer server("198.51.100.7");
    server.reply("220 hi")
        .expect("USER anonymous")
        .reply("230 in")
        .expectFeatRefused()
        .expect("SYST")
        .reply("215 UNIX")
        .expectPasv("10,1,2,3")
        .expect("LIST")
        .reply("150 ok")
        .sendData("x")
        .reply("226 ok");
    server.start();
    auto session = h.makeSession("ftp://198.51.100.7:" + std::to_string(server.port()));
    if (!session->start())
        return "login failed:\n" + h.logText();
    if (session->openDataConnection("LIST") != FtpSession::kDataOpen) {
        return "no data connection:\n" + h.logText();
    }
    session->dataSocket().close();
    session->control().readReply();
    session->closeControl();
    server.waitDone();
    if (!h.logHas("... PASV reply names 10.1.2.3; using server address 198.51.100.7")) {
        return "no log line for the replaced address:\n" + h.logText();
    }
    if (h.logText().find("Connected to [198.51.100.7:") == std::string::npos) {
        return "did not connect to the server's address:\n" + h.logText();
    }
    return "";
}

TEST(PassiveNatTest, PrivateAddressFromAPublicServerIsReplacedByTheServers) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to make a network namespace";
    }
    const std::string result = test::runInChild(natScenarioInOwnNamespace);
    if (result.rfind("skip: ", 0) == 0) {
        GTEST_SKIP() << result.substr(6);
    }
    EXPECT_EQ(result, "");
}

class RealServerDataTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        std::ofstream(server.root() + "/hello.txt") << "hello from the server\n";
    }
    std::string listOnce() {
        EXPECT_EQ(session->openDataConnection("LIST"), FtpSession::kDataOpen) << h.logText();
        std::string got = test::readToEnd(session->dataSocket());
        EXPECT_EQ(session->control().readReply(), 226) << h.logText();
        return got;
    }

    PyFtpdServer server;
    SessionHarness h;
    std::unique_ptr<FtpSession> session;
};

TEST_F(RealServerDataTest, ListInPassiveAndActiveMode) {
    session = h.makeSession(server.url());
    ASSERT_TRUE(session->start()) << h.logText();
    EXPECT_NE(listOnce().find("hello.txt"), std::string::npos);
    EXPECT_TRUE(h.logHas("<PASV"));

    h.config.SetInt("Passive", 0);
    session->settingChanged("Passive");
    EXPECT_NE(listOnce().find("hello.txt"), std::string::npos);
    EXPECT_NE(h.logText().find("<PORT 127,0,0,1,"), std::string::npos);
    EXPECT_NE(h.logText().find("Accepted connection on [127.0.0.1:"), std::string::npos);
    session->closeControl();
}

}  // namespace
}  // namespace nubo
