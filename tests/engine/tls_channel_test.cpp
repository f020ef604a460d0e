// The TLS channel against a small OpenSSL server on the other end of a socket pair, with
// a self-signed certificate made at test time.
#include "engine/tls_channel.h"

#include <gtest/gtest.h>
#include <openssl/ssl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

#include "tests/support/test_util.h"
#include "tests/support/tls_certificate.h"

namespace nubo {
namespace {

class TlsChannelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        cert = key = test::makeSelfSignedPem(temp.path(), nullptr, "nubo.test");
        ASSERT_FALSE(cert.empty());
        server = SSL_CTX_new(TLS_server_method());
        ASSERT_EQ(SSL_CTX_use_certificate_file(server, cert.c_str(), SSL_FILETYPE_PEM), 1);
        ASSERT_EQ(SSL_CTX_use_PrivateKey_file(server, key.c_str(), SSL_FILETYPE_PEM), 1);
    }
    void TearDown() override { SSL_CTX_free(server); }
    // Takes one upload: handshake, then reads until the client closes, never writing.
    // With tickets false it sends no ticket on it.
    static std::thread receive(int fd, SSL_CTX* context, bool tickets) {
        return std::thread([fd, context, tickets] {
            SSL* ssl = SSL_new(context);
            SSL_set_fd(ssl, fd);
            if (!tickets)
                SSL_set_num_tickets(ssl, 0);
            if (SSL_accept(ssl) == 1) {
                char buffer[256];
                while (SSL_read(ssl, buffer, sizeof buffer) > 0) {
                }
                SSL_shutdown(ssl);
            }
            SSL_free(ssl);
            ::close(fd);
        });
    }
    // A control connection (its tickets read with its first data), then `uploads` data
    // connections that only send, as uploads do; how many of them resumed its session.
    int uploadsResumed(SSL_CTX* context, int uploads, bool ticketsOnUploads) {
        int pair[2];
        EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
        std::thread peer = serve(pair[1], context);
        TlsChannel control;
        std::string error;
        char buffer[16] = {};
        EXPECT_TRUE(control.connect(pair[0], "nubo.test", nullptr, &error)) << error;
        EXPECT_EQ(control.read(buffer, 5), 5);
        EXPECT_EQ(control.description().rfind("TLS 1.3", 0), 0u) << control.description();
        int resumed = 0;
        for (int i = 0; i < uploads; ++i) {
            int fds[2];
            EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
            std::thread dataPeer = receive(fds[1], context, ticketsOnUploads);
            TlsChannel data;
            if (data.connect(fds[0], "nubo.test", &control, &error) && data.resumed() &&
                data.write("file", 4) == 4)
                ++resumed;
            end(data, fds[0], dataPeer);
        }
        control.close();
        ::shutdown(pair[0], SHUT_WR);
        peer.join();
        ::close(pair[0]);
        return resumed;
    }
    // Ends a connection as an upload does: close_notify, the sending side shut, and what
    // the server sends until its end read (a ticket among it).
    static void end(TlsChannel& channel, int fd, std::thread& peer) {
        channel.close();
        ::shutdown(fd, SHUT_WR);
        char buffer[256];
        while (channel.read(buffer, sizeof buffer) > 0) {
        }
        peer.join();
        ::close(fd);
    }
    // Serves one connection: handshake, "hello", then echoes until the client closes.
    std::thread serve(int fd, SSL_CTX* context = nullptr) {
        return std::thread([this, fd, context] {
            SSL* ssl = SSL_new(context != nullptr ? context : server);
            SSL_set_fd(ssl, fd);
            if (SSL_accept(ssl) == 1) {
                SSL_write(ssl, "hello", 5);
                char buffer[256];
                int got;
                while ((got = SSL_read(ssl, buffer, sizeof buffer)) > 0)
                    SSL_write(ssl, buffer, got);
                SSL_shutdown(ssl);
            }
            SSL_free(ssl);
            ::close(fd);
        });
    }

