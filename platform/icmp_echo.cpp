#include "platform/icmp_echo.h"

#include <arpa/inet.h>
#include <linux/errqueue.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace nubo {

namespace {

constexpr uint8_t kEchoReply = 0;
constexpr uint8_t kUnreachable = 3;
constexpr uint8_t kEchoRequest = 8;
constexpr uint8_t kTimeExceeded = 11;
// ICMPv6 (RFC 4443).
constexpr uint8_t kUnreachable6 = 1;
constexpr uint8_t kTimeExceeded6 = 3;
constexpr uint8_t kEchoRequest6 = 128;
constexpr uint8_t kEchoReply6 = 129;
constexpr size_t kIpv6Header = 40;
constexpr size_t kHeader = 8;

int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

uint16_t checksum(const uint8_t* data, size_t length) {
    uint32_t sum = 0;
    for (size_t i = 0; i + 1 < length; i += 2) {
        sum += static_cast<uint32_t>(data[i]) << 8 | data[i + 1];
    }
    if (length & 1) {
        sum += static_cast<uint32_t>(data[length - 1]) << 8;
    }
    while (sum >> 16) {
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    return static_cast<uint16_t>(~sum);
}

uint16_t read16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] << 8 | p[1]);
}

// An ICMP error's status: unreachable networks and expired time to live have their
// own; every other error counts as no answer.
uint32_t errorStatus(uint8_t type, uint8_t code) {
    if (type == kTimeExceeded) {
        return IcmpEcho::kTtlExpired;
    }
    if (type == kUnreachable) {
        return code == 0 ? IcmpEcho::kNetUnreachable : IcmpEcho::kHostUnreachable;
    }
    return IcmpEcho::kGeneralFailure;
}

uint32_t errorStatus6(uint8_t type, uint8_t code) {
    if (type == kTimeExceeded6) {
        return IcmpEcho::kTtlExpired;
    }
    if (type == kUnreachable6) {
        return code == 0 ? IcmpEcho::kNetUnreachable : IcmpEcho::kHostUnreachable;
    }
    return IcmpEcho::kGeneralFailure;
}

std::atomic<uint16_t> nextIdentifier{0};

}  // namespace

IcmpEcho::~IcmpEcho() {
    close();
}

bool IcmpEcho::open(Mode mode, int family) {
    close();
    family_ = family;
    const int protocol = ipv6() ? IPPROTO_ICMPV6 : IPPROTO_ICMP;
    int on = 1;
    datagramError_ = 0;
    rawError_ = 0;
    if (mode != Mode::Raw) {
        fd_ = ::socket(family, SOCK_DGRAM | SOCK_CLOEXEC, protocol);
        datagramError_ = fd_ < 0 ? errno : 0;
        if (fd_ >= 0) {
            if (ipv6()) {
                ::setsockopt(fd_, SOL_IPV6, IPV6_RECVERR, &on, sizeof on);
                ::setsockopt(fd_, SOL_IPV6, IPV6_RECVHOPLIMIT, &on, sizeof on);
            } else {
                ::setsockopt(fd_, SOL_IP, IP_RECVERR, &on, sizeof on);
                ::setsockopt(fd_, SOL_IP, IP_RECVTTL, &on, sizeof on);
            }
            mode_ = Mode::Datagram;
            return true;
        }
        if (mode == Mode::Datagram) {
            return false;
        }
    }
    fd_ = ::socket(family, SOCK_RAW | SOCK_CLOEXEC, protocol);
    if (fd_ < 0) {
        rawError_ = errno;
        return false;
    }
    if (ipv6()) {
        // Raw ICMPv6 sockets carry no IP header: the hop limit comes as a message.
        ::setsockopt(fd_, SOL_IPV6, IPV6_RECVHOPLIMIT, &on, sizeof on);
    }
    mode_ = Mode::Raw;
    identifier_ = static_cast<uint16_t>(::getpid() * 31 + nextIdentifier++);
    return true;
}

