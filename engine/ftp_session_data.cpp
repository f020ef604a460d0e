#include <arpa/inet.h>

#include <cstdio>
#include <string>

#include "base/app_log.h"
#include "engine/ftp_session.h"
#include "engine/host_lookup.h"
#include "engine/monotonic_clock.h"
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
    if (passive_ && proxyType_ == ProxyType::FtpProxy) {
        logExtended("... PASSIVE not valid with FTP proxy server; using PORT");
        passive_ = false;
    }
    return secureDataConnection(passive_ ? openPassive(command, lastLine)
                                         : openActive(command, lastLine));
}

int FtpSession::openPassive(const std::string& command, std::string* lastLine) {
    std::string pasvLine;
    control_.sendCommand("PASV");
    int code = control_.readReply(&pasvLine);
    if (code == 421) {
        logExtended("... [DATA] connection CLOSED");
        return kDataControlLost;
    }
    if (code != 227) {
        logExtended("... Can't open PASSIVEly; trying PORT");
        passive_ = false;
        return openActive(command, lastLine);
    }
    // Checked before the transfer command goes out, so that a reply that names no
    // usable address leaves nothing pending on the server.
    PassiveAddress reply;
    if (!parsePassiveReply(pasvLine, &reply)) {
        context_.log->LogExtended("... invalid PASV reply: ", pasvLine);
        return kDataFailed;
    }

    sendRestart();
    control_.sendCommand(command);
    if (!data_.createBlocking()) {
        control_.logWinsockError("... Connect failed, WinSock err = %s");
        return kDataFailed;
    }
    uint32_t address = reply.address();
    uint32_t peer = targetIp_;  // through SOCKS the control peer is the proxy
    unsigned peerPort = 0;
    if (isSocks() || control_.socket().peerAddress(&peer, &peerPort)) {
        address = passiveConnectAddress(address, peer);
        if (address != reply.address()) {
            context_.log->LogExtendedFormat(
                "... PASV reply names local address %s; using server address %s",
                reply.dotted().c_str(), dottedAddress(peer).c_str());
        }
    }
    if (isSocks()) {
        if (!connectToSocksServer(data_) || !socksClient().connectTo(data_, address, reply.port)) {
            data_.close();
            return kDataFailed;
        }
        context_.log->LogExtendedFormat("Using proxy connection to [%s:%u] for DATA",
                                        dottedAddress(address).c_str(), reply.port);
    } else if (!data_.connectAddress(address, reply.port)) {
        if (lastWinsockError() != wsa::kInterrupted) {
            control_.logWinsockError("... Connect failed, WinSock err = %s");
        }
        data_.close();
        return kDataFailed;
    } else {
        context_.log->LogExtendedFormat("Connected to [%s:%u] for DATA",
                                        dottedAddress(address).c_str(), reply.port);
    }

    code = control_.readReply(lastLine);
    if (isPreliminary(code)) {
        return kDataOpen;
    }
    data_.close();
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
    if (!socket.connectAddress(proxyIp_, proxyAddress_.portNumber())) {
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
        !socks.bind(data_, targetIp_, target_.portNumber(), proxyIp_, &bound, &boundPort)) {
        data_.close();
        return kDataFailed;
    }
    sendPort(bound, boundPort);
    sendRestart();
    control_.sendCommand(command);
    int code = control_.readReply(lastLine);
    if (!isPreliminary(code) || !socks.awaitBoundPeer(data_)) {
        data_.close();
        return code == 421 ? kDataControlLost : kDataFailed;
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
    uint32_t localAddress = 0;
    unsigned controlPort = 0;
    unsigned listenPort = 0;
    uint32_t ignored = 0;
    if (!listener.createBlocking() ||
        !control_.socket().localAddress(&localAddress, &controlPort) ||
        !listener.listen(localAddress, 0, 5) || !listener.localAddress(&ignored, &listenPort)) {
        control_.logWinsockError("... [DATA] listen failed, WinSock err = %s");
        return kDataFailed;
    }
    sendPort(localAddress, listenPort);

    sendRestart();
    control_.sendCommand(command);
    int code = control_.readReply(lastLine);
    if (!isPreliminary(code)) {
        return code == 421 ? kDataControlLost : kDataFailed;
    }
    if (!listener.accept(data_)) {
        if (lastWinsockError() != wsa::kInterrupted) {
            control_.logWinsockError("... Accept failed, WinSock err = %s");
        }
        data_.close();
        return kDataFailed;
    }
    context_.log->LogExtendedFormat("Accepted connection on [%s:%u] for DATA",
                                    dottedAddress(localAddress).c_str(), listenPort);
    return kDataOpen;
}

int64_t FtpSession::reportTransferStart(int64_t expectedSize) {
    int64_t start = monotonicMilliseconds();
    lastProgressReport_ = 0;
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