    test::TempFolder temp{"nubo-tls"};
    std::string cert, key;
    SSL_CTX* server = nullptr;
};

TEST_F(TlsChannelTest, HandshakeDataCertificateAndAResumedSession) {
    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    std::thread peer = serve(pair[1]);
    TlsChannel control;
    std::string error;
    ASSERT_TRUE(control.connect(pair[0], "nubo.test", nullptr, &error)) << error;
    EXPECT_EQ(control.description().rfind("TLS 1.", 0), 0u) << control.description();
    char buffer[16] = {};
    ASSERT_EQ(control.read(buffer, 5), 5);
    EXPECT_EQ(std::string(buffer, 5), "hello");
    ASSERT_EQ(control.write("ping", 4), 4);
    ASSERT_EQ(control.read(buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 4), "ping");
    // Self-signed: it does not verify, and it says why; the fingerprint is SHA-256.
    const TlsChannel::Certificate& presented = control.certificate();
    EXPECT_FALSE(presented.verified);
    EXPECT_FALSE(presented.problem.empty());
    EXPECT_NE(presented.subject.find("nubo.test"), std::string::npos) << presented.subject;
    EXPECT_EQ(presented.fingerprint.size(), 95u);

    // A second connection (a data connection) resumes the first one's session.
    int second[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, second), 0);
    std::thread dataPeer = serve(second[1]);
    TlsChannel data;
    ASSERT_TRUE(data.connect(second[0], "nubo.test", &control, &error)) << error;
    EXPECT_TRUE(data.resumed());
    ASSERT_EQ(data.read(buffer, 5), 5);
    data.close();
    ::shutdown(second[0], SHUT_WR);
    dataPeer.join();
    control.close();
    ::shutdown(pair[0], SHUT_WR);
    peer.join();
    ::close(pair[0]);
    ::close(second[0]);
}

// A data connection is the control connection's server's only when it resumes that
// server's session or shows its certificate; a stranger's session (a host with another
// certificate answering a data connection) is never offered again, where the stranger
// would resume it and pass for the server.
TEST_F(TlsChannelTest, OnlyTheServersConnectionsPassAndAStrangersSessionIsNotPassedOn) {
    test::TempFolder otherFolder{"nubo-tls-other"};
    const std::string otherPem = test::makeSelfSignedPem(otherFolder.path(), nullptr, "nubo.test");
    ASSERT_FALSE(otherPem.empty());
    SSL_CTX* stranger = SSL_CTX_new(TLS_server_method());
    ASSERT_EQ(SSL_CTX_use_certificate_file(stranger, otherPem.c_str(), SSL_FILETYPE_PEM), 1);
    ASSERT_EQ(SSL_CTX_use_PrivateKey_file(stranger, otherPem.c_str(), SSL_FILETYPE_PEM), 1);

    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    std::thread peer = serve(pair[1]);
    TlsChannel control;
    std::string error;
    ASSERT_TRUE(control.connect(pair[0], "nubo.test", nullptr, &error)) << error;
    char buffer[16] = {};
    ASSERT_EQ(control.read(buffer, 5), 5);  // the tickets come with the first data

    // Connects a data connection to a server context; whether it passes for the server.
    bool resumed = false;
    auto dataConnection = [&](SSL_CTX* context) {
        int fds[2];
        EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
        std::thread dataPeer = serve(fds[1], context);
        TlsChannel data;
        bool same = false;
        if (data.connect(fds[0], "nubo.test", &control, &error) && data.read(buffer, 5) == 5) {
            same = data.sameServerAs(control);
            resumed = data.resumed();
        }
        data.close();
        ::shutdown(fds[0], SHUT_WR);
        dataPeer.join();
        ::close(fds[0]);
        return same;
    };
    EXPECT_FALSE(dataConnection(stranger));
    EXPECT_FALSE(dataConnection(stranger));  // it did not get to resume its own session
    // The server's sessions that the stranger could not resume still serve the server.
    EXPECT_TRUE(dataConnection(server));
    EXPECT_TRUE(resumed);
    EXPECT_TRUE(dataConnection(server));
    EXPECT_TRUE(resumed);

    control.close();
    ::shutdown(pair[0], SHUT_WR);
    peer.join();
    ::close(pair[0]);
    SSL_CTX_free(stranger);
}