void IcmpEcho::close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool IcmpEcho::available(std::string* why) {
    IcmpEcho probe;
    if (probe.open())
        return true;
    if (why != nullptr) {
        std::string range;
        if (FILE* file = std::fopen("/proc/sys/net/ipv4/ping_group_range", "re")) {
            char line[64] = {};
            if (std::fgets(line, sizeof line, file) != nullptr)
                range = line;
            std::fclose(file);
        }
        *why = refusal(probe.datagramError_, probe.rawError_, range);
    }
    return false;
}

std::string IcmpEcho::refusal(int datagramError, int rawError, const std::string& groupRange) {
    const auto denied = [](int error) { return error == EACCES || error == EPERM; };
    std::string text = "No ICMP: ";
    if (denied(datagramError)) {
        // Two group numbers; "1 0", the usual default, admits nobody.
        unsigned long low = 0, high = 0;
        const bool read = std::sscanf(groupRange.c_str(), "%lu %lu", &low, &high) == 2;
        const std::string range = read ? std::to_string(low) + " " + std::to_string(high) : "";
        text += "ping sockets are not open to this user's groups (net.ipv4.ping_group_range";
        text += range.empty() ? ")" : " is " + range + ")";
    } else {
        text += std::string("no ping socket (") + std::strerror(datagramError) + ")";
    }
    if (denied(rawError))
        text += ", and raw sockets need the CAP_NET_RAW capability, which this program lacks";
    else
        text += std::string(", and no raw socket (") + std::strerror(rawError) + ")";
    return text;
}

bool IcmpEcho::send(uint32_t address, int ttl, int timeoutMs, const std::string& data,
                    IcmpEchoReply* reply) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = address;
    return sendAndWait(reinterpret_cast<const sockaddr*>(&to), sizeof to, ttl, timeoutMs, data,
                       reply);
}

bool IcmpEcho::send(const in6_addr& address, int ttl, int timeoutMs, const std::string& data,
                    IcmpEchoReply* reply) {
    sockaddr_in6 to{};
    to.sin6_family = AF_INET6;
    to.sin6_addr = address;
    return sendAndWait(reinterpret_cast<const sockaddr*>(&to), sizeof to, ttl, timeoutMs, data,
                       reply);
}

bool IcmpEcho::sendAndWait(const sockaddr* to, socklen_t toLength, int ttl, int timeoutMs,
                           const std::string& data, IcmpEchoReply* reply) {
    *reply = IcmpEchoReply{};
    reply->status = kGeneralFailure;
    if (fd_ < 0 || to->sa_family != family_) {
        return false;
    }
    const uint16_t sequence = ++sequence_;
    std::string packet(kHeader, '\0');
    packet[0] = static_cast<char>(ipv6() ? kEchoRequest6 : kEchoRequest);
    packet[4] = static_cast<char>(identifier_ >> 8);  // the kernel sets it on ping sockets
    packet[5] = static_cast<char>(identifier_ & 0xFF);
    packet[6] = static_cast<char>(sequence >> 8);
    packet[7] = static_cast<char>(sequence & 0xFF);
    packet += data;
    if (!ipv6()) {
        // The kernel sums ICMPv6 itself: its checksum covers the IPv6 addresses.
        const uint16_t sum =
            checksum(reinterpret_cast<const uint8_t*>(packet.data()), packet.size());
        packet[2] = static_cast<char>(sum >> 8);
        packet[3] = static_cast<char>(sum & 0xFF);
    }

    if (ipv6()) {
        ::setsockopt(fd_, SOL_IPV6, IPV6_UNICAST_HOPS, &ttl, sizeof ttl);
    } else {
        ::setsockopt(fd_, SOL_IP, IP_TTL, &ttl, sizeof ttl);
    }
    const int64_t start = nowMs();
    ssize_t sent;
    do {
        sent = ::sendto(fd_, packet.data(), packet.size(), 0, to, toLength);
    } while (sent < 0 && errno == EINTR);
    if (sent != static_cast<ssize_t>(packet.size())) {
        // Refused at once (no route, for one): no answer for this request.
        reply->status = errno == ENETUNREACH ? kNetUnreachable : kGeneralFailure;
        return true;
    }
    if (!receive(sequence, start + timeoutMs, reply)) {
        reply->status = kTimedOut;
        return true;
    }
    reply->roundTripMs = static_cast<uint32_t>(nowMs() - start);
    return true;
}

