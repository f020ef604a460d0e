#include "engine/socks_client.h"

#include <cstdio>
#include <cstring>

#include "base/app_log.h"
#include "engine/ftp_socket.h"

namespace nubo {

namespace {

constexpr int kConnect = 1;
constexpr int kBind = 2;
constexpr uint8_t kSocks4Granted = 90;
constexpr size_t kMaxCredential = 255;
// SOCKS5 address types.
constexpr uint8_t kIPv4 = 1;
constexpr uint8_t kDomainName = 3;
constexpr uint8_t kIPv6 = 4;

void appendAddress(std::string* out, uint32_t address) {
    out->append(reinterpret_cast<const char*>(&address), 4);  // network order as stored
}

void appendPort(std::string* out, unsigned port) {
    out->push_back(static_cast<char>(port >> 8 & 0xFF));
    out->push_back(static_cast<char>(port & 0xFF));
}

bool sendAll(FtpSocket& socket, const std::string& bytes) {
    return socket.writeExact(bytes.data(), static_cast<int>(bytes.size())) ==
           static_cast<int>(bytes.size());
}

bool readAll(FtpSocket& socket, uint8_t* dest, int n) {
    return socket.readExact(dest, n) == n;
}

}  // namespace

SocksClient::SocksClient(Server server, AppLog& log) : server_(std::move(server)), log_(log) {}

void SocksClient::logLine(const char* format, int code) {
    log_.LogExtendedFormat(format, server_.host.c_str(), server_.port, code);
}

void SocksClient::logIoError() {
    logLine(socks5() ? "... I/O error on SOCKS5 server %s:%u"
                     : "... I/O error on SOCKS4 server %s:%u");
}

std::string SocksClient::request(int command, const NetAddress& address) const {
    std::string bytes;
    const unsigned port = address.port();
    if (socks5() && address.isIpv6()) {
        bytes = {5, static_cast<char>(command), 0, static_cast<char>(kIPv6)};
        bytes.append(reinterpret_cast<const char*>(address.ipv6Bytes()), 16);
        appendPort(&bytes, port);
    } else if (socks5()) {
        bytes = {5, static_cast<char>(command), 0, static_cast<char>(kIPv4)};
        appendAddress(&bytes, address.ipv4());
        appendPort(&bytes, port);
    } else {
        bytes = {4, static_cast<char>(command)};
        appendPort(&bytes, port);
        appendAddress(&bytes, address.ipv4());
        bytes += server_.user;
        bytes.push_back('\0');
    }
    return bytes;
}

std::string SocksClient::credentialsMessage() const {
    std::string bytes(1, '\1');
    bytes.push_back(static_cast<char>(server_.user.size()));
    bytes += server_.user;
    bytes.push_back(static_cast<char>(server_.password.size()));
    bytes += server_.password;
    return bytes;
}

bool SocksClient::negotiate(FtpSocket& socket) {
    static const std::string kOffer = {5, 2, 0, 2};
    uint8_t answer[2];
    if (!sendAll(socket, kOffer) || !readAll(socket, answer, 2)) {
        logIoError();
        return false;
    }
    const char* failed = "... SOCKS5 authentication failed on server %s:%u";
    if (answer[1] == 0xFF) {
        logLine(failed);
        return false;
    }
    if (answer[1] != 2) {
        return true;  // no authentication, or a method we take as none
    }
    if (server_.user.empty() || server_.password.empty()) {
        logLine(failed);
        log_.LogExtended("... (missing username and/or password)");
        return false;
    }
    uint8_t status[2];
    if (!sendAll(socket, credentialsMessage()) || !readAll(socket, status, 2)) {
        logIoError();
        return false;
    }
    if (status[0] != 1 || status[1] != 0) {
        logLine(failed);
        log_.LogExtended("... (username/password mismatch or invalid)");
        return false;
    }
    return true;
}

bool SocksClient::readReply(FtpSocket& socket, uint32_t* boundAddress, unsigned* boundPort) {
    uint8_t head[8];
    if (!socks5()) {
        if (!readAll(socket, head, 8)) {
            logIoError();
            return false;
        }
        if (head[1] != kSocks4Granted) {
            logLine("... SOCKS4 error on server %s:%u (%d)", head[1]);
            return false;
        }
        *boundPort = static_cast<unsigned>(head[2]) << 8 | head[3];
        std::memcpy(boundAddress, head + 4, 4);
        return true;
    }
    // Version, result, reserved, address type; then the address and the port.
    if (!readAll(socket, head, 4)) {
        logIoError();
        return false;
    }
    uint8_t rest[257 + 2];
    int length;
    if (head[3] == kIPv4) {
        length = 4 + 2;
    } else if (head[3] == kIPv6) {
        length = 16 + 2;
    } else if (head[3] == kDomainName) {
        uint8_t nameLength = 0;
        if (!readAll(socket, &nameLength, 1)) {
            logIoError();
            return false;
        }
        length = nameLength + 2;
    } else {
        logIoError();  // an unknown address type: its length cannot be known
        return false;
    }
    if (!readAll(socket, rest, length)) {
        logIoError();
        return false;
    }
    if (head[1] != 0) {
        logLine("... SOCKS5 error on server %s:%u (%02x)", head[1]);
        return false;
    }
    *boundPort = static_cast<unsigned>(rest[length - 2]) << 8 | rest[length - 1];
    if (head[3] == kIPv4) {
        std::memcpy(boundAddress, rest, 4);
    } else {
        *boundAddress = 0xFFFFFFFFu;  // no IPv4 address to offer
    }
    return true;
}

bool SocksClient::exchange(FtpSocket& socket, int command, const NetAddress& address,
                           uint32_t* boundAddress, unsigned* boundPort) {
    if (server_.user.size() > kMaxCredential || server_.password.size() > kMaxCredential) {
        logLine("... SOCKS user name or password longer than 255 bytes for server %s:%u");
        return false;
    }
    if (socks5() && !negotiate(socket)) {
        return false;
    }
    if (!sendAll(socket, request(command, address))) {
        logIoError();
        return false;
    }
    return readReply(socket, boundAddress, boundPort);
}

bool SocksClient::connectTo(FtpSocket& socket, uint32_t address, unsigned port) {
    return connectTo(socket, NetAddress::fromIpv4(address, port));
}

bool SocksClient::connectTo(FtpSocket& socket, const NetAddress& address) {
    if (!socks5() && address.isIpv6() && address.ipv4() == 0xFFFFFFFFu) {
        log_.LogExtendedFormat("... SOCKS4 server %s:%u cannot reach IPv6 address %s",
                               server_.host.c_str(), server_.port, address.text().c_str());
        return false;
    }
    uint32_t ignoredAddress = 0;
    unsigned ignoredPort = 0;
    return exchange(socket, kConnect, address, &ignoredAddress, &ignoredPort);
}

bool SocksClient::bind(FtpSocket& socket, uint32_t address, unsigned port, uint32_t serverAddress,
                       uint32_t* boundAddress, unsigned* boundPort) {
    if (!exchange(socket, kBind, NetAddress::fromIpv4(address, port), boundAddress, boundPort)) {
        return false;
    }
    if (*boundAddress == 0xFFFFFFFFu && socks5()) {
        logLine("... SOCKS5 server %s:%u bound no IPv4 address");
        return false;
    }
    if (*boundAddress == 0) {
        *boundAddress = serverAddress;  // "any address": the server's own
    }
    return true;
}

bool SocksClient::awaitBoundPeer(FtpSocket& socket) {
    uint32_t peerAddress = 0;
    unsigned peerPort = 0;
    return readReply(socket, &peerAddress, &peerPort);
}

}  // namespace nubo
