#include "engine/net_address.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <cstring>

namespace nubo {

namespace {

const sockaddr_in* v4(const sockaddr_storage& s) {
    return reinterpret_cast<const sockaddr_in*>(&s);
}
const sockaddr_in6* v6(const sockaddr_storage& s) {
    return reinterpret_cast<const sockaddr_in6*>(&s);
}

}  // namespace

NetAddress NetAddress::fromIpv4(uint32_t address, unsigned port) {
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = address;
    sa.sin_port = htons(static_cast<uint16_t>(port));
    NetAddress result;
    result.assign(reinterpret_cast<const sockaddr*>(&sa), sizeof sa);
    return result;
}

bool NetAddress::parseLiteral(const std::string& text, unsigned port, NetAddress* result) {
    in_addr a{};
    // inet_aton accepts the short forms ("127.1") that users of dotted addresses know.
    if (!text.empty() && text.find(':') == std::string::npos && inet_aton(text.c_str(), &a)) {
        *result = fromIpv4(a.s_addr, port);
        return true;
    }
    sockaddr_in6 sa{};
    if (inet_pton(AF_INET6, text.c_str(), &sa.sin6_addr) != 1) {
        return false;
    }
    sa.sin6_family = AF_INET6;
    sa.sin6_port = htons(static_cast<uint16_t>(port));
    return result->assign(reinterpret_cast<const sockaddr*>(&sa), sizeof sa);
}

bool NetAddress::assign(const sockaddr* address, socklen_t length) {
    const bool ok = (address->sa_family == AF_INET && length >= sizeof(sockaddr_in)) ||
                    (address->sa_family == AF_INET6 && length >= sizeof(sockaddr_in6));
    if (!ok || length > sizeof storage_) {
        return false;
    }
    storage_ = {};
    std::memcpy(&storage_, address, length);
    length_ = address->sa_family == AF_INET ? sizeof(sockaddr_in) : sizeof(sockaddr_in6);
    return true;
}

unsigned NetAddress::port() const {
    if (!valid()) {
        return 0;
    }
    return ntohs(isIpv6() ? v6(storage_)->sin6_port : v4(storage_)->sin_port);
}

void NetAddress::setPort(unsigned port) {
    const uint16_t value = htons(static_cast<uint16_t>(port));
    if (isIpv6()) {
        reinterpret_cast<sockaddr_in6*>(&storage_)->sin6_port = value;
    } else if (valid()) {
        reinterpret_cast<sockaddr_in*>(&storage_)->sin_port = value;
    }
}

uint32_t NetAddress::ipv4() const {
    if (family() == AF_INET) {
        return v4(storage_)->sin_addr.s_addr;
    }
    if (isIpv6() && IN6_IS_ADDR_V4MAPPED(&v6(storage_)->sin6_addr)) {
        uint32_t address = 0;
        std::memcpy(&address, v6(storage_)->sin6_addr.s6_addr + 12, 4);
        return address;
    }
    return 0xFFFFFFFFu;
}

const uint8_t* NetAddress::ipv6Bytes() const {
    return v6(storage_)->sin6_addr.s6_addr;
}

std::string NetAddress::text() const {
    char buffer[INET6_ADDRSTRLEN] = "";
    if (isIpv6()) {
        inet_ntop(AF_INET6, &v6(storage_)->sin6_addr, buffer, sizeof buffer);
    } else if (valid()) {
        inet_ntop(AF_INET, &v4(storage_)->sin_addr, buffer, sizeof buffer);
    }
    return buffer;
}

std::string NetAddress::textWithPort() const {
    const std::string port = ":" + std::to_string(this->port());
    return isIpv6() ? "[" + text() + "]" + port : text() + port;
}

std::string NetAddress::bracketedText() const {
    return isIpv6() ? textWithPort() : "[" + textWithPort() + "]";
}

}  // namespace nubo
