#pragma once

#include <string>

#include "engine/ftp_url.h"
#include "engine/net_address.h"
#include "engine/proxy_type.h"

namespace nubo {

class AppLog;
class FtpSocket;
class SocksClient;
struct SessionContext;

// How a session reaches its server: directly, through an FTP proxy (USER name@host) or
// through a SOCKS server, for the control connection and every data connection alike.
struct ProxyRoute {
    ProxyType type = ProxyType::None;
    FtpUrl address;
    std::string user;
    std::string password;
    // SOCKS only: the proxy's and the target's addresses, resolved once (IPv4 with all
    // bits set when a name did not resolve; SOCKS4 takes the target's IPv4 address
    // where it has one).
    NetAddress endpoint;
    NetAddress target;

    // The settings' proxy, unless the site bypasses it.
    static ProxyRoute fromSettings(const FtpUrl& target, const SessionContext& context);

    bool isSocks() const { return type == ProxyType::Socks4 || type == ProxyType::Socks5; }
    SocksClient socksClient(AppLog& log) const;
    // Connects a socket to the SOCKS server; logs the failure.
    bool connectToSocksServer(FtpSocket& socket, AppLog& log) const;
    // Writes format with the proxy's host (%s) and port (%u).
    void logLine(AppLog& log, const char* format) const;
};

}  // namespace nubo
