#include "engine/transfer_job.h"

#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/app_log.h"
#include "engine/control_channel.h"
#include "engine/ftp_session.h"
#include "engine/mlsx_parser.h"
#include "engine/monotonic_clock.h"
#include "engine/path_text.h"
#include "engine/restart_record.h"
#include "engine/session_observer.h"
#include "engine/speed_limiter.h"
#include "engine/transfer_pool.h"
#include "engine/transfer_time.h"
#include "engine/winsock_error.h"

namespace nubo {

TransferJob::TransferJob(FtpSession& session)
    : session_(session),
      context_(session.context()),
      control_(session.control()),
      data_(session.dataSocket()) {}

TransferJob::~TransferJob() {
    closePool();
}

void TransferJob::openPool() {
    // Every batch runs on the pool, one file or many, one connection or ten: a limit
    // of 1 opens no other connection.
    const int connections = session_.batchConnections();
    if (context_.poolMember || pool_) {
        return;
    }
    TransferPool::Settings settings;
    settings.limit = connections;
    settings.retries = context_.retriesBrokenTransfers || connections > 1;
    if (!context_.poolRetryDelaysMs.empty()) {
        settings.retryDelaysMs = context_.poolRetryDelaysMs;
    }
    if (context_.poolMostQueued > 0) {
        settings.mostQueued = context_.poolMostQueued;
    }
    pool_ = std::make_unique<TransferPool>(session_, settings);
    session_.attachPool(pool_.get());
}

void TransferJob::handOut(PoolTask task) {
    if (context_.queue != nullptr) {
        // Waiting from now on, shown before any connection takes it, with its size (the
        // listing's, or the local file's for an upload) so that the batch's progress and
        // time left count it from the start.
        int64_t size = task.entry.size;
        if (!task.isGet) {
            struct stat st {};
            const bool file = ::stat(task.localPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
            size = file ? static_cast<int64_t>(st.st_size) : -1;
        }
        task.queueId = context_.queue->add({task.isGet, task.directory,
                                            task.isGet                ? task.entry.name
                                            : task.remoteName.empty() ? baseName(task.localPath)
                                                                      : task.remoteName,
                                            task.localPath, size});
    }
    pool_->submit(std::move(task));
}

void TransferJob::takeResumption(PoolTask* task) {
    task->resume = true;
    session_.clearResumption();
    RestartRecord* record = context_.restart;
    if (record == nullptr) {
        return;
    }
    int64_t size = -1;
    int64_t time = 0;
    if (task->isGet && record->remoteFacts(&size, &time)) {
        task->factsSize = size;
        task->factsTime = time;
    }
    task->uploadStart = task->isGet ? -1 : record->uploadStart();
    task->detectedType = record->detectedType();
    task->partial = task->isGet ? record->partialName() : PartialName::none();
    record->resetTransfer();
}

int TransferJob::closePool() {
    if (!pool_) {
        return 0;
    }
    const int code = pool_->finish();
    session_.attachPool(nullptr);
    pool_.reset();
    return code;
}

std::string TransferJob::lettersOf(char direction, TransferMode mode) {
    constexpr const char kTypeLetters[] = "aix";
    return std::string(1, direction) + kTypeLetters[static_cast<int>(mode) % 3];
}

bool TransferJob::writeRestartField(int field, const std::string& text) {
    return session_.writeRestartField(field, text);
}

void TransferJob::setRestartInProgress(int value) {
    if (context_.restart != nullptr) {
        context_.restart->setInProgress(value);
    }
}

void TransferJob::logExtended(const std::string& text) {
    session_.logExtended(text);
}

void TransferJob::setStatus(const std::string& text) {
    if (context_.outlets != nullptr) {
        context_.outlets->SetStatus(text);
    }
}

void TransferJob::clearTransferDisplay() {
    setStatus({});
    if (context_.outlets != nullptr) {
        context_.outlets->ReportProgress({});
    }
}

int TransferJob::openDataConnection(const std::string& command, std::string* lastLine) {
    return session_.connector().open(command, restartActive_ ? &restartOffset_ : nullptr, lastLine);
}

void TransferJob::setRestart(bool active, int64_t offset) {
    restartActive_ = active;
    restartOffset_ = offset;
}

int64_t TransferJob::reportTransferStart(int64_t expectedSize) {
    int64_t start = monotonicMilliseconds();
    lastProgressReport_ = 0;
    movedData_ = false;
    if (context_.observer != nullptr) {
        context_.observer->transferStarted(expectedSize, start);
    }
    return start;
}

void TransferJob::reportTransferProgress(int64_t bytes) {
    if (bytes - lastProgressReport_ < 1000) {
        return;
    }
    lastProgressReport_ = bytes;
    if (context_.observer != nullptr) {
        context_.observer->transferProgress(bytes);
    }
}

int64_t TransferJob::allowance(SpeedLimiter& limit, int64_t wanted) {
    return limit.acquire(wanted, session_.abortRequested_);
}

void TransferJob::logTransferTime(const char* verb, int64_t bytes, int64_t startMs,
                                  int64_t offset) {
    int64_t end = monotonicMilliseconds();
    if (context_.observer != nullptr) {
        context_.observer->transferEnded(bytes, end);
    }
    logExtended(formatTransferTime(verb, bytes - offset, end - startMs));
}

void TransferJob::syncRestartFields() {
    if (!session_.takeRestartFieldsWanted() || context_.restart == nullptr) {
        return;
    }
    RestartRecord* record = context_.restart;
    record->setField(RestartRecord::kUrl, session_.currentUrl());
    record->setField(RestartRecord::kRemoteDir, session_.currentRemoteDirectory());
    record->setField(RestartRecord::kOperation, letters_);
    if (!letters_.empty() && letters_[0] == 'G') {
        record->setField(RestartRecord::kRemoteFile, remoteFileName_);
        record->setPartialName(partialName_);
    }
    record->setField(RestartRecord::kLocalPath, localPath_);
}

void TransferJob::noteTransferProgress(TransferProgress& progress, int64_t bytes, int64_t* shown,
                                       bool* marked) {
    reportTransferProgress(bytes);
    session_.taskProgress(bytes);
    movedData_ = true;
    progress.bytes = bytes;
    progress.percent =
        progress.expected > 0 ? static_cast<int>(bytes * 100 / progress.expected) : -1;
    // Reported when what is shown changes: the percent, or the kilobytes without a size.
    const int64_t value = progress.percent >= 0 ? progress.percent : bytes / 1024;
    if (value != *shown && context_.outlets != nullptr) {
        context_.outlets->ReportProgress(progress);
    }
    *shown = value;
    syncRestartFields();
    if (session_.restartEnabled() && !*marked && !notResumable_) {
        setRestartInProgress(1);
        *marked = true;
    }
}

int TransferJob::closeDataPhase(bool sending, int lastBlock, int64_t bytes, int64_t startMs,
                                bool* broken, int64_t offset) {
    return session_.protocol().finishData(
        sending, session_.abortRequested(), lastBlock == FtpSocket::kError, broken,
        [&] { logTransferTime(sending ? "sent" : "received", bytes, startMs, offset); });
}

bool TransferJob::sizeAsAnnounced(int64_t moved, int64_t announced, int64_t offset,
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

bool TransferJob::endTransfer(bool broken) {
    const bool restartEnabled = session_.restartEnabled();
    if (restartEnabled && broken) {
        // The record keeps its in-progress mark: the next login resumes the transfer.
        logExtended("Network error, queue flushed");
    } else if (restartEnabled) {
        setRestartInProgress(0);
    }
    session_.setTransferActive(false);
    if (context_.remoteView != nullptr)
        context_.remoteView->setBusy(false);
    return restartEnabled && broken;
}

TransferOutcome TransferJob::countLostSetUp(bool isGet, bool controlLost) {
    if (!session_.restartEnabled() || !context_.retriesBrokenTransfers) {
        return session_.countTransfer(controlLost ? 421 : ControlChannel::kLocalFailure, isGet);
    }
    // The record must name this transfer before the run logs in again to resume it. A
    // download that had no partial file of its own yet must not find another's.
    if (isGet && context_.restart != nullptr &&
        (context_.restart->getField(RestartRecord::kRemoteFile) != remoteFileName_ ||
         context_.restart->getField(RestartRecord::kLocalPath) != localPath_)) {
        context_.restart->setPartialName(PartialName::none());
    }
    notResumable_ = !(isGet ? writeRestartField(RestartRecord::kRemoteFile, remoteFileName_) &&
                                  writeRestartField(RestartRecord::kLocalPath, localPath_)
                            : writeRestartField(RestartRecord::kLocalPath, localPath_));
    movedData_ = false;
    logExtended("Network error, queue flushed");
    return countBrokenTransfer(isGet);
}

TransferOutcome TransferJob::countBrokenTransfer(bool isGet) {
    // Bytes of an Image download or a Smart one written as it came are kept by the
    // resumption; other downloads start over, so what they moved is no headway. What an
    // upload kept is the server's to say: its next attempt measures it (UploadJob).
    const char letter = letters_.size() > 1 ? letters_[1] : 0;
    const char detected = context_.restart != nullptr ? context_.restart->detectedType() : 0;
    const bool kept =
        isGet && (letter == 'i' || (letter == 'x' && (detected == 'i' || detected == 'l')));
    if (movedData_ && kept && context_.observer != nullptr) {
        context_.observer->transferAdvanced();
    }
    if (context_.retriesBrokenTransfers && !notResumable_) {
        // Marked even when no byte came (the mark waits for the first block): the run
        // must retry this file, not end as if it had succeeded.
        setRestartInProgress(1);
        session_.noteBrokenForRetry();
        return {421, false};
    }
    return session_.countTransfer(421, isGet);
}

TransferOutcome TransferJob::refuseTooDeep(const std::string& remotePath, bool isGet) {
    // Such a path is longer than a log line: its end says which folder it is.
    constexpr size_t kShown = 300;
    const size_t from = remotePath.size() > kShown
                            ? remotePath.find('/', remotePath.size() - kShown)
                            : std::string::npos;
    logExtended("*** Too deep for the control connection's lines, not transferred: " +
                (from == std::string::npos ? remotePath : "..." + remotePath.substr(from)));
    if (context_.outlets != nullptr) {
        context_.outlets->AddExitBits(isGet ? exitbit::kGetFailed : exitbit::kPutFailed);
    }
    return {ControlChannel::kLocalFailure, false};
}

void TransferJob::askExactFacts(RemoteEntry* entry) {
    if ((entry->flags & RemoteEntry::kExactTime) || session_.cancelled()) {
        return;
    }
    if (usePrefetchedTime(entry)) {
        return;
    }
    int64_t time = 0;
    if (session_.protocol().exactTime(*entry, &time)) {
        entry->setSizeAndTime(entry->size, time);
        entry->flags |= RemoteEntry::kExactTime | RemoteEntry::kHasTimeOfDay;
    }
}

bool TransferJob::usePrefetchedTime(RemoteEntry* entry) {
    const auto asked = exactTimes_.find(timeKey(entry->remoteName()));
    if (asked == exactTimes_.end()) {
        return false;
    }
    entry->setSizeAndTime(entry->size, asked->second);
    entry->flags |= RemoteEntry::kExactTime | RemoteEntry::kHasTimeOfDay;
    exactTimes_.erase(asked);
    return true;
}

std::string TransferJob::timeKey(const std::string& name) const {
    return session_.currentRemoteDirectory() + '\n' + name;
}

void TransferJob::prefetchExactTimes(const std::vector<RemoteEntry>& entries) {
    std::vector<std::string> names;
    for (const RemoteEntry& entry : entries) {
        if (entry.type == EntryType::File && !(entry.flags & RemoteEntry::kExactTime))
            names.push_back(entry.remoteName());
    }
    session_.protocol().askTimesAhead(
        names, [this](const std::string& name, int64_t time) { exactTimes_[timeKey(name)] = time; },
        [this] { return session_.cancelled() || session_.abortRequested(); });
}

int64_t TransferJob::askSize(const std::string& name) {
    if (session_.cancelled()) {
        return -1;
    }
    return session_.protocol().fileSize(name);
}

}  // namespace nubo
