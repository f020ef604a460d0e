#include "engine/ftp_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/sendfile.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "engine/host_lookup.h"
#include "engine/monotonic_clock.h"
#include "engine/net_timeouts.h"
#include "engine/tls_channel.h"
#include "engine/winsock_error.h"

namespace nubo {

namespace {

constexpr int kCommandLineBuffer = 516;

bool failWithErrno() {
    setLastWinsockError(winsockCodeFromErrno(errno));
    return false;
}

void applyTimeout(int fd, int option, int milliseconds) {
    timeval tv{};
    tv.tv_sec = milliseconds / 1000;
    tv.tv_usec = (milliseconds % 1000) * 1000;
    setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv);
}

}  // namespace

FtpSocket::FtpSocket()
    : connectTimeoutMs_(kConnectTimeoutSeconds * 1000),
      silenceTimeoutMs_(kSilenceTimeoutSeconds * 1000) {}

FtpSocket::~FtpSocket() {
    close();
}

bool FtpSocket::createBlocking(int family) {
    close();
    family_ = family;
    fd_ = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        return failWithErrno();
    }
    applyTimeout(fd_, SO_RCVTIMEO, silenceTimeoutMs_);
    applyTimeout(fd_, SO_SNDTIMEO, silenceTimeoutMs_);
    startLowSpeedWatch();
    return true;
}

void FtpSocket::close() {
    if (tls_ != nullptr) {
        if (fd_ >= 0)
            tls_->close();  // close_notify: the peer sees a complete stream
        tls_.reset();
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    available_ = 0;
    position_ = 0;
}

void FtpSocket::adopt(int fd) {
    close();
    fd_ = fd;
    applyTimeout(fd_, SO_RCVTIMEO, silenceTimeoutMs_);
    applyTimeout(fd_, SO_SNDTIMEO, silenceTimeoutMs_);
    startLowSpeedWatch();
}

void FtpSocket::shutdown() {
    if (fd_ >= 0) {
        ::shutdown(fd_, SHUT_RDWR);
    }
}

void FtpSocket::setTimeouts(int connectMilliseconds, int silenceMilliseconds) {
    connectTimeoutMs_ = connectMilliseconds;
    silenceTimeoutMs_ = silenceMilliseconds;
    if (fd_ >= 0) {
        applyTimeout(fd_, SO_RCVTIMEO, silenceTimeoutMs_);
        applyTimeout(fd_, SO_SNDTIMEO, silenceTimeoutMs_);
    }
}

void FtpSocket::setLowSpeedLimit(int64_t floorBytes, int windowMs) {
    lowSpeed_.configure(floorBytes, windowMs);
}

void FtpSocket::startLowSpeedWatch() {
    lowSpeed_.reset();
    lowSpeedTripped_ = false;
}

bool FtpSocket::movedTooSlowly(int64_t moved) {
    if (lowSpeed_.floorBytes() <= 0 || !lowSpeed_.tooSlow(moved, monotonicMilliseconds())) {
        return false;
    }
    lowSpeedTripped_ = true;
    setLastWinsockError(wsa::kTimedOut);  // a stall, as if the silence time-out had run out
    return true;
}

bool FtpSocket::setNoDelay(bool on) {
    int value = on ? 1 : 0;
    if (setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &value, sizeof value) != 0) {
        return failWithErrno();
    }
    noDelay_ = on;
    return true;
}

bool FtpSocket::connect(const std::string& host, unsigned port) {
    std::vector<NetAddress> addresses;
    if (!refuseOversizedPort(port) || !resolveAll(host, port, &addresses)) {
        return false;
    }
    // Every address of the name in the resolver's order (IPv6 first where the host
    // has a route for it), until one answers.
    for (const NetAddress& address : addresses) {
        if (connectTo(address)) {
            return true;
        }
        if (lastWinsockError() == wsa::kInterrupted) {
            break;
        }
    }
    return false;
}

bool FtpSocket::refuseOversizedPort(unsigned port) {
    if (port > 65535) {
        // Never let an oversized port wrap round to another one.
        setLastWinsockError(wsa::kAddressNotAvailable);
        return false;
    }
    return true;
}

bool FtpSocket::ensureFamily(int family) {
    if (fd_ >= 0 && family_ == family) {
        return true;
    }
    const bool noDelay = noDelay_;
    return createBlocking(family) && (!noDelay || setNoDelay(true));
}

