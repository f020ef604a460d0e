#include "engine/ftp_socket.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "engine/host_lookup.h"
#include "engine/winsock_error.h"

namespace nubo {
namespace {

const uint32_t kLoopback = htonl(INADDR_LOOPBACK);

// A connected client/server pair on loopback: `client` is the socket under test,
// `server` plays the peer.
struct SocketPair {
    SocketPair() {
        EXPECT_TRUE(listener.createBlocking());
        EXPECT_TRUE(listener.listen(kLoopback, 0, 1));
        uint32_t address = 0;
        unsigned port = 0;
        EXPECT_TRUE(listener.localAddress(&address, &port));
        EXPECT_TRUE(client.createBlocking());
        EXPECT_TRUE(client.connectAddress(kLoopback, port));
        EXPECT_TRUE(listener.accept(server));
    }
    void serverSends(const std::string& bytes) {
        ASSERT_EQ(server.writeExact(bytes.data(), static_cast<int>(bytes.size())),
                  static_cast<int>(bytes.size()));
    }
    FtpSocket listener, client, server;
};

TEST(FtpSocketTest, LineEndsAndTheUnterminatedLastLine) {
    SocketPair p;
    p.client.setBufferSize(4096);
    p.serverSends("one\r\ntwo\nthree\rX\nfour");
    p.server.close();
    char line[64];
    std::vector<std::string> lines;
    int n;
    while ((n = p.client.readLine(line, sizeof line)) >= 0) {
        lines.emplace_back(line, static_cast<size_t>(n));
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three", "four"}));
    EXPECT_EQ(n, FtpSocket::kClosed);
    EXPECT_STREQ(winsockErrorName(), "WSAECONNRESET");
}

TEST(FtpSocketTest, LineLengthLimitAcrossSmallReads) {
    SocketPair p;
    // A read size smaller than the line makes the line span several receives.
    p.client.setBufferSize(7);
    p.serverSends(std::string(255, 'a') + "\r\n" + std::string(300, 'b') + "\r\n");
    char line[256];
    EXPECT_EQ(p.client.readLine(line, sizeof line), 255);
    EXPECT_EQ(std::string(line), std::string(255, 'a'));
    EXPECT_EQ(p.client.readLine(line, sizeof line), FtpSocket::kError);
    EXPECT_STREQ(winsockErrorName(), "WSAEMSGSIZE");
}

TEST(FtpSocketTest, EmptyLinesAndEmbeddedNul) {
    SocketPair p;
    p.client.setBufferSize(16);
    p.serverSends(std::string("\r\n\nab\0cd\n", 9));
    char line[16];
    EXPECT_EQ(p.client.readLine(line, sizeof line), 0);
    EXPECT_EQ(p.client.readLine(line, sizeof line), 0);
    ASSERT_EQ(p.client.readLine(line, sizeof line), 5);
    EXPECT_EQ(std::string(line, 5), std::string("ab\0cd", 5));
}

TEST(FtpSocketTest, ReadExactReportsAnEarlyClose) {
    SocketPair p;
    p.serverSends("abc");
    p.server.close();
    char buf[8];
    EXPECT_EQ(p.client.readExact(buf, 8), FtpSocket::kClosed);
}

TEST(FtpSocketTest, ReadExactTakesBufferedBytesFirst) {
    SocketPair p;
    p.client.setBufferSize(4096);
    p.serverSends("line\r\n12345678");
    char line[16];
    ASSERT_EQ(p.client.readLine(line, sizeof line), 4);
    char buf[8];
    ASSERT_EQ(p.client.readExact(buf, 8), 8);
    EXPECT_EQ(std::string(buf, 8), "12345678");
}

TEST(FtpSocketTest, SendBlockStartsAtTheOffset) {
    SocketPair p;
    std::vector<uint8_t> source(10000);
    for (size_t i = 0; i < source.size(); ++i) {
        source[i] = static_cast<uint8_t>(i * 7 + i / 256);
    }
    p.client.setSendSource(source.data());
    p.client.setSendOffset(1000);
    std::vector<uint8_t> got(8192);
    std::thread reader([&] { EXPECT_EQ(p.server.readExact(got.data(), 8192), 8192); });
    EXPECT_EQ(p.client.sendBlock(8192), 8192);
    reader.join();
    EXPECT_TRUE(std::equal(got.begin(), got.end(), source.begin() + 1000));
    EXPECT_EQ(p.client.sendBlock(0), 0);
    EXPECT_EQ(p.client.takeBytesSent(), 8192);
    EXPECT_EQ(p.server.takeBytesReceived(), 8192);
    // Taken is cleared: the next take counts from there.
    EXPECT_EQ(p.client.takeBytesSent(), 0);
    EXPECT_EQ(p.server.takeBytesReceived(), 0);
}

TEST(FtpSocketTest, WriteLineAppendsCrLfAndRefusesOverlongText) {
    SocketPair p;
    EXPECT_EQ(p.client.writeLine("NOOP"), 6);
    char buf[6];
    ASSERT_EQ(p.server.readExact(buf, 6), 6);
    EXPECT_EQ(std::string(buf, 6), "NOOP\r\n");
    EXPECT_EQ(p.client.writeLine(std::string(515, 'x')), FtpSocket::kError);
    EXPECT_EQ(p.client.writeLine(std::string(514, 'x')), 516);
}

TEST(FtpSocketTest, ReadBlockAndBytesWaiting) {
    SocketPair p;
    p.client.setBufferSize(4);
    p.serverSends("abcdefgh");
    // Both blocks must have arrived before the count is asked.
    for (int i = 0; i < 100 && p.client.bytesWaiting() < 8; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(p.client.bytesWaiting(), 8);
    EXPECT_EQ(p.client.readBlock(), 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p.client.buffer()), 4), "abcd");
}

TEST(FtpSocketTest, SilentPeerTimesOut) {
    SocketPair p;
    p.client.setTimeouts(1000, 200);
    p.client.setBufferSize(64);
    char line[64];
    EXPECT_EQ(p.client.readLine(line, sizeof line), FtpSocket::kError);
    EXPECT_STREQ(winsockErrorName(), "WSAETIMEDOUT");
}

TEST(FtpSocketTest, RefusedConnectionAndOversizedPort) {
    // A port that was just in use and is closed now refuses.
    unsigned port = 0;
    {
        FtpSocket probe;
        ASSERT_TRUE(probe.createBlocking());
        ASSERT_TRUE(probe.listen(kLoopback, 0, 1));
        uint32_t address = 0;
        ASSERT_TRUE(probe.localAddress(&address, &port));
    }
    FtpSocket s;
    ASSERT_TRUE(s.createBlocking());
    EXPECT_FALSE(s.connect("127.0.0.1", port));
    EXPECT_STREQ(winsockErrorName(), "WSAECONNREFUSED");
    EXPECT_FALSE(s.connect("127.0.0.1", 65536 + port));
    EXPECT_STREQ(winsockErrorName(), "WSAEADDRNOTAVAIL");
}

TEST(FtpSocketTest, UnresolvableNames) {
    FtpSocket s;
    ASSERT_TRUE(s.createBlocking());
    EXPECT_FALSE(s.connect("no-such-host.invalid", 21));
    EXPECT_STREQ(winsockErrorName(), "WSAHOST_NOT_FOUND");
    // Digits and dots that form no address are used as an address, and fail as one.
    EXPECT_FALSE(s.connect("999.1.1.1", 21));
    EXPECT_STREQ(winsockErrorName(), "WSAEADDRNOTAVAIL");
}

TEST(FtpSocketTest, Ipv6ConnectionsAndTheirErrors) {
    FtpSocket listener;
    ASSERT_TRUE(listener.createBlocking());
    NetAddress any;
    ASSERT_TRUE(NetAddress::parseLiteral("::1", 0, &any));
    ASSERT_TRUE(listener.listenOn(any, 1)) << winsockErrorName();
    NetAddress bound;
    ASSERT_TRUE(listener.localEndpoint(&bound));
    EXPECT_TRUE(bound.isIpv6());

    // An IPv4 socket takes the family of the address it is asked to reach.
    FtpSocket s;
    ASSERT_TRUE(s.createBlocking());
    ASSERT_TRUE(s.setNoDelay(true));
    ASSERT_TRUE(s.connect("::1", bound.port())) << winsockErrorName();
    NetAddress peer;
    ASSERT_TRUE(s.peerEndpoint(&peer));
    EXPECT_EQ(peer.bracketedText(), "[::1]:" + std::to_string(bound.port()));
    uint32_t v4 = 0;
    unsigned port = 0;
    ASSERT_TRUE(s.peerAddress(&v4, &port));
    EXPECT_EQ(v4, 0xFFFFFFFFu) << "an IPv6 peer has no IPv4 address";

    listener.close();
    FtpSocket refused;
    EXPECT_FALSE(refused.connect("::1", bound.port()));
    EXPECT_STREQ(winsockErrorName(), "WSAECONNREFUSED");
    for (const char* text : {":::", "::1::2", "fe80::1%", "[::1]"}) {
        EXPECT_FALSE(refused.connect(text, 21)) << text;
        EXPECT_STREQ(winsockErrorName(), "WSAEADDRNOTAVAIL") << text;
    }
}

TEST(HostLookupTest, NamesGiveEveryAddressLiteralsThemselves) {
    std::vector<NetAddress> addresses;
    ASSERT_TRUE(resolveAll("127.1", 21, &addresses));
    ASSERT_EQ(addresses.size(), 1u);
    EXPECT_EQ(addresses[0].textWithPort(), "127.0.0.1:21");
    ASSERT_TRUE(resolveAll("2001:db8::ff00:42:8329", 990, &addresses));
    EXPECT_EQ(addresses[0].textWithPort(), "[2001:db8::ff00:42:8329]:990");
    ASSERT_TRUE(resolveAll("localhost", 2121, &addresses));
    ASSERT_FALSE(addresses.empty());
    for (const NetAddress& a : addresses) {
        EXPECT_EQ(a.port(), 2121u);
        EXPECT_TRUE(a.text() == "127.0.0.1" || a.text() == "::1") << a.text();
    }
    EXPECT_FALSE(resolveAll("no-such-host.invalid", 21, &addresses));
    EXPECT_EQ(lastWinsockError(), wsa::kHostNotFound);
}

TEST(HostLookupTest, DottedAddressIsDigitsAndDotsOnly) {
    EXPECT_TRUE(isDottedAddress("192.168.0.1"));
    EXPECT_TRUE(isDottedAddress("999.1"));
    EXPECT_TRUE(isDottedAddress(""));
    EXPECT_FALSE(isDottedAddress("10.0.0.1a"));
    EXPECT_FALSE(isDottedAddress("localhost"));
}

TEST(HostLookupTest, ForwardAndReverseLookupOfLoopback) {
    uint32_t address = 0;
    std::string name;
    ASSERT_TRUE(lookupHostByName("localhost", &address, &name));
    EXPECT_EQ(dottedAddress(address), "127.0.0.1");
    EXPECT_FALSE(name.empty());
    ASSERT_TRUE(lookupHostByAddress("127.0.0.1", &address, &name));
    EXPECT_EQ(address, kLoopback);
    EXPECT_FALSE(name.empty());
    EXPECT_FALSE(lookupHostByName("no-such-host.invalid", &address, &name));
    EXPECT_EQ(lastWinsockError(), wsa::kHostNotFound);
}

}  // namespace
}  // namespace nubo
