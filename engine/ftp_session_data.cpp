#include <arpa/inet.h>

#include <cstdio>
#include <string>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/ftp_session.h"
#include "engine/host_lookup.h"
#include "engine/monotonic_clock.h"
#include "engine/net_timeouts.h"
#include "engine/pasv_reply.h"
#include "engine/session_observer.h"
#include "engine/socks_client.h"
#include "engine/transfer_time.h"
#include "engine/winsock_error.h"

// Data connections of FtpSession: PASV and PORT set-up, REST, transfer reporting.

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

void FtpSession::setRestart(bool active, int64_t offset) {
    restartActive_ = active;
    restartPending_ = offset;
}

void FtpSession::sendRestart() {
    if (!restartActive_) {
        return;
    }
    control_.sendCommand("REST", std::to_string(restartPending_));
    if (control_.readReply() / 100 != 3) {
        restartPending_ = 0;  // the transfer starts from the beginning
    }
}

int FtpSession::openDataConnection(const std::string& command, std::string* lastLine) {
    dataConnectionBroke_ = false;
    if (passive_ && proxyType_ == ProxyType::FtpProxy) {
        logExtended("... PASSIVE not valid with FTP proxy server; using PORT");
        passive_ = false;
    }
    return secureDataConnection(passive_ ? openPassive(command, lastLine)
                                         : openActive(command, lastLine));
}