bool FtpSocket::waitWritable(int milliseconds) {
    return waitFor(POLLOUT, milliseconds);
}

bool FtpSocket::waitReadable(int milliseconds) {
    return available_ > 0 || (tls_ != nullptr && tls_->pending() > 0) ||
           waitFor(POLLIN, milliseconds);
}

bool FtpSocket::waitFor(short events, int milliseconds) {
    pollfd p{fd_, events, 0};
    int rc;
    do {
        rc = ::poll(&p, 1, milliseconds);
    } while (rc < 0 && errno == EINTR);
    if (rc < 0) {
        return failWithErrno();
    }
    if (rc == 0) {
        setLastWinsockError(wsa::kTimedOut);
        return false;
    }
    return true;
}

bool FtpSocket::connectAddress(uint32_t address, unsigned port) {
    return refuseOversizedPort(port) && connectTo(NetAddress::fromIpv4(address, port));
}

bool FtpSocket::connectTo(const NetAddress& address) {
    if (!ensureFamily(address.family())) {
        return false;
    }
    // Connect without blocking so that the attempt can be given up after the connect
    // time-out, then return to blocking mode for the stream.
    int flags = fcntl(fd_, F_GETFL);
    fcntl(fd_, F_SETFL, flags | O_NONBLOCK);
    int rc = ::connect(fd_, address.socketAddress(), address.length());
    bool ok = true;
    if (rc != 0) {
        if (errno != EINPROGRESS) {
            ok = failWithErrno();
        } else if (!waitWritable(connectTimeoutMs_)) {
            ok = false;
        } else {
            int err = 0;
            socklen_t len = sizeof err;
            getsockopt(fd_, SOL_SOCKET, SO_ERROR, &err, &len);
            if (err != 0) {
                setLastWinsockError(winsockCodeFromErrno(err));
                ok = false;
            }
        }
    }
    fcntl(fd_, F_SETFL, flags);
    return ok;
}

bool FtpSocket::listen(uint32_t address, unsigned port, int backlog) {
    return listenOn(NetAddress::fromIpv4(address, port), backlog);
}

bool FtpSocket::listenOn(const NetAddress& address, int backlog) {
    if (!ensureFamily(address.family())) {
        return false;
    }
    if (::bind(fd_, address.socketAddress(), address.length()) != 0 ||
        ::listen(fd_, backlog) != 0) {
        return failWithErrno();
    }
    return true;
}

bool FtpSocket::accept(FtpSocket& peer) {
    pollfd p{fd_, POLLIN, 0};
    int rc;
    do {
        rc = ::poll(&p, 1, silenceTimeoutMs_);
    } while (rc < 0 && errno == EINTR);
    if (rc < 0) {
        return failWithErrno();
    }
    if (rc == 0) {
        setLastWinsockError(wsa::kTimedOut);
        return false;
    }
    int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
        return failWithErrno();
    }
    peer.adopt(fd);
    return true;
}

namespace {

using NameQuery = int (*)(int, sockaddr*, socklen_t*);

bool queryEndpoint(NameQuery query, int fd, NetAddress* endpoint) {
    sockaddr_storage sa{};
    socklen_t len = sizeof sa;
    if (query(fd, reinterpret_cast<sockaddr*>(&sa), &len) != 0) {
        return failWithErrno();
    }
    if (!endpoint->assign(reinterpret_cast<sockaddr*>(&sa), len)) {
        setLastWinsockError(wsa::kAddressNotAvailable);
        return false;
    }
    return true;
}

bool ipv4Of(bool ok, const NetAddress& endpoint, uint32_t* address, unsigned* port) {
    if (ok) {
        *address = endpoint.ipv4();
        *port = endpoint.port();
    }
    return ok;
}

}  // namespace

bool FtpSocket::peerEndpoint(NetAddress* endpoint) const {
    return queryEndpoint(::getpeername, fd_, endpoint);
}

bool FtpSocket::localEndpoint(NetAddress* endpoint) const {
    return queryEndpoint(::getsockname, fd_, endpoint);
}

bool FtpSocket::peerAddress(uint32_t* address, unsigned* port) const {
    NetAddress endpoint;
    return ipv4Of(peerEndpoint(&endpoint), endpoint, address, port);
}

