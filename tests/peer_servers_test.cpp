// The peers that tests and benchmarks put in front of the client: real servers that let
// one address have only so many connections, and the relay that makes loopback a long
// line. Driven by a bare client, so what they do is seen apart from the engine.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/background_process.h"
#include "tests/support/delay_relay.h"
#include "tests/support/proftpd_fixture.h"
#include "tests/support/pure_ftpd_fixture.h"
#include "tests/support/raw_ftp_client.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/test_util.h"
#include "tests/support/tls_certificate.h"
#include "tests/support/vsftpd_fixture.h"

namespace nubo {
namespace {

using test::patternBytes;
using test::RawFtpClient;
using test::readFile;
using test::waitFor;
using test::writeFile;

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// `limit` sessions log in and list the root; one more is refused with `refusal` and
// closed; once a session has quit, a new one is let in.
void expectLimitPerAddress(unsigned port, unsigned limit, const std::string& refusal) {
    std::vector<std::unique_ptr<RawFtpClient>> sessions;
    for (unsigned i = 0; i < limit; ++i) {
        sessions.push_back(std::make_unique<RawFtpClient>());
        RawFtpClient& session = *sessions.back();
        ASSERT_EQ(session.connect(port).code, 220) << "session " << i;
        ASSERT_TRUE(session.loginAnonymous()) << "session " << i;
        const RawFtpClient::Transfer listing = session.retrieve("LIST");
        EXPECT_EQ(listing.reply.code, 226) << listing.reply.text;
        EXPECT_NE(listing.data.find("incoming"), std::string::npos) << listing.data;
    }
    RawFtpClient extra;
    const RawFtpClient::Reply refused = extra.connect(port);
    EXPECT_EQ(refused.code, 421) << refused.text;
    EXPECT_TRUE(startsWith(refused.text, refusal + "\r\n")) << refused.text;
    EXPECT_EQ(extra.command("USER anonymous").code, 0) << "the refused connection stays open";

    EXPECT_EQ(sessions.front()->command("QUIT").code, 221);
    sessions.front()->close();
    // The server frees the place when it has reaped the session's process.
    EXPECT_TRUE(waitFor([&] { return extra.connect(port).code == 220; }, 10000));
}

TEST(ConnectionLimitTest, VsftpdRefusesAConnectionBeyondItsLimitPerAddress) {
    test::VsftpdServer::Options options;
    options.maxPerIp = 2;
    test::VsftpdServer server(options);
    ASSERT_TRUE(server.running()) << server.startError();
    expectLimitPerAddress(server.port(), 2, test::VsftpdServer::kRefusalPerIp);
}

TEST(ConnectionLimitTest, PureFtpdRefusesAConnectionBeyondItsLimitPerAddress) {
    test::PureFtpdServer::Options options;
    options.maxPerIp = 3;
    test::PureFtpdServer server(options);
    ASSERT_TRUE(server.running()) << server.startError();
    expectLimitPerAddress(server.port(), 3, test::PureFtpdServer::refusalPerIp(3));
}

TEST(ConnectionLimitTest, PureFtpdServesItsOwnRootAndTakesUploadsIntoIncoming) {
    test::PureFtpdServer server;
    ASSERT_TRUE(server.running()) << server.startError();
    std::filesystem::create_directories(server.root() + "/pub");
    writeFile(server.root() + "/pub/data.bin", patternBytes(300000));

    RawFtpClient client;
    ASSERT_EQ(client.connect(server.port()).code, 220);
    ASSERT_TRUE(client.loginAnonymous());
    ASSERT_EQ(client.command("TYPE I").code, 200);
    const RawFtpClient::Transfer download =
        client.retrieve("RETR /pub/data.bin", RawFtpClient::Passive::Epsv);
    EXPECT_EQ(download.reply.code, 226) << download.reply.text;
    EXPECT_TRUE(download.data == patternBytes(300000));

    EXPECT_EQ(client.store("STOR /incoming/up.bin", patternBytes(200000)).code, 226);
    EXPECT_TRUE(readFile(server.root() + "/incoming/up.bin") == patternBytes(200000));
    EXPECT_EQ(client.command("MKD /incoming/sub").code, 257);
    EXPECT_TRUE(std::filesystem::is_directory(server.root() + "/incoming/sub"));
    // Outside "incoming" the anonymous user writes nothing.
    EXPECT_NE(client.store("STOR /pub/up.bin", "x").code, 226);
    EXPECT_FALSE(std::filesystem::exists(server.root() + "/pub/up.bin"));
}

// proftpd's own user logs in to its folder and sends and takes files there; with a
// certificate it wants TLS before the user's name (its data connections over TLS are the
// engine's tests' part).
TEST(ProftpdPeerTest, ItsUserWorksInItsFolderAndTlsComesFirstWhenRequired) {
    test::ProftpdServer plain(test::ProftpdServer::Options{});
    ASSERT_TRUE(plain.running()) << plain.startError();
    RawFtpClient client;
    ASSERT_EQ(client.connect(plain.port()).code, 220);
    EXPECT_EQ(client.command(std::string("USER ") + test::ProftpdServer::kUser).code, 331);
    ASSERT_EQ(client.command(std::string("PASS ") + test::ProftpdServer::kPassword).code, 230);
    ASSERT_EQ(client.command("TYPE I").code, 200);
    EXPECT_EQ(client.store("STOR incoming/up.bin", patternBytes(200000)).code, 226);
    EXPECT_TRUE(readFile(plain.root() + "/incoming/up.bin") == patternBytes(200000));
    const RawFtpClient::Transfer back = client.retrieve("RETR incoming/up.bin");
    EXPECT_EQ(back.reply.code, 226) << back.reply.text;
    EXPECT_TRUE(back.data == patternBytes(200000));

    test::TempFolder temp{"nubo-proftpd-peer"};
    test::ProftpdServer::Options options;
    options.pem = test::makeSelfSignedPem(temp.path());
    ASSERT_FALSE(options.pem.empty());
    test::ProftpdServer tls(options);
    ASSERT_TRUE(tls.running()) << tls.startError();
    RawFtpClient clear;
    ASSERT_EQ(clear.connect(tls.port()).code, 220);
    EXPECT_EQ(clear.command(std::string("USER ") + test::ProftpdServer::kUser).code, 550);
    EXPECT_EQ(clear.command("AUTH TLS").code, 234);
}

TEST(DelayRelayTest, ConcurrentSessionsCrossTheRelayIntactBothWays) {
    test::VsftpdServer server;
    ASSERT_TRUE(server.running()) << server.startError();
    writeFile(server.root() + "/big.bin", patternBytes(3000000));
    writeFile(server.root() + "/small.bin", patternBytes(5000));
    test::DelayRelay relay(server.port(), 5);
    ASSERT_TRUE(relay.running()) << relay.startError();

    // All log in before any works, so that all are open at once.
    constexpr int kSessions = 4;
    std::vector<std::unique_ptr<RawFtpClient>> sessions;
    for (int i = 0; i < kSessions; ++i) {
        sessions.push_back(std::make_unique<RawFtpClient>(30000));
        ASSERT_EQ(sessions.back()->connect(relay.port()).code, 220);
        ASSERT_TRUE(sessions.back()->loginAnonymous());
        ASSERT_EQ(sessions.back()->command("TYPE I").code, 200);
    }
    std::vector<std::string> failures(kSessions);
    std::vector<std::thread> threads;
    for (int i = 0; i < kSessions; ++i) {
        threads.emplace_back([&, i] {
            RawFtpClient& session = *sessions[i];
            std::string& failure = failures[i];
            const auto big = session.retrieve("RETR big.bin", RawFtpClient::Passive::Pasv);
            if (big.reply.code != 226 || big.data != patternBytes(3000000))
                failure += "PASV download: " + big.reply.text;
            const auto small = session.retrieve("RETR small.bin", RawFtpClient::Passive::Epsv);
            if (small.reply.code != 226 || small.data != patternBytes(5000))
                failure += "EPSV download: " + small.reply.text;
            const std::string upload = patternBytes(1000000 + i);
            const auto stored = session.store("STOR incoming/up" + std::to_string(i), upload);
            if (stored.code != 226)
                failure += "upload: " + stored.text;
            if (session.command("QUIT").code != 221)
                failure += "no answer to QUIT";
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    sessions.clear();
    for (int i = 0; i < kSessions; ++i) {
        EXPECT_EQ(failures[i], "") << "session " << i;
        EXPECT_TRUE(readFile(server.root() + "/incoming/up" + std::to_string(i)) ==
                    patternBytes(1000000 + i))
            << "upload " << i;
    }
    EXPECT_TRUE(waitFor([&] { return relay.count("open-control") == 0; }, 10000));
    EXPECT_EQ(relay.count("control"), kSessions);
    EXPECT_EQ(relay.count("data"), 3 * kSessions);
    EXPECT_EQ(relay.count("peak-control"), kSessions);
}

TEST(DelayRelayTest, ASessionThatQuitsWithoutWaitingIsClosedThroughout) {
    // As programs do at their exit: QUIT and close, without reading the reply. The
    // server's end and the client's then cross in the relay.
    test::VsftpdServer server;
    ASSERT_TRUE(server.running()) << server.startError();
    test::DelayRelay relay(server.port(), 5);
    ASSERT_TRUE(relay.running()) << relay.startError();
    for (int i = 0; i < 3; ++i) {
        RawFtpClient client;
        ASSERT_EQ(client.connect(relay.port()).code, 220);
        ASSERT_TRUE(client.loginAnonymous());
        ASSERT_TRUE(client.send("QUIT"));
    }
    EXPECT_TRUE(waitFor([&] { return relay.count("control") == 3; }, 5000));
    EXPECT_TRUE(waitFor([&] { return relay.count("open-control") == 0; }, 5000))
        << relay.count("open-control") << " still open";
}

TEST(DelayRelayTest, ABrokenDataConnectionArrivesBroken) {
    // A reset must not become a clean end: a cut download would look complete.
    test::ScriptedFtpServer server;
    server.reply("220 hi")
        .expectPasv()
        .expect("RETR f")
        .reply("150 here")
        .startData(patternBytes(100000))
        .delay(200)
        .resetData()
        .reply("426 broken")
        .expectClose();
    server.start();
    test::DelayRelay relay(server.port(), 5);
    ASSERT_TRUE(relay.running()) << relay.startError();

    RawFtpClient client;
    ASSERT_EQ(client.connect(relay.port()).code, 220);
    const RawFtpClient::Transfer transfer = client.retrieve("RETR f");
    EXPECT_TRUE(transfer.reset) << transfer.data.size() << " bytes, then a clean end";
    EXPECT_EQ(transfer.reply.code, 426);
    client.close();
    EXPECT_TRUE(server.waitDone());
    EXPECT_TRUE(server.failures().empty());
}

TEST(DelayRelayTest, APassiveReplySplitAcrossSegmentsIsStillRelayed) {
    // The server's data listener, named in a 227 that comes in two pieces.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = test::loopbackAddress(0);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    const unsigned dataPort = ntohs(address.sin_port);

    test::ScriptedFtpServer server;
    server.reply("220 hi")
        .expect("PASV")
        .sendRaw("227 Entering Passive Mode (127,0,0,1,")
        .delay(100)
        .sendRaw(std::to_string(dataPort / 256) + "," + std::to_string(dataPort % 256) + ")\r\n")
        .expect("RETR f")
        .reply("150 here")
        .run([listener] {
            const int data = ::accept(listener, nullptr, nullptr);
            const std::string payload = patternBytes(70000);
            ::send(data, payload.data(), payload.size(), MSG_NOSIGNAL);
            ::close(data);
        })
        .reply("226 done")
        .expectClose();
    server.start();
    test::DelayRelay relay(server.port(), 5);
    ASSERT_TRUE(relay.running()) << relay.startError();

    RawFtpClient client;
    ASSERT_EQ(client.connect(relay.port()).code, 220);
    const RawFtpClient::Transfer transfer = client.retrieve("RETR f");
    EXPECT_EQ(transfer.reply.code, 226) << transfer.reply.text;
    EXPECT_TRUE(transfer.data == patternBytes(70000));
    client.close();
    EXPECT_TRUE(server.waitDone());
    ::close(listener);
    // Through the relay's own listener, not straight to the server's.
    EXPECT_TRUE(waitFor([&] { return relay.count("data") == 1; }, 5000));
}

}  // namespace
}  // namespace nubo
