#include "engine/proxy_route.h"

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/ftp_socket.h"
#include "engine/host_lookup.h"
#include "engine/session_context.h"
#include "engine/socks_client.h"
#include "engine/url_defaults.h"

namespace nubo {

namespace {

const char* defaultProxyPort(ProxyType type) {
    return type == ProxyType::FtpProxy ? "21" : "1080";
}

// The first address of a host (the first IPv4 one unless IPv6 will do); IPv4 with all
// bits set when there is none, which the proxy then refuses.
NetAddress resolveForSocks(const std::string& host, unsigned port, bool ipv6Allowed) {
    std::vector<NetAddress> addresses;
    if (resolveAll(host, port, &addresses)) {
        for (const NetAddress& address : addresses) {
            if (ipv6Allowed || !address.isIpv6()) {
                return address;
            }
        }
        if (!addresses.empty()) {
            return addresses.front();  // SOCKS4 says why it cannot go there
        }
    }
    return NetAddress::fromIpv4(0xFFFFFFFFu, port);
}

}  // namespace

ProxyRoute ProxyRoute::fromSettings(const FtpUrl& target, const SessionContext& context) {
    ProxyRoute route;
    ConfigStore& config = *context.config;
    const int type = config.GetInt("ProxyType");
    if (perhost::bypassProxy(context.perHostSettings) || type < 1 || type > 3) {
        return route;
    }
    route.type = static_cast<ProxyType>(type);
    // The proxy text takes the type's default port in place of the URL default.
    UrlDefaults defaults = UrlDefaults::of(config);
    defaults.port = defaultProxyPort(route.type);
    route.address.parse(config.GetString("Proxy"), defaults);
    route.user = config.GetString("AuthName");
    route.password = config.GetString("AuthPasswd");
    if (route.isSocks()) {
        route.endpoint = resolveForSocks(route.address.host, route.address.portNumber(), true);
        route.target =
            resolveForSocks(target.host, target.portNumber(), route.type == ProxyType::Socks5);
    }
    return route;
}

SocksClient ProxyRoute::socksClient(AppLog& log) const {
    SocksClient::Server server;
    server.type = type;
    server.host = address.host;
    server.port = address.portNumber();
    server.user = user;
    server.password = password;
    return SocksClient(server, log);
}

bool ProxyRoute::connectToSocksServer(FtpSocket& socket, AppLog& log) const {
    if (!socket.isOpen() && !socket.createBlocking()) {
        return false;
    }
    if (!socket.connectTo(endpoint)) {
        logLine(log, "... unable to CONNECT to SOCKS server %s:%u");
        return false;
    }
    return true;
}

void ProxyRoute::logLine(AppLog& log, const char* format) const {
    log.LogExtendedFormat(format, address.host.c_str(), address.portNumber());
}

}  // namespace nubo