// TLS 1.3 tickets come after the handshake. A server that takes each ticket for one use
// (OpenSSL's with tickets kept in its cache) sends a fresh one on every connection, which
// an upload (reading nothing) must take in as it closes; a server that sends none on
// uploads (as proftpd does) takes the newest one again.
TEST_F(TlsChannelTest, EveryUploadResumesUnderTls13WithTicketsForOneUseOrNoneOnUploads) {
    // OpenSSL's server keeps the tickets in its cache and takes each out when it is used
    // (against replays) once it allows early data.
    SSL_CTX_set_max_early_data(server, 1024);
    SSL_CTX_set_session_id_context(server, reinterpret_cast<const unsigned char*>("t"), 1);
    EXPECT_EQ(uploadsResumed(server, 8, true), 8);

    SSL_CTX* stateless = SSL_CTX_new(TLS_server_method());
    ASSERT_EQ(SSL_CTX_use_certificate_file(stateless, cert.c_str(), SSL_FILETYPE_PEM), 1);
    ASSERT_EQ(SSL_CTX_use_PrivateKey_file(stateless, key.c_str(), SSL_FILETYPE_PEM), 1);
    EXPECT_EQ(uploadsResumed(stateless, 8, false), 8);
    SSL_CTX_free(stateless);
}

// A server that takes another key exchange group than the first the client offers (vsftpd
// takes P-256 alone) asks the control connection's hello again; data connections offer
// the group it chose first and are not asked again.
TEST_F(TlsChannelTest, DataConnectionsOfferTheGroupTheServerChoseForTheControlConnection) {
    ASSERT_EQ(SSL_CTX_set1_groups_list(server, "P-256"), 1);
    std::atomic<int> hellos{0};
    SSL_CTX_set_msg_callback(server, [](int written, int, int type, const void* message,
                                        size_t length, SSL*, void* count) {
        if (!written && type == SSL3_RT_HANDSHAKE && length > 0 &&
            *static_cast<const unsigned char*>(message) == SSL3_MT_CLIENT_HELLO)
            ++*static_cast<std::atomic<int>*>(count);
    });
    SSL_CTX_set_msg_callback_arg(server, &hellos);

    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    std::thread peer = serve(pair[1]);
    TlsChannel control;
    std::string error;
    char buffer[16] = {};
    ASSERT_TRUE(control.connect(pair[0], "nubo.test", nullptr, &error)) << error;
    ASSERT_EQ(control.read(buffer, 5), 5);
    EXPECT_EQ(hellos.load(), 2);  // asked again for P-256
    for (int i = 0; i < 3; ++i) {
        int fds[2];
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
        std::thread dataPeer = serve(fds[1]);
        const int before = hellos.load();
        TlsChannel data;
        ASSERT_TRUE(data.connect(fds[0], "nubo.test", &control, &error)) << error;
        EXPECT_EQ(data.read(buffer, 5), 5);
        EXPECT_TRUE(data.resumed());
        EXPECT_EQ(hellos.load() - before, 1) << "data connection " << i;
        end(data, fds[0], dataPeer);
    }
    control.close();
    ::shutdown(pair[0], SHUT_WR);
    peer.join();
    ::close(pair[0]);
}

TEST_F(TlsChannelTest, APeerThatDropsMidHandshakeIsAFailureWithAReason) {
    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    std::thread peer([fd = pair[1]] {
        char hello[64];
        (void)::read(fd, hello, sizeof hello);  // the client's hello, then gone
        ::close(fd);
    });
    TlsChannel channel;
    std::string error;
    EXPECT_FALSE(channel.connect(pair[0], "nubo.test", nullptr, &error));
    EXPECT_FALSE(error.empty());
    peer.join();
    ::close(pair[0]);
}

}  // namespace
}  // namespace nubo