int FtpSession::requestPassive(std::string* replyLine, unsigned* port, uint32_t* address) {
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

int FtpSession::openPassive(const std::string& command, std::string* lastLine) {
    std::string pasvLine;
    unsigned port = 0;
    uint32_t replyAddress = 0;
    int code = requestPassive(&pasvLine, &port, &replyAddress);
    if (code == 421) {
        logExtended("... [DATA] connection CLOSED");
        return kDataControlLost;
    }
    if (code == 0) {
        return kDataFailed;  // checked before the transfer command goes out
    }
    if (code != 227 && code != 229) {
        logExtended("... Can't open PASSIVEly; trying PORT");
        passive_ = false;
        return openActive(command, lastLine);
    }

    // The data connection goes to the control peer (through SOCKS, the target) at the
    // port the reply names: a 227 naming another host is the FTP bounce (a server
    // aiming the client's upload or download at a third party) or a server behind NAT.
    // Only the user's "PasvReplyAddress" setting lets a 227's own address count.
    NetAddress address;
    if (isSocks()) {
        address = targetAddress_;
    } else if (!control_.socket().peerEndpoint(&address)) {
        control_.logWinsockError("... [DATA] server address unknown, WinSock err = %s");
        return kDataFailed;
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

    sendRestart();
    control_.sendCommand(command);
    if (isSocks()) {
        if (!data_.createBlocking() || !connectToSocksServer(data_) ||
            !socksClient().connectTo(data_, address)) {
            return abandonDataCommand(0, lastLine);
        }
        context_.log->LogExtendedFormat("Using proxy connection to %s for DATA",
                                        address.bracketedText().c_str());
    } else if (!data_.connectTo(address)) {
        if (lastWinsockError() != wsa::kInterrupted) {
            control_.logWinsockError("... Connect failed, WinSock err = %s");
        }
        return abandonDataCommand(0, lastLine);
    } else {
        context_.log->LogExtendedFormat("Connected to %s for DATA",
                                        address.bracketedText().c_str());
    }

    code = control_.readReply(lastLine);
    if (isPreliminary(code)) {
        return kDataOpen;
    }
    data_.close();
    return code == 421 ? kDataControlLost : kDataFailed;
}

int FtpSession::abandonDataCommand(int code, std::string* lastLine) {
    data_.close();
    if (lastWinsockError() == wsa::kInterrupted) {
        return kDataFailed;  // cancelled: the session is ending
    }
    // No reply read yet, or the server had accepted: the connection itself failed.
    dataConnectionBroke_ = code == 0 || isPreliminary(code);
    // The transfer command went out, so its replies must be read, or each later command
    // would take the reply of the one before. A server that already said 1xx waits for
    // a connection that will not come: it is told ABOR. A control connection lost on
    // the way is a lost connection, not a failed file.
    if (code == 0) {
        code = control_.readReply(lastLine);
    }
    if (isPreliminary(code)) {
        code = abortStalledTransfer();
    }
    return code == 421 ? kDataControlLost : kDataFailed;
}

void FtpSession::sendPort(uint32_t address, unsigned port) {
    uint32_t a = ntohl(address);
    char argument[64];
    std::snprintf(argument, sizeof argument, "%u,%u,%u,%u,%u,%u", a >> 24, (a >> 16) & 255,
                  (a >> 8) & 255, a & 255, port >> 8, port & 255);
    control_.sendCommand("PORT", argument);
    control_.readReply();  // its code is not examined
}

bool FtpSession::connectToSocksServer(FtpSocket& socket) {
    if (!socket.isOpen() && !socket.createBlocking()) {
        return false;
    }
    if (!socket.connectTo(proxyEndpoint_)) {
        logProxyLine("... unable to CONNECT to SOCKS server %s:%u");
        return false;
    }
    return true;
}

int FtpSession::openSocksActive(const std::string& command, std::string* lastLine) {
    SocksClient socks = socksClient();
    uint32_t bound = 0;
    unsigned boundPort = 0;
    if (!data_.createBlocking() || !connectToSocksServer(data_) ||
        !socks.bind(data_, targetAddress_.ipv4(), target_.portNumber(), proxyEndpoint_.ipv4(),
                    &bound, &boundPort)) {
        data_.close();
        return kDataFailed;
    }
    sendPort(bound, boundPort);
    sendRestart();
    control_.sendCommand(command);
    int code = control_.readReply(lastLine);
    if (!isPreliminary(code) || !socks.awaitBoundPeer(data_)) {
        return abandonDataCommand(code, lastLine);
    }
    context_.log->LogExtendedFormat("Using proxy connection on [%s:%u] for DATA",
                                    dottedAddress(bound).c_str(), boundPort);
    return kDataOpen;
}

int FtpSession::openActive(const std::string& command, std::string* lastLine) {
    if (isSocks()) {
        return openSocksActive(command, lastLine);
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
        return kDataFailed;
    }
    // PORT carries IPv4 only; an IPv6 connection names its address with EPRT.
    if (listening.isIpv6()) {
        control_.sendCommand("EPRT", extendedPortArgument(listening));
        control_.readReply();  // as with PORT, its code is not examined
    } else {
        sendPort(listening.ipv4(), listening.port());
    }

    sendRestart();
    control_.sendCommand(command);
    int code = control_.readReply(lastLine);
    if (!isPreliminary(code)) {
        return code == 421 ? kDataControlLost : kDataFailed;
    }
    if (!acceptFromServer(listener, data_, server, *context_.log)) {
        if (lastWinsockError() != wsa::kInterrupted) {
            control_.logWinsockError("... Accept failed, WinSock err = %s");
        }
        return abandonDataCommand(code, lastLine);
    }
    context_.log->LogExtendedFormat("Accepted connection on %s for DATA",
                                    listening.bracketedText().c_str());
    return kDataOpen;
}

int64_t FtpSession::reportTransferStart(int64_t expectedSize) {
    int64_t start = monotonicMilliseconds();
    lastProgressReport_ = 0;
    movedData_ = false;
    if (context_.observer != nullptr) {
        context_.observer->transferStarted(expectedSize, start);
    }
    return start;
}

void FtpSession::reportTransferProgress(int64_t bytes) {
    if (bytes - lastProgressReport_ < 1000) {
        return;
    }
    lastProgressReport_ = bytes;
    if (context_.observer != nullptr) {
        context_.observer->transferProgress(bytes);
    }
}

int FtpSession::closeDataPhase(bool sending, int lastBlock, int64_t bytes, int64_t startMs,
                               bool* broken) {
    const bool aborted = abortRequested_;
    bool failed = !aborted && lastBlock == FtpSocket::kError;
    if (sending && !aborted && !failed && !data_.finishSending()) {
        failed = true;
    }
    const bool stalled = failed && lastWinsockError() == wsa::kTimedOut;
    if (failed && data_.lowSpeedTripped()) {
        const LowSpeedGuard& limit = data_.lowSpeedLimit();
        context_.log->LogExtendedFormat(
            "... [DATA] fewer than %lld bytes in %g seconds: the transfer is stalled",
            static_cast<long long>(limit.floorBytes()), limit.windowMs() / 1000.0);
    }
    if (failed) {
        control_.logWinsockError(sending ? "... [DATA] Send failed, WinSock err = %s"
                                         : "... [DATA] Receive failed, WinSock err = %s");
    }
    logTransferTime(sending ? "sent" : "received", bytes, startMs);
    data_.close();
    *broken = failed;
    return stalled ? abortStalledTransfer() : control_.readReply();
}

int FtpSession::abortStalledTransfer() {
    // The silence time-out already ran out once; the server gets a short while to
    // answer the abort, then the batch goes on.
    control_.setAborSent(true);
    control_.sendCommand("ABOR", std::nullopt, true);
    const int code = control_.readAbortReplies(kAbortReplyWaitMs);
    control_.setAborSent(false);
    return code == 421 ? 421 : 426;
}

bool FtpSession::sizeAsAnnounced(int64_t moved, int64_t announced, int64_t offset,
                                 const char* verb) {
    // After REST some servers announce the whole file, others what is left of it.
    if (announced < 0 || moved == announced || (offset > 0 && moved - offset == announced)) {
        return true;
    }
    context_.log->LogExtendedFormat("*** Transfer size mismatch: %lld bytes %s, %lld announced",
                                    static_cast<long long>(moved), verb,
                                    static_cast<long long>(announced));
    return false;
}

void FtpSession::logTransferTime(const char* verb, int64_t bytes, int64_t startMs) {
    int64_t end = monotonicMilliseconds();
    if (context_.observer != nullptr) {
        context_.observer->transferEnded(bytes, end);
    }
    logExtended(formatTransferTime(verb, bytes, end - startMs));
}

}  // namespace nubo
