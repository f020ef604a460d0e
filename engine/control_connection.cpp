#include "engine/control_connection.h"

#include "base/app_log.h"
#include "engine/control_channel.h"
#include "engine/data_connector.h"
#include "engine/ftp_url.h"
#include "engine/proxy_route.h"
#include "engine/session_context.h"
#include "engine/socks_client.h"

namespace nubo {

ControlConnection::ControlConnection(ControlChannel& control, DataConnector& data,
                                     const ProxyRoute& route, const FtpUrl& target,
                                     const SessionContext& context)
    : control_(control), data_(data), route_(route), target_(target), context_(context) {}

bool ControlConnection::cancelled() const {
    return context_.cancel != nullptr && *context_.cancel;
}

void ControlConnection::logExtended(const std::string& text) {
    context_.log->LogExtended(text);
}

bool ControlConnection::connect() {
    const FtpUrl& destination = route_.type == ProxyType::None ? target_ : route_.address;
    if (cancelled()) {
        return false;
    }
    bool connected = control_.socket().connect(destination.host, destination.portNumber());
    if (cancelled()) {
        return false;
    }
    if (!connected) {
        if (route_.type != ProxyType::None) {
            route_.logLine(*context_.log, "... unable to CONNECT to proxy server %s:%u");
        }
        return false;
    }
    if (route_.isSocks() &&
        !route_.socksClient(*context_.log).connectTo(control_.socket(), route_.target)) {
        return false;
    }
    // PASV names IPv4 addresses only: an IPv6 server is asked with EPSV (a proxy's own
    // connection says nothing of the server's).
    NetAddress peer;
    data_.controlConnected(route_.type == ProxyType::None &&
                           control_.socket().peerEndpoint(&peer) && peer.isIpv6());
    if (cancelled()) {
        return false;
    }
    if (route_.type != ProxyType::None) {
        route_.logLine(*context_.log, "... using proxy connection on [%s:%u] for CONTROL");
    }
    // Implicit TLS: the handshake comes before the greeting.
    return target_.tls() != FtpUrl::Tls::Implicit || startTls();
}

void ControlConnection::requestFeatures() {
    std::vector<std::string> lines;
    if (control_.probe("FEAT", &lines) == 211) {
        features_.parse(lines);
    }
    if (features_.has("UTF8") && !cancelled()) {
        // Names then travel as UTF-8 both ways; servers that know UTF8 mostly assume it
        // anyway, the others switch.
        control_.sendCommand("OPTS", "UTF8 ON");
        control_.readReply();
    }
    // The permissions box shows the modes MLSD gives; servers that offer them may wait
    // to be asked.
    const std::string facts = features_.mlstOptionsWithMode();
    if (!facts.empty() && !cancelled()) {
        control_.sendCommand("OPTS", "MLST " + facts);
        control_.readReply();
    }
}

void ControlConnection::askSystem() {
    std::string lastLine;
    control_.sendCommand("SYST");
    if (control_.readReply(&lastLine) / 100 == 2) {
        systemText_ = lastLine.size() > 4 ? lastLine.substr(4) : std::string();
    }
}

bool ControlConnection::keepAlive() {
    control_.sendCommand("NOOP");
    const int code = control_.readReply();
    return code != 421 && code != ControlChannel::kLocalFailure;
}

}  // namespace nubo
