#include "engine/host_lookup.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>

#include "engine/winsock_error.h"

namespace nubo {

bool isDottedAddress(const std::string& text) {
    for (char c : text) {
        if (!(c == '.' || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}

bool parseDottedAddress(const std::string& text, uint32_t* address) {
    in_addr a{};
    // inet_aton accepts the short forms ("127.1") that users of dotted addresses know.
    if (text.empty() || inet_aton(text.c_str(), &a) == 0) {
        setLastWinsockError(wsa::kAddressNotAvailable);
        return false;
    }
    *address = a.s_addr;
    return true;
}

namespace {

// getaddrinfo for stream sockets; null (with the WinSock code as the last error) when
// the name gives nothing. The caller frees the result.
addrinfo* lookUp(const std::string& name, int family, int flags) {
    addrinfo hints{};
    hints.ai_family = family;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags;
    addrinfo* result = nullptr;
    errno = 0;
    int rc = getaddrinfo(name.c_str(), nullptr, &hints, &result);
    if (rc != 0 || result == nullptr) {
        setLastWinsockError(rc != 0 ? winsockCodeFromResolver(rc, errno) : wsa::kNoData);
        return nullptr;
    }
    return result;
}

}  // namespace

bool lookupHostByName(const std::string& name, uint32_t* address, std::string* officialName) {
    addrinfo* result = lookUp(name, AF_INET, AI_CANONNAME);
    if (result == nullptr) {
        return false;
    }
    *address = reinterpret_cast<sockaddr_in*>(result->ai_addr)->sin_addr.s_addr;
    if (officialName != nullptr) {
        *officialName = result->ai_canonname != nullptr ? result->ai_canonname : name;
    }
    freeaddrinfo(result);
    return true;
}

bool lookupHostByAddress(const std::string& dotted, uint32_t* address, std::string* hostName) {
    uint32_t a = 0;
    if (!parseDottedAddress(dotted, &a) || !reverseLookup(NetAddress::fromIpv4(a, 0), hostName)) {
        return false;
    }
    *address = a;
    return true;
}

bool reverseLookup(const NetAddress& address, std::string* hostName) {
    char host[NI_MAXHOST];
    errno = 0;
    int rc = getnameinfo(address.socketAddress(), address.length(), host, sizeof host, nullptr, 0,
                         NI_NAMEREQD);
    if (rc != 0) {
        setLastWinsockError(winsockCodeFromResolver(rc, errno));
        return false;
    }
    if (hostName != nullptr) {
        *hostName = host;
    }
    return true;
}

bool resolveHost(const std::string& host, uint32_t* address) {
    if (isDottedAddress(host)) {
        return parseDottedAddress(host, address);
    }
    return lookupHostByName(host, address, nullptr);
}

bool resolveAll(const std::string& host, unsigned port, std::vector<NetAddress>* addresses) {
    addresses->clear();
    NetAddress literal;
    if (isDottedAddress(host) || host.find(':') != std::string::npos) {
        if (!NetAddress::parseLiteral(host, port, &literal)) {
            setLastWinsockError(wsa::kAddressNotAvailable);
            return false;
        }
        addresses->push_back(literal);
        return true;
    }
    // AI_ADDRCONFIG: no IPv6 addresses on a host without IPv6.
    addrinfo* result = lookUp(host, AF_UNSPEC, AI_ADDRCONFIG);
    if (result == nullptr) {
        return false;
    }
    for (addrinfo* a = result; a != nullptr; a = a->ai_next) {
        NetAddress address;
        if (address.assign(a->ai_addr, a->ai_addrlen)) {
            address.setPort(port);
            addresses->push_back(address);
        }
    }
    freeaddrinfo(result);
    if (addresses->empty()) {
        setLastWinsockError(wsa::kNoData);
        return false;
    }
    return true;
}

std::string dottedAddress(uint32_t address) {
    in_addr a{};
    a.s_addr = address;
    char text[INET_ADDRSTRLEN];
    inet_ntop(AF_INET, &a, text, sizeof text);
    return text;
}

}  // namespace nubo
