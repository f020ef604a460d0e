#include <algorithm>
#include <chrono>
#include <string>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/download_job.h"
#include "engine/ftp_session.h"
#include "engine/main_outlets.h"
#include "engine/remote_search.h"
#include "engine/restart_record.h"
#include "engine/session_observer.h"
#include "engine/transfer_pool.h"
#include "engine/upload_job.h"

// The request queue of FtpSession, the worker's loop over it and the operation of
// each kind: transfers run as jobs of their own, the rest as session operations.

namespace nubo {

void FtpSession::installOperations() {
    // Each kind's operation, by the kind's place in the request variant.
    setRequestHandler(RequestKind::ChangeDirectory, [](FtpSession& s, SessionRequest& r) {
        auto& request = std::get<ChangeDirectoryRequest>(r);
        return s.changeDirectory(&request.path, request.flags);
    });
    setRequestHandler(RequestKind::ChangeDirectoryUp, [](FtpSession& s, SessionRequest&) {
        return s.changeDirectory(nullptr, {});
    });
    setRequestHandler(RequestKind::ListToFile, [](FtpSession& s, SessionRequest& r) {
        return s.listToFile(std::get<ListToFileRequest>(r));
    });
    setRequestHandler(RequestKind::Get, [](FtpSession& s, SessionRequest& r) {
        DownloadJob job(s);
        s.startBatch();
        return job.run(std::get<GetRequest>(r));
    });
    setRequestHandler(RequestKind::Put, [](FtpSession& s, SessionRequest& r) {
        UploadJob job(s);
        s.startBatch();
        return job.run(std::get<PutRequest>(r));
    });
    setRequestHandler(RequestKind::Delete, [](FtpSession& s, SessionRequest& r) {
        return s.deleteEntries(std::get<DeleteRequest>(r));
    });
    setRequestHandler(RequestKind::Count, [](FtpSession& s, SessionRequest& r) {
        return s.countTrees(std::get<CountRequest>(r));
    });
    setRequestHandler(RequestKind::Find, [](FtpSession& s, SessionRequest& r) {
        return s.find(std::get<FindRequest>(r));
    });
    setRequestHandler(RequestKind::MakeDirectory, [](FtpSession& s, SessionRequest& r) {
        return s.makeDirectory(std::get<MakeDirectoryRequest>(r));
    });
    setRequestHandler(RequestKind::Rename, [](FtpSession& s, SessionRequest& r) {
        return s.renameRemote(std::get<RenameRequest>(r));
    });
    setRequestHandler(RequestKind::Chmod, [](FtpSession& s, SessionRequest& r) {
        return s.changeModes(std::get<ChmodRequest>(r));
    });
}

int FtpSession::run() {
    if (start()) {
        requestLoop();
    }
    closeControl();
    data_.close();
    // Whatever is still queued is discarded with the session; a transfer that never
    // ran did not succeed, and a script must read it so.
    // A run that logs in again to resume a broken transfer counts what it finally
    // achieves, not this attempt's loss.
    uint32_t bits = control_.lost() && !brokenForRetry_ ? exitbit::kConnectFailed : 0;
    requests_.flush(
        [&](SessionRequest& request) {
            if (!brokenForRetry_)
                bits |= failureBit(kindOf(request));
        },
        false);
    if (bits != 0 && context_.outlets != nullptr) {
        context_.outlets->AddExitBits(bits);
    }
    return exitCode_;
}

uint32_t FtpSession::failureBit(RequestKind kind) {
    switch (kind) {
        case RequestKind::Get:
        case RequestKind::ListToFile:
            return exitbit::kGetFailed;
        case RequestKind::Put:
            return exitbit::kPutFailed;
        default:
            return 0;
    }
}

bool FtpSession::waitForRequest() {
    // Idle: a NOOP now and then, always between requests, never during one; false when
    // the connection is gone.
    return requests_.wait(context_.keepAliveMs, [this] { return connection_.keepAlive(); });
}

void FtpSession::requestLoop() {
    exitCode_ = 0;
    for (;;) {
        if (!waitForRequest())
            return;
        abortRequested_ = false;
        syncSessionRestartFields();
        if (!control_.discardExtraneousResponses()) {
            return;  // the socket itself failed: no QUIT
        }
        SessionRequest* request = requests_.take();
        if (request == nullptr) {
            continue;  // an abort flushed it after the count was taken
        }
        bool keepRunning = true;
        int result = 0;
        if (const auto* logoff = std::get_if<LogoffRequest>(request)) {
            keepRunning = false;
            exitCode_ = logoff->exitCode;
        } else {
            result = runRequest(*request);
        }
        abortRequested_ = false;
        control_.setAborSent(false);
        requests_.finish(request);
        if (!keepRunning) {
            control_.sendCommand("QUIT");
            return;
        }
        if (result == 421) {
            return;  // the control connection is gone: no QUIT
        }
    }
}

int FtpSession::runRequest(SessionRequest& request) {
    const size_t index = request.index();
    if (index >= handlers_.size() || !handlers_[index]) {
        return 0;
    }
    return handlers_[index](*this, request);
}

void FtpSession::setRequestHandler(RequestKind kind, RequestHandler handler) {
    handlers_[static_cast<size_t>(kind)] = std::move(handler);
}

bool FtpSession::sendAbortOnce() {
    if (!transferActive_ || control_.aborSent()) {
        return false;
    }
    // Set first: the worker must drop the 426 that may answer before send returns.
    control_.setAborSent(true);
    control_.sendCommand("ABOR", std::nullopt, true);
    return true;
}

void FtpSession::stopFileInHand() {
    abortRequested_ = true;
    if (sendAbortOnce()) {
        // From the interface thread: straight to the log, the worker's task notes are
        // its own.
        context_.log->LogExtended("Transfer terminated");
    }
}

void FtpSession::readyAfterStop() {
    abortRequested_ = false;
    control_.setAborSent(false);
}

void FtpSession::abort() {
    abortRequested_ = true;
    {
        // Every connection of a batch's pool ends its transfer too.
        std::lock_guard lock(poolLock_);
        if (batchPool_ != nullptr)
            batchPool_->abort();
    }
    bool aborSent = sendAbortOnce();
    const int removed = requests_.flush([](SessionRequest& request) {
        if (auto* find = std::get_if<FindRequest>(&request))
            find->search->dropUnrun();
    });
    aborSent = sendAbortOnce() || aborSent;
    if (!aborSent && removed == 0) {
        return;
    }
    std::string text = aborSent ? "Transfer terminated" : "Queue flushed";
    if (aborSent && removed > 0) {
        text += ", queue flushed";
    }
    setStatus(text);
    context_.log->LogExtended(text);  // as above: not the worker's task note
}

void FtpSession::settingChanged(const std::string& name) {
    if (name == "Passive") {
        connector_.setPassive(context_.config->GetInt("Passive") != 0);
    } else if (name == "SimultaneousTransfers") {
        // The next batch uses the new value; a batch running keeps its pool.
        simultaneousTransfers_ = std::clamp(context_.config->GetInt(name), 1, 10);
    } else if (name == "DownloadLimit" || name == "UploadLimit") {
        // Every connection of the session, its pool's too, takes it at its next block.
        SpeedLimiter* limit =
            name == "DownloadLimit" ? context_.downloadLimit : context_.uploadLimit;
        limit->setKilobytesPerSecond(context_.config->GetInt(name));
    } else if (name == "Restart") {
        bool on = context_.config->GetInt("Restart") != 0;
        restartEnabled_ = on;
        if (context_.restart == nullptr) {
            return;
        }
        if (on) {
            // The worker owns the transfer's texts: it writes them at its next step.
            restartFieldsWanted_ = true;
        } else {
            context_.restart->setInProgress(0);
        }
    }
}

TransferOutcome FtpSession::countTransfer(int code, bool isGet) {
    const bool ok = code / 100 == 2;
    endTask(ok ? TaskState::Done : (abortRequested_ ? TaskState::Stopped : TaskState::Failed),
            ok ? std::string() : taskReason(code));
    if (context_.observer != nullptr) {
        if (ok) {
            context_.observer->transferAdvanced();
        }
        context_.observer->transferOutcome(ok);
    }
    if (context_.outlets != nullptr) {
        context_.outlets->AddExitBits(isGet ? (ok ? exitbit::kReceived : exitbit::kGetFailed)
                                            : (ok ? exitbit::kSent : exitbit::kPutFailed));
    }
    return {code, false};
}

TransferOutcome FtpSession::countBatchStop(int code, bool isGet) {
    TransferOutcome outcome = countTransfer(code, isGet);
    outcome.stopsBatch = true;
    return outcome;
}

}  // namespace nubo
