#include <string>

#include "engine/download_job.h"
#include "engine/ftp_session.h"
#include "engine/listing_job.h"
#include "engine/main_outlets.h"
#include "engine/restart_record.h"
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
