#pragma once

#include <sys/socket.h>

#include <cstdint>
#include <string>

namespace nubo {

// An IPv4 or IPv6 address with a port, as the sockets take it.
class NetAddress {
  public:
    NetAddress() = default;
    // An IPv4 address in network order.
    static NetAddress fromIpv4(uint32_t address, unsigned port);
    // A literal: dotted IPv4 (the short forms "127.1" too) or IPv6 ("::1", "fe80::1");
    // false for anything else.
    static bool parseLiteral(const std::string& text, unsigned port, NetAddress* result);
    // Takes what accept, getpeername or getaddrinfo gave; false for other families.
    bool assign(const sockaddr* address, socklen_t length);

    bool valid() const { return length_ != 0; }
    int family() const { return storage_.ss_family; }
    bool isIpv6() const { return family() == AF_INET6; }
    unsigned port() const;
    void setPort(unsigned port);
    // The IPv4 address in network order (also of an IPv4-mapped IPv6 one); all bits set
    // when there is none.
    uint32_t ipv4() const;
    // The 16 bytes of an IPv6 address.
    const uint8_t* ipv6Bytes() const;
    // "192.0.2.1" or "2001:db8::1".
    std::string text() const;
    // "192.0.2.1:21" or "[2001:db8::1]:21".
    std::string textWithPort() const;
    // As the log names an end point: "[192.0.2.1:21]" or "[2001:db8::1]:21".
    std::string bracketedText() const;

    const sockaddr* socketAddress() const { return reinterpret_cast<const sockaddr*>(&storage_); }
    socklen_t length() const { return length_; }

  private:
    sockaddr_storage storage_{};
    socklen_t length_ = 0;
};

}  // namespace nubo
