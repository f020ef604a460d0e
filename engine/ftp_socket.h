#pragma once

#include <atomic>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/low_speed_guard.h"
#include "engine/net_address.h"

namespace nubo {

class TlsChannel;

// A blocking, buffered TCP stream over a POSIX socket: reads lines and blocks, reads
// and writes exact byte counts, writes command lines, and sends straight out of
// caller-owned memory (a mapped file). Results are a byte count, kError for a socket
// error or kClosed when the peer closed the connection; every failure leaves its
// WinSock code as the thread's last error (see winsock_error.h).
//
// One thread uses a socket at a time; the only exception is the control connection,
// whose writes are serialised by the session.
class FtpSocket {
  public:
    static constexpr int kError = -1;
    static constexpr int kClosed = -2;

    FtpSocket();
    ~FtpSocket();
    FtpSocket(const FtpSocket&) = delete;
    FtpSocket& operator=(const FtpSocket&) = delete;

    // Creates the stream socket (IPv4 unless told), blocking. False on failure.
    bool createBlocking(int family = AF_INET);
    bool isOpen() const { return fd_ >= 0; }
    int handle() const { return fd_; }
    void close();
    // Takes over a connected socket descriptor (socketpair ends, accepted sockets).
    void adopt(int fd);
    // Shuts both directions down without closing, to wake a thread blocked on it.
    void shutdown();

    // Time limits of this socket (see net_timeouts.h for the defaults).
    void setTimeouts(int connectMilliseconds, int silenceMilliseconds);
    // Fewer than floorBytes moved in windowMs fails a receive or send as a time-out
    // (LowSpeedGuard); a floor of 0, the default, switches the limit off.
    void setLowSpeedLimit(int64_t floorBytes, int windowMs);
    const LowSpeedGuard& lowSpeedLimit() const { return lowSpeed_; }
    // The last failure was the low-speed limit's.
    bool lowSpeedTripped() const { return lowSpeedTripped_; }

    bool setNoDelay(bool on);
    // Connects to a host: an IPv4 or IPv6 literal is used directly, a name is looked
    // up and its addresses tried in turn. The socket takes the family of the address.
    bool connect(const std::string& host, unsigned port);
    bool connectAddress(uint32_t address, unsigned port);
    bool connectTo(const NetAddress& address);
    // Binds to address:port (port 0 picks one) and listens.
    bool listen(uint32_t address, unsigned port, int backlog);
    bool listenOn(const NetAddress& address, int backlog);
    // Accepts one connection into `peer`, waiting at most the silence time-out.
    bool accept(FtpSocket& peer);

    bool peerEndpoint(NetAddress* endpoint) const;
    bool localEndpoint(NetAddress* endpoint) const;
    // IPv4 only: an IPv6 endpoint gives all bits set.
    bool peerAddress(uint32_t* address, unsigned* port) const;
    bool localAddress(uint32_t* address, unsigned* port) const;
    // Bytes waiting to be read (FIONREAD), counting what the buffer still holds; -1
    // when the query fails.
    int bytesWaiting() const;

    // Receive buffer: reuses an existing buffer that is large enough.
    bool setBufferSize(int n);
    // One receive of up to the read size (and at most `most` bytes) into the buffer.
    int readBlock(int most = INT_MAX);
    const uint8_t* buffer() const { return buffer_.data(); }
    int available() const { return available_; }

    // Reads one line of at most size - 1 characters into dest and zero-terminates it.
    // CR LF, LF and a lone CR end a line; bytes between a CR and the next LF are
    // dropped. A line that does not fit gives kError (last error WSAEMSGSIZE).
    int readLine(char* dest, int size);
    // Drops the rest of a line that did not fit readLine: 0, or kError on a socket error.
    int skipLine();
    int readExact(void* dest, int n);
    int writeExact(const void* src, int n);
    // Sends text followed by CR LF; the text must fit the 514 characters of a command
    // line. Returns its length + 2.
    int writeLine(std::string_view text);
    // Sends bytes as out-of-band data.
    int writeUrgent(const void* src, int n);

    void setSendSource(const uint8_t* memory);
    void setSendOffset(int64_t offset);
    int sendBlock(int n);
    // The same n bytes straight from a file at offset, without passing through this
    // process (sendfile): no copy and no page faults of a mapping. Only on a connection
    // without TLS; kError when it fails.
    int sendFromFile(int fileFd, int64_t offset, int n);
    // After the last block of an upload: ends the sending direction and waits (within
    // the silence time-out) until the peer closes. False when the peer reset the
    // connection or went silent, so bytes it never took are not taken for delivered.
    bool finishSending();
    // True when data can be read within the time given (buffered bytes count).
    bool waitReadable(int milliseconds);

    // Switches the connection to TLS (after "AUTH TLS", or at once for implicit TLS):
    // everything read and written from here on is encrypted. resumeFrom: the control
    // connection whose TLS session a data connection resumes. False with OpenSSL's
    // reason on failure.
    bool startTls(const std::string& host, const FtpSocket* resumeFrom, std::string* error);
    const TlsChannel* tls() const { return tls_.get(); }

    // Bytes moved since the last take: the graphs sample them from the GUI thread while
    // the worker counts, so each take reads and clears in one atomic exchange.
    int64_t takeBytesReceived() { return bytesReceived_.exchange(0, std::memory_order_relaxed); }
    int64_t takeBytesSent() { return bytesSent_.exchange(0, std::memory_order_relaxed); }

  private:
    static bool refuseOversizedPort(unsigned port);
    // Makes the socket anew when it is of another family (keeping TCP_NODELAY).
    bool ensureFamily(int family);
    int receive(void* dest, int n);
    int sendSome(const void* src, int n, int flags);
    int getByte();
    bool waitWritable(int milliseconds);
    bool waitFor(short events, int milliseconds);
    // A new connection: the low-speed limit judges it from its first bytes.
    void startLowSpeedWatch();
    // Counts bytes moved; true (last error WSAETIMEDOUT) when the low-speed limit trips.
    bool movedTooSlowly(int64_t moved);

    int fd_ = -1;
    int family_ = AF_INET;
    bool noDelay_ = false;
    std::unique_ptr<TlsChannel> tls_;
    std::vector<uint8_t> buffer_;
    const uint8_t* cursor_ = nullptr;
    int64_t position_ = 0;
    int available_ = 0;
    int readSize_ = 0;
    std::atomic<int64_t> bytesReceived_{0};
    std::atomic<int64_t> bytesSent_{0};
    int connectTimeoutMs_;
    int silenceTimeoutMs_;
    LowSpeedGuard lowSpeed_;
    bool lowSpeedTripped_ = false;
};

}  // namespace nubo
