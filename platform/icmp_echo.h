#pragma once

#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdint>
#include <string>

namespace nubo {

// What one echo request brought back.
struct IcmpEchoReply {
    uint32_t status = 0;   // IcmpEcho::kSuccess, kNetUnreachable, kTtlExpired, ...
    uint32_t address = 0;  // who answered, network order (IPv4)
    in6_addr address6{};   // who answered (IPv6)
    uint32_t roundTripMs = 0;
    uint32_t dataSize = 0;
    uint32_t ttl = 0;  // of the reply (the hop limit for IPv6)
};

// ICMP echo requests with a chosen time to live, as the system's ICMP helper offers
// them: unprivileged ping sockets (SOCK_DGRAM) where the system allows them, raw
// sockets otherwise; ICMPv6 likewise on an IPv6 socket. Time-exceeded and unreachable
// answers come back as statuses with the address of the router that sent them. One
// thread uses an object at a time.
class IcmpEcho {
  public:
    // The ICMP helper's status codes.
    static constexpr uint32_t kSuccess = 0;
    static constexpr uint32_t kNetUnreachable = 11002;
    static constexpr uint32_t kHostUnreachable = 11003;
    static constexpr uint32_t kTimedOut = 11010;
    static constexpr uint32_t kTtlExpired = 11013;
    static constexpr uint32_t kGeneralFailure = 11050;

    enum class Mode { Any, Datagram, Raw };

    IcmpEcho() = default;
    ~IcmpEcho();
    IcmpEcho(const IcmpEcho&) = delete;
    IcmpEcho& operator=(const IcmpEcho&) = delete;

    // Opens the socket (AF_INET or AF_INET6); false when neither kind may be had.
    bool open(Mode mode = Mode::Any, int family = AF_INET);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    Mode mode() const { return mode_; }
    // Sends one echo with `data` and waits up to timeoutMs for its answer; false only
    // when the request could not be made at all (reply->status then says why).
    bool send(uint32_t address, int ttl, int timeoutMs, const std::string& data,
              IcmpEchoReply* reply);
    // The same over ICMPv6 (a socket opened for AF_INET6); ttl is the hop limit.
    bool send(const in6_addr& address, int ttl, int timeoutMs, const std::string& data,
              IcmpEchoReply* reply);
    // Whether echo requests can be sent on this system (ICMP "loaded"); when not, *why
    // says what stands in the way.
    static bool available(std::string* why = nullptr);
    // The words for a refusal: the errno values of the ping socket and of the raw
    // socket, and the ping socket range as net.ipv4.ping_group_range reads.
    static std::string refusal(int datagramError, int rawError, const std::string& groupRange);

  private:
    // One datagram with its sender and control messages.
    struct Received {
        uint8_t data[1500];
        alignas(cmsghdr) uint8_t control[512];  // control messages are read in place
        sockaddr_in6 from{};                    // room for either family
        iovec io{};
        msghdr message{};
    };
    ssize_t receiveMessage(int flags, Received* received);
    // The common part of both sends: the packet to `to`, then its answer.
    bool sendAndWait(const sockaddr* to, socklen_t toLength, int ttl, int timeoutMs,
                     const std::string& data, IcmpEchoReply* reply);
    // Waits for the answer to sequence `sequence`; false at the deadline.
    bool receive(uint16_t sequence, int64_t deadlineMs, IcmpEchoReply* reply);
    bool readError(uint16_t sequence, IcmpEchoReply* reply);
    bool readReply(uint16_t sequence, IcmpEchoReply* reply);
    bool readReply6(uint16_t sequence, const Received& received, size_t length,
                    IcmpEchoReply* reply);
    bool ipv6() const { return family_ == AF_INET6; }
    // An echo header (a reply, or our request quoted in an error) carries our sequence
    // number and, where the kernel does not set it, our identifier.
    bool isOurs(const uint8_t* echo, uint16_t sequence, bool checkIdentifier) const;

    int fd_ = -1;
    // Why the last open could not have either kind of socket.
    int datagramError_ = 0;
    int rawError_ = 0;
    int family_ = AF_INET;
    Mode mode_ = Mode::Any;
    uint16_t identifier_ = 0;
    uint16_t sequence_ = 0;
};

}  // namespace nubo