bool FtpSocket::localAddress(uint32_t* address, unsigned* port) const {
    NetAddress endpoint;
    return ipv4Of(localEndpoint(&endpoint), endpoint, address, port);
}

int FtpSocket::bytesWaiting() const {
    int n = 0;
    if (fd_ < 0) {
        setLastWinsockError(10038);  // WSAENOTSOCK
        return -1;
    }
    if (ioctl(fd_, FIONREAD, &n) != 0) {
        failWithErrno();
        return -1;
    }
    return n + available_;
}

bool FtpSocket::setBufferSize(int n) {
    if (n <= 0) {
        setLastWinsockError(wsa::kInvalidArgument);
        return false;
    }
    if (static_cast<int>(buffer_.size()) < n) {
        buffer_.assign(static_cast<size_t>(n), 0);
    }
    readSize_ = n;
    cursor_ = buffer_.data();
    position_ = 0;
    available_ = 0;
    return true;
}

bool FtpSocket::startTls(const std::string& host, const FtpSocket* resumeFrom, std::string* error) {
    auto channel = std::make_unique<TlsChannel>();
    const TlsChannel* resume = resumeFrom != nullptr ? resumeFrom->tls_.get() : nullptr;
    if (fd_ < 0 || !channel->connect(fd_, host, resume, error))
        return false;
    tls_ = std::move(channel);
    return true;
}

int FtpSocket::receive(void* dest, int n) {
    ssize_t got;
    if (tls_ != nullptr) {
        errno = 0;
        got = tls_->read(dest, n);
        if (got < 0 && errno == 0)
            errno = ECONNRESET;  // a TLS failure without a socket error
        // Records already received fill the rest of the block: one write per block.
        while (got > 0 && got < n && tls_->pending() > 0) {
            const int more =
                tls_->read(static_cast<uint8_t*>(dest) + got, n - static_cast<int>(got));
            if (more <= 0)
                break;
            got += more;
        }
    } else {
        do {
            got = ::recv(fd_, dest, static_cast<size_t>(n), 0);
        } while (got < 0 && errno == EINTR);
    }
    if (got < 0) {
        failWithErrno();
        return kError;
    }
    if (got == 0) {
        // The peer ended the connection; name it the way a dropped connection reads.
        setLastWinsockError(wsa::kConnectionReset);
        return kClosed;
    }
    bytesReceived_.fetch_add(got, std::memory_order_relaxed);
    if (movedTooSlowly(got)) {
        return kError;
    }
    return static_cast<int>(got);
}

int FtpSocket::sendSome(const void* src, int n, int flags) {
    ssize_t sent;
    if (tls_ != nullptr) {
        // TLS has no urgent data: what would go out of band goes in the stream.
        errno = 0;
        sent = tls_->write(src, n);
        if (sent < 0 && errno == 0)
            errno = ECONNRESET;
    } else {
        do {
            sent = ::send(fd_, src, static_cast<size_t>(n), flags | MSG_NOSIGNAL);
        } while (sent < 0 && errno == EINTR);
    }
    if (sent < 0) {
        failWithErrno();
        return kError;
    }
    bytesSent_.fetch_add(sent, std::memory_order_relaxed);
    if (movedTooSlowly(sent)) {
        return kError;
    }
    return static_cast<int>(sent);
}

bool FtpSocket::finishSending() {
    if (tls_ != nullptr)
        tls_->close();  // close_notify first, so the server sees a complete upload
    if (::shutdown(fd_, SHUT_WR) != 0) {
        return failWithErrno();
    }
    // The peer closes once it has taken everything; a reset instead means it did not.
    char discard[512];
    for (;;) {
        int got = receive(discard, sizeof discard);
        if (got == kClosed) {
            return true;
        }
        if (got < 0) {
            return false;
        }
    }
}

int FtpSocket::readBlock(int most) {
    position_ = 0;
    available_ = 0;
    int got = receive(buffer_.data(), std::min(readSize_, most));
    if (got > 0) {
        available_ = got;
    }
    return got;
}

int FtpSocket::getByte() {
    if (readSize_ == 0) {
        setBufferSize(4096);
    }
    if (available_ == 0) {
        position_ = 0;
        int got = receive(buffer_.data(), readSize_);
        if (got < 0) {
            return got;
        }
        available_ = got;
    }
    --available_;
    return buffer_[static_cast<size_t>(position_++)];
}