bool IcmpEcho::receive(uint16_t sequence, int64_t deadlineMs, IcmpEchoReply* reply) {
    for (;;) {
        const int64_t left = deadlineMs - nowMs();
        if (left <= 0) {
            return false;
        }
        pollfd waiting{fd_, POLLIN, 0};
        int ready = ::poll(&waiting, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return false;
        }
        if ((waiting.revents & POLLERR) && mode_ == Mode::Datagram && readError(sequence, reply)) {
            return true;
        }
        if ((waiting.revents & POLLIN) && readReply(sequence, reply)) {
            return true;
        }
    }
}

ssize_t IcmpEcho::receiveMessage(int flags, Received* received) {
    received->io = {received->data, sizeof received->data};
    received->message = {};
    received->message.msg_name = &received->from;
    received->message.msg_namelen = sizeof received->from;
    received->message.msg_iov = &received->io;
    received->message.msg_iovlen = 1;
    received->message.msg_control = received->control;
    received->message.msg_controllen = sizeof received->control;
    return ::recvmsg(fd_, &received->message, flags | MSG_DONTWAIT);
}

// Ping sockets report ICMP errors through the error queue, with the sender of the
// error as the offender and our own request as the data.
bool IcmpEcho::readError(uint16_t sequence, IcmpEchoReply* reply) {
    Received received;
    const ssize_t got = receiveMessage(MSG_ERRQUEUE, &received);
    const uint8_t* data = received.data;
    msghdr& message = received.message;
    if (got < static_cast<ssize_t>(kHeader) || read16(data + 6) != sequence) {
        return false;
    }
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c != nullptr; c = CMSG_NXTHDR(&message, c)) {
        const bool error4 = c->cmsg_level == SOL_IP && c->cmsg_type == IP_RECVERR;
        const bool error6 = c->cmsg_level == SOL_IPV6 && c->cmsg_type == IPV6_RECVERR;
        if (!error4 && !error6) {
            continue;
        }
        const auto* error = reinterpret_cast<const sock_extended_err*>(CMSG_DATA(c));
        if (error->ee_origin != (error6 ? SO_EE_ORIGIN_ICMP6 : SO_EE_ORIGIN_ICMP)) {
            return false;  // a local failure: no answer from anyone
        }
        const sockaddr* offender = SO_EE_OFFENDER(error);
        if (error6) {
            reply->status = errorStatus6(error->ee_type, error->ee_code);
            if (offender->sa_family == AF_INET6) {
                reply->address6 = reinterpret_cast<const sockaddr_in6*>(offender)->sin6_addr;
            }
        } else {
            reply->status = errorStatus(error->ee_type, error->ee_code);
            reply->address = offender->sa_family == AF_INET
                                 ? reinterpret_cast<const sockaddr_in*>(offender)->sin_addr.s_addr
                                 : 0;
        }
        return reply->status != kGeneralFailure;
    }
    return false;
}

