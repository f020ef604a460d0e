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

int FtpSession::listDirectory(const std::string& path, DirectoryFlags flags,
                              std::vector<RemoteEntry>* into) {
    ListingJob job(*this);
    const int result = job.run(path, flags, into);
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
    if (task.directory != currentRemoteDirectory_) {
        const int code = enterDirectoryOnly(task.directory);
        if (code == 421) {
            // Gone before the file began: it goes to another connection untouched.
            if (context_.restart != nullptr)
                context_.restart->setInProgress(1);
            return {421, true};
        }
        if (code / 100 != 2) {
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
    if (control_.sendCommand("QUIT")) {
        control_.readReply();
    }
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

void FtpSession::finishBatch() {
    abortRequested_ = false;
    setStatus({});
    if (context_.outlets != nullptr) {
        context_.outlets->ReportProgress({});
    }
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
