#include "engine/data_connector.h"

#include <arpa/inet.h>

#include <cstdio>
#include <string>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/control_channel.h"
#include "engine/ftp_url.h"
#include "engine/host_lookup.h"
#include "engine/monotonic_clock.h"
#include "engine/net_timeouts.h"
#include "engine/pasv_reply.h"
#include "engine/proxy_route.h"
#include "engine/session_context.h"
#include "engine/socks_client.h"
#include "engine/tls_channel.h"
#include "engine/winsock_error.h"

namespace nubo {

namespace {

bool isPreliminary(int code) {
    return code / 100 == 1;
}

// Accepts the server's data connection on the PORT listener. Anyone may connect there,
// and the first to do so would feed or take the file: a connection from an address
// other than the server's is logged and closed, and the wait goes on for the server's
// own within the one accept time-out (the listener is made with the defaults).
bool acceptFromServer(FtpSocket& listener, FtpSocket& data, const NetAddress& server, AppLog& log) {
    const int64_t deadline = monotonicMilliseconds() + kSilenceTimeoutSeconds * 1000LL;
    while (listener.accept(data)) {
        NetAddress from;
        if (data.peerEndpoint(&from) && from.text() == server.text()) {
            return true;
        }
        log.LogExtendedFormat("*** [DATA] Connection from %s refused: not the server (%s)",
                              from.valid() ? from.text().c_str() : "an unknown address",
                              server.text().c_str());
        data.close();
        const int64_t left = deadline - monotonicMilliseconds();
        if (left <= 0) {
            setLastWinsockError(wsa::kTimedOut);
            return false;
        }
        listener.setTimeouts(kConnectTimeoutSeconds * 1000, static_cast<int>(left));
    }
    return false;
}

}  // namespace

DataConnector::DataConnector(ControlChannel& control, const ProxyRoute& route, const FtpUrl& target,
                             const SessionContext& context)
    : control_(control), route_(route), target_(target), context_(context) {
    data_.setLowSpeedLimit(kLowSpeedFloorBytes, kLowSpeedWindowSeconds * 1000);
}

void DataConnector::logExtended(const std::string& text) {
    context_.log->LogExtended(text);
}

void DataConnector::sendRestart(int64_t* restOffset) {
    if (restOffset == nullptr) {
        return;
    }
    control_.sendCommand("REST", std::to_string(*restOffset));
    if (control_.readReply() / 100 != 3) {
        *restOffset = 0;  // the transfer starts from the beginning
    }
}

int DataConnector::open(const std::string& command, int64_t* restOffset, std::string* lastLine) {
    networkFailure_ = false;
    failedAfterAcceptance_ = false;
    if (passive_ && route_.type == ProxyType::FtpProxy) {
        logExtended("... PASSIVE not valid with FTP proxy server; using PORT");
        passive_ = false;
    }
    return secure(passive_ ? openPassive(command, restOffset, lastLine)
                           : openActive(command, restOffset, lastLine));
}

int DataConnector::requestPassive(std::string* replyLine, unsigned* port, uint32_t* address) {
    if (!extendedPassive_) {
        control_.sendCommand("PASV");
        int code = control_.readReply(replyLine);
        if (code == 421 || code == 227) {
            PassiveAddress reply;
            if (code == 227 && !parsePassiveReply(*replyLine, &reply)) {
                context_.log->LogExtended("... invalid PASV reply: ", *replyLine);
                return 0;
            }
            *port = reply.port;
            *address = reply.address();
            return code;
        }
        // Some servers (and routers rewriting PASV) only know the extended form: it is
        // tried once, quietly; accepted, it stays for the session.
        if (epsvTried_) {
            return code;
        }
        epsvTried_ = true;
        std::vector<std::string> lines;
        code = control_.probe("EPSV", &lines);
        if (code != 229) {
            return code;
        }
        extendedPassive_ = true;
        *replyLine = lines.back();
    } else {
        control_.sendCommand("EPSV");
        const int code = control_.readReply(replyLine);
        if (code != 229) {
            return code;
        }
    }
    if (!parseExtendedPassiveReply(*replyLine, port)) {
        context_.log->LogExtended("... invalid EPSV reply: ", *replyLine);
        return 0;
    }
    return 229;
}

int DataConnector::openPassive(const std::string& command, int64_t* restOffset,
                               std::string* lastLine) {
    std::string pasvLine;
    unsigned port = 0;
    uint32_t replyAddress = 0;
    int code = requestPassive(&pasvLine, &port, &replyAddress);
    if (code == 421) {
        logExtended("... [DATA] connection CLOSED");
        return kControlLost;
    }
    if (code == 0) {
        return kFailed;  // checked before the transfer command goes out
    }
    if (code != 227 && code != 229) {
        logExtended("... Can't open PASSIVEly; trying PORT");
        passive_ = false;
        return openActive(command, restOffset, lastLine);
    }

    // The data connection goes to the control peer (through SOCKS, the target) at the
    // port the reply names: a 227 naming another host is the FTP bounce (a server
    // aiming the client's upload or download at a third party) or a server behind NAT.
    // Only the user's "PasvReplyAddress" setting lets a 227's own address count.
    NetAddress address;
    if (route_.isSocks()) {
        address = route_.target;
    } else if (!control_.socket().peerEndpoint(&address)) {
        control_.logWinsockError("... [DATA] server address unknown, WinSock err = %s");
        return kFailed;
    }
    address.setPort(port);
    if (code == 227) {
        const bool followReply = context_.config->GetInt(kPasvReplyAddressSetting) != 0;
        const bool useReply = address.isIpv6() ? followReply
                                               : passiveConnectAddress(replyAddress, address.ipv4(),
                                                                       followReply) == replyAddress;
        if (useReply) {
            address = NetAddress::fromIpv4(replyAddress, port);
        } else {
            context_.log->LogExtendedFormat("... PASV reply names %s; using server address %s",
                                            dottedAddress(replyAddress).c_str(),
                                            address.text().c_str());
        }
    }

    sendRestart(restOffset);
    control_.sendCommand(command);
    if (route_.isSocks()) {
        if (!data_.createBlocking() || !route_.connectToSocksServer(data_, *context_.log) ||
            !route_.socksClient(*context_.log).connectTo(data_, address)) {
            return abandonCommand(0, lastLine);
        }
        context_.log->LogExtendedFormat("Using proxy connection to %s for DATA",
                                        address.bracketedText().c_str());
    } else if (!data_.connectTo(address)) {
        if (lastWinsockError() != wsa::kInterrupted) {
            control_.logWinsockError("... Connect failed, WinSock err = %s");
        }
        return abandonCommand(0, lastLine);
    } else {
        context_.log->LogExtendedFormat("Connected to %s for DATA",
                                        address.bracketedText().c_str());
    }

    code = control_.readReply(lastLine);
    if (isPreliminary(code)) {
        return kOpen;
    }
    data_.close();
    return code == 421 ? kControlLost : kFailed;
}

int DataConnector::abandonCommand(int code, std::string* lastLine) {
    data_.close();
    if (lastWinsockError() == wsa::kInterrupted) {
        return kFailed;  // cancelled: the session is ending
    }
    // No reply read yet, or the server had accepted: the connection itself failed.
    networkFailure_ = code == 0 || isPreliminary(code);
    // The transfer command went out, so its replies must be read, or each later command
    // would take the reply of the one before. A server that already said 1xx waits for
    // a connection that will not come: it is told ABOR. A control connection lost on
    // the way is a lost connection, not a failed file.
    if (code == 0) {
        code = control_.readReply(lastLine);
    }
    if (isPreliminary(code)) {
        failedAfterAcceptance_ = true;
        code = abortStalledTransfer();
    }
    return code == 421 ? kControlLost : kFailed;
}

int DataConnector::sendPort(uint32_t address, unsigned port) {
    uint32_t a = ntohl(address);
    char argument[64];
    std::snprintf(argument, sizeof argument, "%u,%u,%u,%u,%u,%u", a >> 24, (a >> 16) & 255,
                  (a >> 8) & 255, a & 255, port >> 8, port & 255);
    return announce("PORT", argument);
}

int DataConnector::announce(const char* verb, const std::string& argument) {
    control_.sendCommand(verb, argument);
    std::string line;
    const int code = control_.readReply(&line);
    if (code == 421) {
        return kControlLost;
    }
    // A server that refuses the address will not connect: the transfer command would
    // only be refused in turn (or worse, taken with the last address it was given).
    if (code >= 400) {
        logExtended(std::string("*** ") + verb + " refused, no data connection: " + line);
        return kFailed;
    }
    return kOpen;
}

int DataConnector::openSocksActive(const std::string& command, int64_t* restOffset,
                                   std::string* lastLine) {
    SocksClient socks = route_.socksClient(*context_.log);
    uint32_t bound = 0;
    unsigned boundPort = 0;
    if (!data_.createBlocking() || !route_.connectToSocksServer(data_, *context_.log) ||
        !socks.bind(data_, route_.target.ipv4(), target_.portNumber(), route_.endpoint.ipv4(),
                    &bound, &boundPort)) {
        data_.close();
        return kFailed;
    }
    const int announced = sendPort(bound, boundPort);
    if (announced != kOpen) {
        data_.close();
        return announced;
    }
    sendRestart(restOffset);
    control_.sendCommand(command);
    int code = control_.readReply(lastLine);
    if (!isPreliminary(code) || !socks.awaitBoundPeer(data_)) {
        return abandonCommand(code, lastLine);
    }
    context_.log->LogExtendedFormat("Using proxy connection on [%s:%u] for DATA",
                                    dottedAddress(bound).c_str(), boundPort);
    return kOpen;
}

int DataConnector::openActive(const std::string& command, int64_t* restOffset,
                              std::string* lastLine) {
    if (route_.isSocks()) {
        return openSocksActive(command, restOffset, lastLine);
    }
    FtpSocket listener;
    NetAddress local;
    NetAddress listening;
    // Through an FTP proxy the peer is the proxy, and it is the proxy that connects.
    NetAddress server;
    const bool known =
        control_.socket().localEndpoint(&local) && control_.socket().peerEndpoint(&server);
    local.setPort(0);  // any free port of the control connection's address
    if (!known || !listener.listenOn(local, 5) || !listener.localEndpoint(&listening)) {
        control_.logWinsockError("... [DATA] listen failed, WinSock err = %s");
        return kFailed;
    }
    // PORT carries IPv4 only; an IPv6 connection names its address with EPRT.
    const int announced = listening.isIpv6() ? announce("EPRT", extendedPortArgument(listening))
                                             : sendPort(listening.ipv4(), listening.port());
    if (announced != kOpen) {
        return announced;
    }

    sendRestart(restOffset);
    control_.sendCommand(command);
    int code = control_.readReply(lastLine);
    if (!isPreliminary(code)) {
        return code == 421 ? kControlLost : kFailed;
    }
    if (!acceptFromServer(listener, data_, server, *context_.log)) {
        if (lastWinsockError() != wsa::kInterrupted) {
            control_.logWinsockError("... Accept failed, WinSock err = %s");
        }
        return abandonCommand(code, lastLine);
    }
    context_.log->LogExtendedFormat("Accepted connection on %s for DATA",
                                    listening.bracketedText().c_str());
    return kOpen;
}

int DataConnector::abortStalledTransfer() {
    // The silence time-out already ran out once; the server gets a short while to
    // answer the abort, then the batch goes on.
    control_.setAborSent(true);
    control_.sendCommand("ABOR", std::nullopt, true);
    const int code = control_.readAbortReplies(kAbortReplyWaitMs);
    control_.setAborSent(false);
    return code == 421 ? 421 : 426;
}

int DataConnector::secure(int opened) {
    if (!protected_ || opened != kOpen)
        return opened;
    std::string error;
    if (!data_.startTls(target_.host, &control_.socket(), &error)) {
        logExtended("*** [DATA] TLS handshake failed: " + error);
    } else if (data_.tls()->sameServerAs(*control_.socket().tls())) {
        return kOpen;
    } else {
        // Whoever answered is not the server whose certificate was judged at login (a
        // host that got in first, or a server with another certificate for data).
        logExtended("*** [DATA] Connection refused: its certificate (SHA-256 fingerprint " +
                    data_.tls()->certificate().fingerprint +
                    ") is not the server's and it did not resume the server's TLS session");
    }
    data_.close();
    // The server has taken the command: its final reply says the transfer failed.
    failedAfterAcceptance_ = true;
    const int code = control_.readReply();
    return code == 421 ? kControlLost : kFailed;
}

}  // namespace nubo