bool IcmpEcho::readReply(uint16_t sequence, IcmpEchoReply* reply) {
    Received received;
    const ssize_t got = receiveMessage(0, &received);
    const uint8_t* data = received.data;
    const auto& from = reinterpret_cast<const sockaddr_in&>(received.from);
    msghdr& message = received.message;
    if (got <= 0) {
        return false;
    }
    if (ipv6()) {
        return readReply6(sequence, received, static_cast<size_t>(got), reply);
    }
    const uint8_t* icmp = data;
    size_t length = static_cast<size_t>(got);
    if (mode_ == Mode::Raw) {
        // Raw sockets see the IP header and every ICMP message of the host.
        const size_t ipLength = static_cast<size_t>(data[0] & 0x0F) * 4;
        if (ipLength < 20 || length < ipLength + kHeader) {
            return false;
        }
        reply->ttl = data[8];
        icmp = data + ipLength;
        length -= ipLength;
    } else {
        for (cmsghdr* c = CMSG_FIRSTHDR(&message); c != nullptr; c = CMSG_NXTHDR(&message, c)) {
            if (c->cmsg_level == SOL_IP && c->cmsg_type == IP_TTL) {
                int ttl = 0;
                std::memcpy(&ttl, CMSG_DATA(c), sizeof ttl);
                reply->ttl = static_cast<uint32_t>(ttl);
            }
        }
        if (length < kHeader) {
            return false;
        }
    }
    if (icmp[0] == kEchoReply) {
        if (!isOurs(icmp, sequence, mode_ == Mode::Raw)) {
            return false;
        }
        reply->status = kSuccess;
        reply->address = from.sin_addr.s_addr;
        reply->dataSize = static_cast<uint32_t>(length - kHeader);
        return true;
    }
    if (mode_ != Mode::Raw || (icmp[0] != kTimeExceeded && icmp[0] != kUnreachable)) {
        return false;
    }
    // The error quotes our request: its IP header, then the first 8 bytes of the echo.
    const uint8_t* quoted = icmp + kHeader;
    const size_t quotedLength = length - kHeader;
    if (quotedLength < 20) {
        return false;
    }
    const size_t innerIp = static_cast<size_t>(quoted[0] & 0x0F) * 4;
    if (quotedLength < innerIp + kHeader || quoted[9] != IPPROTO_ICMP) {
        return false;
    }
    const uint8_t* echo = quoted + innerIp;
    if (echo[0] != kEchoRequest || !isOurs(echo, sequence, true)) {
        return false;
    }
    reply->status = errorStatus(icmp[0], icmp[1]);
    reply->address = from.sin_addr.s_addr;
    return reply->status != kGeneralFailure;
}

bool IcmpEcho::isOurs(const uint8_t* echo, uint16_t sequence, bool checkIdentifier) const {
    return read16(echo + 6) == sequence && (!checkIdentifier || read16(echo + 4) == identifier_);
}

// ICMPv6 carries no IP header on either kind of socket; the hop limit of the answer
// comes as a control message.
bool IcmpEcho::readReply6(uint16_t sequence, const Received& received, size_t length,
                          IcmpEchoReply* reply) {
    const uint8_t* icmp = received.data;
    if (length < kHeader) {
        return false;
    }
    auto& message = const_cast<msghdr&>(received.message);
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c != nullptr; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level == SOL_IPV6 && c->cmsg_type == IPV6_HOPLIMIT) {
            int hops = 0;
            std::memcpy(&hops, CMSG_DATA(c), sizeof hops);
            reply->ttl = static_cast<uint32_t>(hops);
        }
    }
    if (icmp[0] == kEchoReply6) {
        if (!isOurs(icmp, sequence, mode_ == Mode::Raw)) {
            return false;
        }
        reply->status = kSuccess;
        reply->address6 = received.from.sin6_addr;
        reply->dataSize = static_cast<uint32_t>(length - kHeader);
        return true;
    }
    if (mode_ != Mode::Raw || (icmp[0] != kTimeExceeded6 && icmp[0] != kUnreachable6)) {
        return false;
    }
    // The error quotes our request: its IPv6 header, then the echo header.
    const uint8_t* quoted = icmp + kHeader;
    if (length < kHeader + kIpv6Header + kHeader || quoted[6] != IPPROTO_ICMPV6) {
        return false;
    }
    const uint8_t* echo = quoted + kIpv6Header;
    if (echo[0] != kEchoRequest6 || !isOurs(echo, sequence, true)) {
        return false;
    }
    reply->status = errorStatus6(icmp[0], icmp[1]);
    reply->address6 = received.from.sin6_addr;
    return reply->status != kGeneralFailure;
}

}  // namespace nubo
