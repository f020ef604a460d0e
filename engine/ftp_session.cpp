#include "engine/ftp_session.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/host_lookup.h"
#include "engine/main_outlets.h"
#include "engine/net_timeouts.h"
#include "engine/remote_view_contract.h"
#include "engine/restart_record.h"
#include "engine/session_observer.h"
#include "engine/socks_client.h"
#include "engine/url_defaults.h"
#include "engine/winsock_error.h"
#include "platform/listing_locale.h"

namespace nubo {

namespace {

constexpr int kControlBufferSize = 4096;

const char* defaultProxyPort(ProxyType type) {
    return type == ProxyType::FtpProxy ? "21" : "1080";
}

}  // namespace

namespace {

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

FtpSession::FtpSession(const FtpUrl& target, const SessionContext& context)
    : target_(target), context_(context), control_(*context.log) {
    for (SessionRequest& record : pool_) {
        free_.push_back(&record);
    }
    ConfigStore& config = *context_.config;
    passive_ = config.GetInt("Passive") != 0;
    data_.setLowSpeedLimit(kLowSpeedFloorBytes, kLowSpeedWindowSeconds * 1000);
    listingLocale_ = perhost::locale(context_.perHostSettings);
    setListingLocale(listingLocale_);

    uint32_t zoneCode = perhost::timeZoneCode(context_.perHostSettings);
    if (zoneCode != 0) {
        // Seconds to add to local time for UTC, and to add to the server's time for UTC.
        time_t now = time(nullptr);
        tm local{};
        localtime_r(&now, &local);
        localZoneBias_ = static_cast<int32_t>(-local.tm_gmtoff);
        hostZoneAdjustment_ = -60 * (static_cast<int32_t>(zoneCode) * 15 - 960);
    }

    int type = config.GetInt("ProxyType");
    if (!perhost::bypassProxy(context_.perHostSettings) && type >= 1 && type <= 3) {
        proxyType_ = static_cast<ProxyType>(type);
        // The proxy text is read with the type's default port in place of the URL
        // default, which is put back afterwards.
        std::string savedPort;
        UrlDefaults::getDefaults(nullptr, nullptr, nullptr, &savedPort);
        std::string proxyPort = defaultProxyPort(proxyType_);
        UrlDefaults::setDefaults(nullptr, nullptr, nullptr, &proxyPort);
        proxyAddress_.parse(config.GetString("Proxy"));
        UrlDefaults::setDefaults(nullptr, nullptr, nullptr, &savedPort);
        proxyUser_ = config.GetString("AuthName");
        proxyPassword_ = config.GetString("AuthPasswd");
        if (isSocks()) {
            proxyEndpoint_ = resolveForSocks(proxyAddress_.host, proxyAddress_.portNumber(), true);
            targetAddress_ = resolveForSocks(target_.host, target_.portNumber(),
                                             proxyType_ == ProxyType::Socks5);
        }
    }
    // Command-line transfers keep restart records too: a run that loses its connection
    // resumes through them.
    restartEnabled_ = config.GetInt("Restart") != 0;
    installOperations();
}

bool FtpSession::cancelled() const {
    return context_.cancel != nullptr && *context_.cancel;
}

void FtpSession::logExtended(const std::string& text) {
    context_.log->LogExtended(text);
}

void FtpSession::setStatus(const std::string& text) {
    if (context_.outlets != nullptr) {
        context_.outlets->SetStatus(text);
    }
}

void FtpSession::closeControl() {
    control_.socket().close();
}

void FtpSession::logProxyLine(const char* format) {
    context_.log->LogExtendedFormat(format, proxyAddress_.host.c_str(), proxyAddress_.portNumber());
}

SocksClient FtpSession::socksClient() {
    SocksClient::Server server;
    server.type = proxyType_;
    server.host = proxyAddress_.host;
    server.port = proxyAddress_.portNumber();
    server.user = proxyUser_;
    server.password = proxyPassword_;
    return SocksClient(server, *context_.log);
}

bool FtpSession::connectControl() {
    const FtpUrl& destination = proxyType_ == ProxyType::None ? target_ : proxyAddress_;
    if (cancelled()) {
        return false;
    }
    bool connected = control_.socket().connect(destination.host, destination.portNumber());
    if (cancelled()) {
        return false;
    }
    if (!connected) {
        if (proxyType_ != ProxyType::None) {
            logProxyLine("... unable to CONNECT to proxy server %s:%u");
        }
        return false;
    }
    if (isSocks() && !socksClient().connectTo(control_.socket(), targetAddress_)) {
        return false;
    }
    // PASV names IPv4 addresses only: an IPv6 server is asked with EPSV (a proxy's own
    // connection says nothing of the server's).
    NetAddress peer;
    extendedPassive_ =
        proxyType_ == ProxyType::None && control_.socket().peerEndpoint(&peer) && peer.isIpv6();
    if (cancelled()) {
        return false;
    }
    if (proxyType_ != ProxyType::None) {
        logProxyLine("... using proxy connection on [%s:%u] for CONTROL");
    }
    // Implicit TLS: the handshake comes before the greeting.
    return target_.tls() != FtpUrl::Tls::Implicit || startControlTls();
}

bool FtpSession::start() {
    FtpSocket& socket = control_.socket();
    if (socket.createBlocking() && socket.setNoDelay(true)) {
        socket.setBufferSize(kControlBufferSize);
    }
    std::string connecting = "Connecting to " + target_.host;
    setStatus(connecting);
    logExtended(connecting);

    bool connected = connectControl();
    bool loggedIn = connected && login();
    if (!loggedIn) {
        if (cancelled()) {
            logExtended("... login aborted");
        } else {
            setStatus({});
            if (tlsFailed_) {
                logExtended("... no secure connection");
            } else if (!connected) {
                control_.logWinsockError("... failed to connect, WinSock err = %s");
            } else {
                logExtended("... failed to log in");
            }
            if (context_.outlets != nullptr) {
                // A TLS failure is a failed connection, not a refused login.
                context_.outlets->AddExitBits(connected && !tlsFailed_ ? exitbit::kLoginFailed
                                                                       : exitbit::kConnectFailed);
            }
            if (context_.config->GetInt("CLStart") != 0 &&
                context_.config->GetInt("NoUIQuit") != 0) {
                exitCode_ = 3;
            }
        }
        return false;
    }
    afterLogin();
    return true;
}

void FtpSession::requestFeatures() {
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
}

void FtpSession::afterLogin() {
    if (!cancelled()) {
        requestFeatures();
    }
    NetAddress peer;
    control_.socket().peerEndpoint(&peer);
    const std::string connectedText = target_.host + " " + peer.bracketedText();

    if (!cancelled() && context_.config->GetInt("CLStart") == 0) {
        std::string lastLine;
        int code = (control_.sendCommand("SYST"), control_.readReply(&lastLine));
        if (code / 100 == 2) {
            systemText_ = lastLine.size() > 4 ? lastLine.substr(4) : std::string();
        }
    }
    std::string connected = std::string("Connected to ") + connectedText;
    setStatus(connected);
    logExtended(connected);

    if (context_.remoteView != nullptr) {
        context_.remoteView->onConnected(this);
    }
    if (!cancelled()) {
        enqueue(ChangeDirectoryRequest{target_.decodedPath(), DirectoryFlags{.tryParent = true}});
    }
    // The resumed transfer goes first: a command-line run queues its own requests (and
    // its Logoff) when it hears of the login.
    currentUrl_ = target_.toString();
    if (!cancelled()) {
        resumeAfterLogin();
    }
    if (context_.observer != nullptr) {
        context_.observer->sessionLoggedIn(connectedText);
    }
    if (cancelled()) {
        enqueue(LogoffRequest{});
        logExtended("... login aborted");
    }
}

void FtpSession::resumeAfterLogin() {
    RestartRecord* record = context_.restart;
    if (!restartEnabled_ || record == nullptr) {
        return;
    }
    restartPending_ = record->getInProgress();
    if (restartPending_ == 0) {
        record->setField(RestartRecord::kUrl, currentUrl_);
        return;
    }
    enqueue(ChangeDirectoryRequest{record->getField(RestartRecord::kRemoteDir), {}});
    const std::string operation = record->getField(RestartRecord::kOperation);
    const char letter = operation.size() > 1 ? operation[1] : 'i';
    TransferOptions options;
    options.mode = letter == 'a'   ? TransferMode::Ascii
                   : letter == 'x' ? TransferMode::Smart
                                   : TransferMode::Image;
    const std::string localPath = record->getField(RestartRecord::kLocalPath);
    if (!operation.empty() && operation[0] == 'G') {
        // The file is named, not chosen: it is looked up where the record says it was.
        GetRequest get;
        get.names.push_back(record->getField(RestartRecord::kRemoteFile));
        get.namesIgnoreCase = true;
        get.options = options;
        get.localFolder = localPath;
        enqueue(std::move(get));
    } else if (!operation.empty() && operation[0] == 'P') {
        enqueue(PutRequest{{}, {localPath}, options});
    }
}

}  // namespace nubo