int FtpSocket::readLine(char* dest, int size) {
    int stored = 0;
    int c;
    while ((c = getByte()) >= 0 && c != '\r' && c != '\n') {
        if (stored >= size - 1) {
            setLastWinsockError(wsa::kMessageSize);
            return kError;
        }
        dest[stored++] = static_cast<char>(c);
    }
    if (size <= 0) {
        setLastWinsockError(wsa::kMessageSize);
        return kError;
    }
    dest[stored] = '\0';
    if (c == kError) {
        return kError;
    }
    if (c == kClosed) {
        return stored == 0 ? kClosed : stored;
    }
    if (c == '\r') {
        int d;
        do {
            d = getByte();
        } while (d >= 0 && d != '\n');
    }
    return stored;
}

int FtpSocket::skipLine() {
    int c;
    while ((c = getByte()) >= 0 && c != '\n') {
    }
    return c < 0 && c != kClosed ? kError : 0;
}

int FtpSocket::readExact(void* dest, int n) {
    auto* out = static_cast<uint8_t*>(dest);
    int have = 0;
    // Bytes already buffered by line reads come first.
    while (have < n && available_ > 0) {
        out[have++] = buffer_[static_cast<size_t>(position_++)];
        --available_;
    }
    while (have < n) {
        int got = receive(out + have, n - have);
        if (got < 0) {
            return got;
        }
        have += got;
    }
    return n;
}

int FtpSocket::writeExact(const void* src, int n) {
    const auto* in = static_cast<const uint8_t*>(src);
    int done = 0;
    while (done < n) {
        int sent = sendSome(in + done, n - done, 0);
        if (sent < 0) {
            return kError;
        }
        done += sent;
    }
    return n;
}

int FtpSocket::writeLine(std::string_view text) {
    if (text.size() + 2 > static_cast<size_t>(kCommandLineBuffer)) {
        setLastWinsockError(wsa::kMessageSize);
        return kError;
    }
    char line[kCommandLineBuffer];
    std::memcpy(line, text.data(), text.size());
    line[text.size()] = '\r';
    line[text.size() + 1] = '\n';
    return writeExact(line, static_cast<int>(text.size() + 2));
}

int FtpSocket::writeUrgent(const void* src, int n) {
    int sent = sendSome(src, n, MSG_OOB);
    return sent < 0 ? kError : sent;
}

void FtpSocket::setSendSource(const uint8_t* memory) {
    cursor_ = memory;
    position_ = 0;
    available_ = 0;
}

void FtpSocket::setSendOffset(int64_t offset) {
    position_ = offset;
    available_ = 0;
}

int FtpSocket::sendFromFile(int fileFd, int64_t offset, int n) {
    if (tls_ != nullptr) {
        return kError;
    }
    // sendfile has no MSG_NOSIGNAL: a peer that closed would raise SIGPIPE, which ends a
    // process that does not ignore it. It is held back for this thread meanwhile, and one
    // raised by the send is taken before the thread's mask is put back.
    sigset_t pipe{};
    sigset_t kept{};
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, &kept);
    const auto restore = [&] {
        const timespec none{0, 0};
        while (sigtimedwait(&pipe, nullptr, &none) == SIGPIPE) {
        }
        pthread_sigmask(SIG_SETMASK, &kept, nullptr);
    };
    off_t at = static_cast<off_t>(offset);
    int left = n;
    while (left > 0) {
        const ssize_t sent = ::sendfile(fd_, fileFd, &at, static_cast<size_t>(left));
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0) {
            const int error = sent == 0 ? EPIPE : errno;  // 0: the file shrank meanwhile
            restore();
            errno = error;
            failWithErrno();
            return kError;
        }
        bytesSent_.fetch_add(sent, std::memory_order_relaxed);
        if (movedTooSlowly(sent)) {
            restore();
            return kError;
        }
        left -= static_cast<int>(sent);
    }
    restore();
    return n;
}

int FtpSocket::sendBlock(int n) {
    available_ = n;
    if (n == 0) {
        return 0;
    }
    while (available_ > 0) {
        int sent = sendSome(cursor_ + position_, available_, 0);
        if (sent < 0) {
            return kError;
        }
        position_ += sent;
        available_ -= sent;
    }
    return n;
}

}  // namespace nubo
