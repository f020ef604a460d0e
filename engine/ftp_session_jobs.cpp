#include <algorithm>
#include <string>

#include "engine/download_job.h"
#include "engine/ftp_session.h"
#include "engine/listing_job.h"
#include "engine/main_outlets.h"
#include "engine/restart_record.h"
#include "engine/transfer_pool.h"
#include "engine/upload_job.h"

// What FtpSession keeps of its transfers: the jobs that run them, and the few facts
// that outlive one.

namespace nubo {

int FtpSession::listDirectory(const std::string& directory, DirectoryFlags flags, bool shown,
                              std::vector<RemoteEntry>* copy) {
    ListingJob job(*this);
    const int result = job.run(directory, flags, shown, copy);
    listingMissing_ = job.missing();
    if (job.read()) {
        listingBroken_ = job.broken();
    }
    return result;
}

TransferOutcome FtpSession::getFile(const RemoteEntry& entry, const std::string& localPath,
                                    const TransferOptions& options) {
    DownloadJob job(*this);
    return job.getFile(entry, localPath, options);
}

int FtpSession::enterDirectoryOnly(const std::string& path) {
    const int code = changeWorkingDirectory(path);
    if (code / 100 == 2) {
        currentRemoteDirectory_ = path;
    }
    return code;
}

TransferOutcome FtpSession::runPoolTask(const PoolTask& task, bool resume) {
    if (abortRequested_) {
        return {ControlChannel::kLocalFailure, false};  // stopped: nothing more starts
    }
    useQueuedTask(task.queueId);
    if (task.directory != currentRemoteDirectory_) {
        const int code = enterDirectoryOnly(task.directory);
        if (code == 421) {
            // Gone before the file began: it goes to another connection untouched
            // (without retries the batch ends, and the record has nothing to resume).
            if (context_.restart != nullptr && context_.retriesBrokenTransfers)
                context_.restart->setInProgress(1);
            return {421, true};
        }
        if (code / 100 != 2) {
            beginTask({});
            logExtended("*** Unable to enter " + task.directory + "; " + task.localPath +
                        " not transferred");
            return countTransfer(code, task.isGet);
        }
    }
    if (task.isGet) {
        DownloadJob job(*this);
        return job.getPooled(task, resume);
    }
    UploadJob job(*this);
    return job.putPooled(task, resume);
}

void FtpSession::quit() {
    protocol_.quit();
    closeControl();
}

int FtpSession::batchConnections() const {
    const int known = knownConnectionLimit_;
    const int wanted = simultaneousTransfers_;
    return known >= 1 ? std::min(wanted, known) : wanted;
}

void FtpSession::attachPool(TransferPool* pool) {
    std::lock_guard lock(poolLock_);
    batchPool_ = pool;
}

void FtpSession::takePoolTraffic(int64_t* received, int64_t* sent) {
    *received = 0;
    *sent = 0;
    std::lock_guard lock(poolLock_);
    if (batchPool_ != nullptr) {
        batchPool_->takeTraffic(received, sent);
    }
}

bool FtpSession::withdrawPoolTask(uint64_t queueId) {
    std::lock_guard lock(poolLock_);
    return batchPool_ != nullptr &&
           (batchPool_->withdraw(queueId) || batchPool_->stopRunning(queueId));
}

bool FtpSession::movePoolTaskToTop(uint64_t queueId) {
    std::lock_guard lock(poolLock_);
    return batchPool_ != nullptr && batchPool_->moveToFront(queueId);
}

bool FtpSession::writeRestartField(int field, const std::string& text) {
    if (!restartEnabled_ || context_.restart == nullptr) {
        return true;
    }
    return context_.restart->setField(field, text);
}

void FtpSession::syncSessionRestartFields() {
    // The transfer's own texts wait for the next transfer's first block.
    if (!restartFieldsWanted_ || context_.restart == nullptr) {
        return;
    }
    context_.restart->setField(RestartRecord::kUrl, currentUrl_);
    context_.restart->setField(RestartRecord::kRemoteDir, currentRemoteDirectory_);
}

void FtpSession::startBatch() {
    batchFirstTask_ = 0;
    if (context_.queue != nullptr) {
        batchFirstTask_ = context_.queue->nextId();
        context_.queue->beginBatch();
    }
}

void FtpSession::finishBatch() {
    const bool stopped = abortRequested_;
    abortRequested_ = false;
    std::string summary;
    if (stopped && context_.queue != nullptr) {
        context_.queue->finishUnfinished(TaskState::Stopped, "stopped");
    }
    if (context_.queue != nullptr && batchFirstTask_ != 0) {
        // A single file says for itself how it went; a batch's one failure among many
        // must not hide in the log. A batch whose broken file waits for the run's next
        // login is not over yet (a pool's breaks are all settled by now).
        const TaskCounts counts = context_.queue->counts(batchFirstTask_);
        const bool waitsForLogin = brokenForRetry_ && counts.active + counts.waiting > 0;
        if (!waitsForLogin && (counts.total() > 1 || counts.failed > 0)) {
            summary = TransferQueue::summaryLine(counts, stopped);
            if (context_.batchSummaries)
                logExtended(summary);
        }
    }
    batchFirstTask_ = 0;
    const std::string outcome = summary.empty() ? std::string() : summary.substr(4);
    if (context_.queue != nullptr) {
        context_.queue->endBatch(outcome);  // the windows' status bar reads it there
    }
    setStatus(outcome);
    if (context_.outlets != nullptr) {
        context_.outlets->ReportProgress({});
    }
}

void FtpSession::beginTask(const TaskSpec& spec) {
    taskProblem_.clear();
    taskNote_.clear();
    control_.clearLastReplyLine();
    if (context_.queue == nullptr) {
        currentTask_ = 0;
    } else if (queuedTask_ != 0) {
        currentTask_ = queuedTask_;
        context_.queue->activate(currentTask_, context_.connection, spec.size);
    } else {
        currentTask_ = context_.queue->begin(spec, context_.connection);
    }
    queuedTask_ = 0;
}

void FtpSession::endTask(TaskState state, const std::string& reason) {
    if (currentTask_ != 0 && context_.queue != nullptr) {
        context_.queue->finish(currentTask_, state, reason);
    }
    currentTask_ = 0;
}

std::string FtpSession::taskReason(int code) const {
    if (!taskProblem_.empty()) {
        return taskProblem_;
    }
    if (code == 421) {
        return "the connection was lost";
    }
    // The server's refusal of this file (a data connection refused counts as local).
    const std::string& line = control_.lastReplyLine();
    if (!line.empty() && (line[0] == '4' || line[0] == '5')) {
        return line;
    }
    return !taskNote_.empty() ? taskNote_ : "failed (" + std::to_string(code) + ")";
}

void FtpSession::recordFile(const TaskSpec& spec, TaskState state, const std::string& reason,
                            uint32_t exitBit) {
    if (context_.queue != nullptr) {
        const uint64_t id = context_.queue->add(spec);
        context_.queue->finish(id, state, reason);
    }
    if (context_.outlets != nullptr) {
        context_.outlets->AddExitBits(exitBit);
    }
}

void FtpSession::failFile(const TaskSpec& spec, const std::string& reason, uint32_t exitBit) {
    recordFile(spec, TaskState::Failed, reason, exitBit);
}

void FtpSession::skipFile(const TaskSpec& spec, const std::string& reason, uint32_t exitBit) {
    recordFile(spec, TaskState::Skipped, reason, exitBit);
}

TransferOutcome FtpSession::cancelAt(const TaskSpec& spec) {
    logExtended(spec.isGet ? "... download cancelled" : "... upload cancelled");
    skipFile(spec, "cancelled", spec.isGet ? exitbit::kGetSkipped : exitbit::kPutSkipped);
    abort();
    return {ControlChannel::kLocalFailure, true};
}

int FtpSession::compareWithLocal(const RemoteEntry& entry, int64_t localModified) const {
    int64_t remote = entry.time;
    int64_t local = localModified;
    if ((entry.flags & RemoteEntry::kHasTimeOfDay) && !(entry.flags & RemoteEntry::kExactTime)) {
        remote += hostZoneAdjustment_;
        local += localZoneBias_;
    }
    return remote < local ? -1 : (remote > local ? 1 : 0);
}

}  // namespace nubo
