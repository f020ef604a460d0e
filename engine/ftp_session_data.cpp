#include <cstdio>
#include <string>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/ftp_session.h"
#include "engine/monotonic_clock.h"
#include "engine/session_observer.h"
#include "engine/transfer_time.h"
#include "engine/winsock_error.h"

// The data phase of FtpSession's transfers: REST mark, reporting, the end of a transfer.

namespace nubo {

int FtpSession::openDataConnection(const std::string& command, std::string* lastLine) {
    return connector_.open(command, restartActive_ ? &restartPending_ : nullptr, lastLine);
}

void FtpSession::setRestart(bool active, int64_t offset) {
    restartActive_ = active;
    restartPending_ = offset;
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
    return stalled ? connector_.abortStalledTransfer() : control_.readReply();
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
