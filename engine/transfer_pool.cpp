#include "engine/transfer_pool.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "base/app_log.h"
#include "engine/ftp_session.h"
#include "engine/monotonic_clock.h"
#include "engine/remote_view_contract.h"
#include "engine/restart_record.h"

namespace nubo {

namespace {

// Which connection of the pool the calling thread is: 0 the walking session, 1 on the
// others. Their reports come to the pool on their own threads.
thread_local int poolSlot = 0;

// A connection's restart record for the file in hand: kept in memory, since a broken
// file is resumed by the pool within the run.
class MemoryRestartRecord : public RestartRecord {
  public:
    // keeper: the session's own record, which keeps what this one sets aside.
    explicit MemoryRestartRecord(RestartRecord* keeper = nullptr) : keeper_(keeper) {}
    bool setField(int field, const std::string& text) override {
        if (field < 1 || field > 5)
            return false;
        fields_[static_cast<size_t>(field)] = text;
        return true;
    }
    std::string getField(int field) const override {
        return field >= 1 && field <= 5 ? fields_[static_cast<size_t>(field)] : std::string();
    }
    void setInProgress(int value) override { inProgress_ = value; }
    int getInProgress() const override { return inProgress_; }
    void setRemoteFacts(int64_t size, int64_t time) override {
        size_ = size;
        time_ = time;
        hasFacts_ = true;
    }
    bool remoteFacts(int64_t* size, int64_t* time) const override {
        *size = size_;
        *time = time_;
        return hasFacts_;
    }
    void setDetectedType(char type) override { detected_ = type; }
    char detectedType() const override { return detected_; }
    void setPartialName(const PartialName& name) override { partial_ = name; }
    PartialName partialName() const override { return partial_; }
    void setUploadStart(int64_t offset) override { uploadStart_ = offset; }
    int64_t uploadStart() const override { return uploadStart_; }
    void resetTransfer() override {
        inProgress_ = 0;
        uploadStart_ = -1;
        hasFacts_ = false;
        detected_ = 0;
        partial_ = PartialName::none();
    }
    // A file stopped on this connection is kept where the session's files are.
    bool setAside() override {
        if (keeper_ == nullptr || !keeper_->keepCopy(*this))
            return false;
        resetTransfer();
        return true;
    }

  private:
    RestartRecord* keeper_;
    std::array<std::string, 6> fields_;
    int inProgress_ = 0;
    int64_t uploadStart_ = -1;
    bool hasFacts_ = false;
    int64_t size_ = -1;
    int64_t time_ = 0;
    char detected_ = 0;
    PartialName partial_ = PartialName::none();
};

constexpr int64_t kReportIntervalMs = 100;

// The remote view as a pool's connection sees it: files it sent show in the view (whose
// upkeep takes its own lock); the rest of the view belongs to the walking session.
class MemberView : public RemoteViewContract {
  public:
    explicit MemberView(RemoteViewContract* view) : view_(view) {}
    void onConnected(FtpSession*) override {}
    void onDisconnected() override {}
    void changeDirectoryStarted(const std::string*, DirectoryFlags) override {}
    void entriesListed(std::span<const RemoteEntry>) override {}
    void listingFinished(bool, DirectoryFlags) override {}
    void listingReady(const std::string&, std::vector<RemoteEntry>, DirectoryFlags) override {}
    void showCurrentPath() override {}
    void setBusy(bool) override {}
    void updateEntry(const std::string& directory, const std::string& name, int64_t size,
                     int64_t time, EntryType type) override {
        if (view_ != nullptr)
            view_->updateEntry(directory, name, size, time, type);
    }
    void entryRemoved(const std::string&, const std::string&) override {}
    void entryRenamed(const std::string&, const std::string&, const std::string*) override {}
    void entryKept(const std::string&, const std::string&) override {}
    void placeholderDropped(const std::string&, const std::string&) override {}

  private:
    RemoteViewContract* view_;
};

}  // namespace

TransferPool::TransferPool(FtpSession& primary, Settings settings)
    : primary_(primary),
      target_(primary.target()),
      primaryContext_(primary.context()),
      settings_(std::move(settings)),
      walkerRecord_(std::make_unique<MemoryRestartRecord>(primaryContext_.restart)) {
    settings_.limit = std::clamp(settings_.limit, 1, kMaxConnections);
    settings_.mostQueued = std::max(settings_.mostQueued, 4);
    limit_ = settings_.limit;
    probeAtMs_ = INT64_MAX;  // no refusal yet: the limit is the setting
    for (auto& bytes : slotBytes_) {
        bytes = 0;
    }
}

TransferPool::~TransferPool() {
    abort();
    for (auto& member : members_) {
        if (member->thread.joinable())
            member->thread.join();
    }
}

int64_t TransferPool::nowMs() {
    return monotonicMilliseconds();
}

int TransferPool::openLocked() const {
    return membersAlive_ + (primaryGone_ ? 0 : 1);
}

int TransferPool::connectedLocked() const {
    return membersConnected_ + (primaryGone_ ? 0 : 1);
}

void TransferPool::submit(PoolTask task) {
    kind_ = task.isGet ? TransferProgress::Kind::Get : TransferProgress::Kind::Put;
    ++filesTotal_;
    if (task.isGet ? task.entry.size > 0 : false) {
        expectedBytes_ += task.entry.size;
    }
    {
        std::lock_guard lock(lock_);
        queue_.push_back(std::move(task));
        if (primaryGone_ && !settings_.retries) {
            giveUpLocked("the connection was lost");
        }
        growLocked();
        changed_.notify_all();
        if (queue_.size() <= static_cast<size_t>(settings_.mostQueued) || stopped_ ||
            primaryGone_) {
            return;
        }
    }
    takeWhileAhead();
}

void TransferPool::takeWhileAhead() {
    // The walk is too far ahead of the transfers: a tree of millions of files would fill
    // the memory with files waiting. The walking session takes files too, as one of the
    // pool, until a quarter of the queue is gone, then walks on where it was.
    const size_t lowMark = static_cast<size_t>(settings_.mostQueued - settings_.mostQueued / 4);
    const std::string walkDirectory = primary_.currentRemoteDirectory();
    // What the walk keeps in the session: a pool's file must leave it as it was.
    const ListingByName* walkListing = primary_.requestListing_;
    const std::string walkListingDirectory = primary_.requestListingDirectory_;
    const bool resumePending = primary_.resumePending_;
    bool alive = true;
    {
        const WalkerAsMember member(*this);
        PoolTask task;
        for (;;) {
            std::unique_lock lock(lock_);
            if (queue_.size() <= lowMark || !takeLocked(lock, &task))
                break;
            lock.unlock();
            alive = runTask(primary_, task, walkerRecord());
            if (!alive)
                break;
        }
    }
    primary_.setRequestListing(walkListing, walkListingDirectory);
    primary_.resumePending_ = resumePending;
    if (!alive) {
        std::lock_guard lock(lock_);
        primaryGone_ = true;  // the walk finds out with its next command; others go on
        growLocked();
        return;
    }
    if (primary_.currentRemoteDirectory() != walkDirectory &&
        primary_.enterDirectoryOnly(walkDirectory) / 100 != 2) {
        // Anything the walk did now would land in another folder.
        if (primaryContext_.log != nullptr) {
            primaryContext_.log->LogExtended("*** Unable to return to " + walkDirectory +
                                             "; the walk of the batch ends there");
        }
        primary_.closeControl();
        std::lock_guard lock(lock_);
        primaryGone_ = true;
        growLocked();
    }
}

TransferPool::WalkerAsMember::WalkerAsMember(TransferPool& pool)
    : context_(pool.primary_.mutableContext()), kept_(context_) {
    context_.observer = &pool;
    context_.outlets = &pool;
    context_.restart = &pool.walkerRecord();
    context_.retriesBrokenTransfers = pool.settings_.retries;
}

TransferPool::WalkerAsMember::~WalkerAsMember() {
    context_.observer = kept_.observer;
    context_.outlets = kept_.outlets;
    context_.restart = kept_.restart;
    context_.retriesBrokenTransfers = kept_.retriesBrokenTransfers;
}

void TransferPool::growLocked() {
    if (stopped_ || (primaryGone_ && !settings_.retries)) {
        return;  // without retries, nothing takes the lost connection's place
    }
    const int64_t now = nowMs();
    for (;;) {
        // While the walk goes on the walking session takes nothing: one waiting file is
        // left for it, so that one file never costs a second connection.
        const auto takers = static_cast<size_t>(membersAlive_);
        const size_t waiting = queue_.size();
        const bool wanted =
            walking_ ? waiting >= takers + 2 : waiting > takers + (primaryGone_ ? 0u : 1u);
        int allowed = limit_;
        if (now >= probeAtMs_ && limit_ < settings_.limit) {
            allowed = limit_ + 1;  // a quiet period went by: one more is tried
        }
        if (!wanted || openLocked() >= allowed || now < nextOpenAtMs_ ||
            members_.size() >= static_cast<size_t>(kMaxConnections)) {
            return;
        }
        auto member = std::make_unique<Member>();
        Member* self = member.get();
        const int slot = static_cast<int>(members_.size()) + 1;
        self->tag = "[" + std::to_string(slot + 1) + "] ";
        ++membersAlive_;
        members_.push_back(std::move(member));
        self->thread = std::thread([this, self, slot] { memberMain(*self, slot); });
    }
}

bool TransferPool::takeLocked(std::unique_lock<std::mutex>& lock, PoolTask* task) {
    for (;;) {
        if (stopped_) {
            return false;
        }
        // A broken file waits out its delay; the files behind it do not.
        const int64_t now = nowMs();
        const auto ready = std::find_if(queue_.begin(), queue_.end(), [&](const PoolTask& t) {
            return !t.resume || now >= retryAtMs_;
        });
        if (ready != queue_.end()) {
            *task = std::move(*ready);
            queue_.erase(ready);
            ++running_;
            return true;
        }
        if (queue_.empty() && !walking_) {
            // Nothing waits. A file in another connection's hands may still come back
            // broken: the walking session stays for it, the others go (one opens anew
            // if it does).
            if (poolSlot != 0 || running_ == 0)
                return false;
        }
        changed_.wait_for(lock, std::chrono::milliseconds(50));
    }
}

void TransferPool::taskDone(int code) {
    ++filesDone_;
    std::lock_guard lock(lock_);
    --running_;
    lastCode_ = code;
    changed_.notify_all();
}

bool TransferPool::requeueBroken(PoolTask task) {
    const bool isGet = task.isGet;
    std::lock_guard lock(lock_);
    --running_;
    if (stopped_ || task.attempts >= static_cast<int>(settings_.retryDelaysMs.size())) {
        ++filesDone_;
        lastCode_ = 421;
        changed_.notify_all();
        if (primaryContext_.outlets != nullptr) {
            // Given up over lost connections: the connection failed too, as for a
            // session that ends on one.
            primaryContext_.outlets->AddExitBits(
                (isGet ? exitbit::kGetFailed : exitbit::kPutFailed) |
                (stopped_ ? 0u : exitbit::kConnectFailed));
        }
        endTask(task, stopped_ ? TaskState::Stopped : TaskState::Failed,
                stopped_ ? "stopped"
                         : "the connection was lost; not resumed after " +
                               std::to_string(settings_.retryDelaysMs.size()) + " attempts");
        if (primaryContext_.log != nullptr && !stopped_) {
            // Worded as the command line's own give-up.
            primaryContext_.log->LogExtendedFormat(
                "... transfer not resumed after %d attempts",
                static_cast<int>(settings_.retryDelaysMs.size()));
        }
        return false;
    }
    const int delayMs = settings_.retryDelaysMs[static_cast<size_t>(task.attempts)];
    retryAtMs_ = nowMs() + delayMs;
    ++task.attempts;
    if (primaryContext_.queue != nullptr) {
        primaryContext_.queue->retry(task.queueId, task.attempts);
    }
    if (primaryContext_.log != nullptr) {
        // Worded as the command line's own retries: scripts read the same lines.
        primaryContext_.log->LogExtendedFormat(
            "... connection lost; logging in again in %d seconds (%d of %d)",
            (delayMs + 999) / 1000, task.attempts,
            static_cast<int>(settings_.retryDelaysMs.size()));
    }
    queue_.push_front(std::move(task));
    growLocked();
    changed_.notify_all();
    return true;
}

void TransferPool::refusedForLoad() {
    std::lock_guard lock(lock_);
    // What is logged in now, not what is still opening: those may be refused too.
    const int open = connectedLocked();
    limit_ = std::max(1, open);
    ++refusals_;
    const int64_t quiet = std::min<int64_t>(static_cast<int64_t>(settings_.quietPeriodMs)
                                                << std::min(refusals_ - 1, 20),
                                            settings_.maxQuietPeriodMs);
    probeAtMs_ = nowMs() + quiet;
    if (open <= 0) {
        // No connection is left at all: the next one waits, longer after each refusal.
        nextOpenAtMs_ = nowMs() + std::min<int64_t>(1000LL << std::min(refusals_ - 1, 10),
                                                    settings_.maxQuietPeriodMs);
        ++openFailures_;
        giveUpWhenStrandedLocked();
    }
    learnedLocked();
}

void TransferPool::learnedLocked() {
    // The session's next batches start from it, and so does the next run.
    primary_.noteConnectionLimit(limit_);
    if (primaryContext_.connectionLimitLearned) {
        primaryContext_.connectionLimitLearned(limit_);
    }
    if (primaryContext_.log != nullptr) {
        primaryContext_.log->LogExtendedFormat("... going on with %d connection%s to this server",
                                               limit_, limit_ == 1 ? "" : "s");
    }
}

void TransferPool::failedToOpen() {
    std::lock_guard lock(lock_);
    ++openFailures_;
    nextOpenAtMs_ = nowMs() + (250LL << std::min(openFailures_ - 1, 6));
    giveUpWhenStrandedLocked();
}

void TransferPool::giveUpWhenStrandedLocked() {
    // The failing connection still counts itself among those open.
    if (openFailures_ >= kOpenFailureLimit && primaryGone_ && openLocked() <= 1) {
        giveUpLocked("no connection to the server could be had");  // as on one
    }
}

void TransferPool::endTask(const PoolTask& task, TaskState state, const std::string& reason) {
    if (primaryContext_.queue != nullptr) {
        primaryContext_.queue->finish(task.queueId, state, reason);
    }
}

void TransferPool::giveUpLocked(const std::string& reason) {
    for (const PoolTask& task : queue_) {
        endTask(task, TaskState::Failed, reason);
        ++filesDone_;
        if (primaryContext_.outlets != nullptr) {
            primaryContext_.outlets->AddExitBits(task.isGet ? exitbit::kGetFailed
                                                            : exitbit::kPutFailed);
        }
    }
    queue_.clear();
    lastCode_ = 421;
    changed_.notify_all();
}

bool TransferPool::runTask(FtpSession& session, PoolTask& task, RestartRecord& record) {
    record.resetTransfer();
    if (task.factsSize >= 0) {
        record.setRemoteFacts(task.factsSize, task.factsTime);
    }
    record.setDetectedType(task.detectedType);
    record.setPartialName(task.partial);
    if (task.uploadStart >= 0) {
        record.setUploadStart(task.uploadStart);  // in the facts' place on disk
    }
    const auto slot = static_cast<size_t>(poolSlot);
    advanced_[slot] = false;
    holdTask(session, task);
    const TransferOutcome outcome = session.runPoolTask(task, task.attempts > 0 || task.resume);
    if (releaseTask(session)) {
        stoppedAlone(task, record);
        taskDone(outcome.code);
        return outcome.code != 421;
    }
    if (!settings_.retries && outcome.code == 421 && !stopped_) {
        // The one connection is lost: the batch ends with it, and the restart record
        // keeps the broken file for the next login (a resumption still waits even when
        // it broke before its first byte).
        if (task.resume) {
            record.setInProgress(1);
        }
        endTask(task, TaskState::Failed, "the connection was lost");
        AddExitBits(task.isGet ? exitbit::kGetFailed : exitbit::kPutFailed);
        std::lock_guard lock(lock_);
        --running_;
        ++filesDone_;
        giveUpLocked("the connection was lost");
        return false;
    }
    if (record.getInProgress() != 0 && !stopped_) {
        task.resume = true;
        if (advanced_[slot]) {
            task.attempts = 0;  // bytes the resumption keeps: headway, the count starts again
        }
        int64_t size = -1;
        int64_t time = 0;
        if (record.remoteFacts(&size, &time)) {
            task.factsSize = size;
            task.factsTime = time;
        }
        task.detectedType = record.detectedType();
        task.partial = record.partialName();
        task.uploadStart = record.uploadStart();
        if (!task.isGet) {
            task.entry = RemoteEntry{};  // the server's copy changed since it was listed
        }
        if (!requeueBroken(task) && !stopped_ && task.isGet &&
            task.partial.kind != PartialName::Kind::None && primaryContext_.restart != nullptr) {
            // Given up: what arrived waits for a later Get of the file, as a stopped
            // file's does, named with its server and folder.
            record.setField(RestartRecord::kUrl, session.currentUrl());
            record.setField(RestartRecord::kRemoteDir, task.directory);
            primaryContext_.restart->keepCopy(record);
        }
        // The file is the pool's to resume now, on whichever connection takes it.
        record.resetTransfer();
        return false;
    }
    if (outcome.code == 421 && record.getInProgress() != 0) {
        requeueBroken(task);  // stopped: given up and counted
        return false;
    }
    taskDone(outcome.code);
    return outcome.code != 421 && !outcome.stopsBatch;
}

void TransferPool::holdTask(FtpSession& session, const PoolTask& task) {
    std::lock_guard lock(lock_);
    const auto slot = static_cast<size_t>(poolSlot);
    slotTask_[slot] = task.queueId;
    slotSession_[slot] = &session;
}

bool TransferPool::releaseTask(FtpSession& session) {
    std::lock_guard lock(lock_);
    const auto slot = static_cast<size_t>(poolSlot);
    slotTask_[slot] = 0;
    slotSession_[slot] = nullptr;
    const bool stopped = slotStopped_[slot];
    slotStopped_[slot] = false;
    if (stopped && !stopped_) {
        session.readyAfterStop();  // a Stop of the whole batch stays in force
    }
    return stopped && !stopped_;
}

void TransferPool::stoppedAlone(PoolTask& task, RestartRecord& record) {
    // What a Stop keeps the session set aside already; nothing waits for this batch's
    // retries.
    record.resetTransfer();
    endTask(task, TaskState::Stopped, "stopped");
}

bool TransferPool::stopRunning(uint64_t queueId) {
    std::lock_guard lock(lock_);
    if (queueId == 0 || stopped_) {
        return false;
    }
    for (size_t slot = 0; slot < slotTask_.size(); ++slot) {
        if (slotTask_[slot] == queueId && slotSession_[slot] != nullptr) {
            // Under the lock: the connection cannot have moved on to another file.
            slotStopped_[slot] = true;
            AppLog::SetThreadTag(slot == 0 ? std::string() : members_[slot - 1]->tag);
            slotSession_[slot]->stopFileInHand();
            AppLog::SetThreadTag({});
            return true;
        }
    }
    return false;
}

void TransferPool::memberMain(Member& self, int slot) {
    poolSlot = slot;
    AppLog::SetThreadTag(self.tag);
    MemoryRestartRecord record(primaryContext_.restart);
    MemberView view(primaryContext_.remoteView);
    SessionContext context = primaryContext_;
    context.observer = this;
    context.outlets = this;
    context.remoteView = primaryContext_.remoteView != nullptr ? &view : nullptr;
    context.restart = &record;
    context.connection = slot + 1;
    context.retriesBrokenTransfers = true;
    context.keepAliveMs = 0;
    context.poolMember = true;
    bool firstConnection = true;
    for (;;) {
        {
            std::unique_lock lock(lock_);
            if (stopped_ || (!firstConnection && queue_.empty() && running_ == 0 && !walking_))
                break;
            if (!firstConnection) {
                // A broken file waits for its delay; so does its new connection.
                while (!stopped_ && nowMs() < retryAtMs_ && !queue_.empty()) {
                    changed_.wait_for(lock, std::chrono::milliseconds(50));
                }
            }
        }
        firstConnection = false;
        FtpSession session(target_, context);
        {
            std::lock_guard lock(lock_);
            self.session = &session;
        }
        const bool started = !stopped_ && session.start();
        if (!started) {
            {
                std::lock_guard lock(lock_);
                self.session = nullptr;
            }
            const bool load = session.refusedForLoad();
            session.closeControl();
            if (load) {
                refusedForLoad();
            } else {
                failedToOpen();
            }
            break;
        }
        {
            // A connection that got in beyond a lowered limit raises it again.
            std::lock_guard lock(lock_);
            openFailures_ = 0;
            ++membersConnected_;
            if (connectedLocked() > limit_) {
                limit_ = connectedLocked();
                probeAtMs_ =
                    limit_ < settings_.limit ? nowMs() + settings_.quietPeriodMs : INT64_MAX;
                if (refusals_ > 0)
                    learnedLocked();
            }
        }
        PoolTask task;
        bool alive = true;
        for (;;) {
            std::unique_lock lock(lock_);
            if (!takeLocked(lock, &task))
                break;
            lock.unlock();
            alive = runTask(session, task, record);
            if (!alive)
                break;
        }
        {
            std::lock_guard lock(lock_);
            self.session = nullptr;
            --membersConnected_;
        }
        trafficReceived_ += session.dataSocket().takeBytesReceived();
        trafficSent_ += session.dataSocket().takeBytesSent();
        if (alive) {
            session.quit();
            break;
        }
        session.closeControl();
    }
    std::lock_guard lock(lock_);
    --membersAlive_;
    growLocked();
    changed_.notify_all();
}

int TransferPool::finish() {
    poolSlot = 0;
    {
        std::lock_guard lock(lock_);
        walking_ = false;
        growLocked();
        changed_.notify_all();
    }
    // The walking session takes files as one of the pool: its reports are summed too.
    const std::string startDirectory = primary_.currentRemoteDirectory();
    bool alive = true;
    {
        std::lock_guard lock(lock_);
        alive = !primaryGone_;  // lost while it took files during the walk
    }
    {
        const WalkerAsMember member(*this);
        PoolTask task;
        for (;;) {
            std::unique_lock lock(lock_);
            if (!alive || !takeLocked(lock, &task))
                break;
            lock.unlock();
            alive = runTask(primary_, task, walkerRecord());
        }
    }
    {
        std::unique_lock lock(lock_);
        if (!alive) {
            primaryGone_ = true;  // what is left goes to connections of their own
        }
        // The others work through what is left, opening anew while files wait.
        while (!(queue_.empty() && running_ == 0 && membersAlive_ == 0)) {
            if (membersAlive_ == 0 && running_ == 0 && !queue_.empty()) {
                if (!settings_.retries) {
                    giveUpLocked("the connection was lost");
                }
                growLocked();
            }
            changed_.wait_for(lock, std::chrono::milliseconds(50));
        }
    }
    for (auto& member : members_) {
        if (member->thread.joinable())
            member->thread.join();
    }
    if (!single()) {
        reportAggregate(true);
        if (batchStarted_ && primaryContext_.observer != nullptr)
            primaryContext_.observer->transferEnded(doneBytes_, nowMs());
    }
    if (primaryContext_.log != nullptr && filesTotal_ > 0 && !members_.empty()) {
        // What the batch came to, said once: the window's status line shows the last
        // reply of whichever connection spoke last.
        primaryContext_.log->LogExtendedFormat(
            "... %d of %d files ended, over %d connection%s", static_cast<int>(filesDone_),
            static_cast<int>(filesTotal_), static_cast<int>(members_.size()) + 1,
            members_.empty() ? "" : "s");
    }
    if (alive && primary_.currentRemoteDirectory() != startDirectory) {
        primary_.enterDirectoryOnly(startDirectory);
    }
    std::lock_guard lock(lock_);
    return alive ? lastCode_ : 421;
}

void TransferPool::abort() {
    stopped_ = true;
    std::lock_guard lock(lock_);
    queue_.clear();
    for (auto& member : members_) {
        if (member->session != nullptr) {
            // The ABOR is sent from here: its line says which connection it went on.
            AppLog::SetThreadTag(member->tag);
            member->session->abort();
            AppLog::SetThreadTag({});
        }
    }
    changed_.notify_all();
}

std::deque<PoolTask>::iterator TransferPool::waitingLocked(uint64_t queueId) {
    return queueId == 0 ? queue_.end()
                        : std::find_if(queue_.begin(), queue_.end(), [queueId](const PoolTask& t) {
                              return t.queueId == queueId;
                          });
}

bool TransferPool::withdraw(uint64_t queueId) {
    std::lock_guard lock(lock_);
    const auto found = waitingLocked(queueId);
    if (found == queue_.end()) {
        return false;
    }
    if (found->isGet && found->entry.size > 0) {
        expectedBytes_ -= found->entry.size;  // the bar's whole no longer holds it
    }
    endTask(*found, TaskState::Stopped, "stopped");
    if (primaryContext_.outlets != nullptr) {
        // Not transferred, as any file a Stop leaves behind.
        primaryContext_.outlets->AddExitBits(found->isGet ? exitbit::kGetFailed
                                                          : exitbit::kPutFailed);
    }
    queue_.erase(found);
    ++filesDone_;
    changed_.notify_all();
    return true;
}

bool TransferPool::moveToFront(uint64_t queueId) {
    std::lock_guard lock(lock_);
    const auto found = waitingLocked(queueId);
    if (found == queue_.end()) {
        return false;
    }
    PoolTask task = std::move(*found);
    queue_.erase(found);
    queue_.push_front(std::move(task));
    if (primaryContext_.queue != nullptr) {
        primaryContext_.queue->moveToTop(queueId);
    }
    return true;
}

void TransferPool::takeTraffic(int64_t* received, int64_t* sent) {
    *received = trafficReceived_.exchange(0);
    *sent = trafficSent_.exchange(0);
    std::lock_guard lock(lock_);
    for (auto& member : members_) {
        if (member->session != nullptr) {
            *received += member->session->dataSocket().takeBytesReceived();
            *sent += member->session->dataSocket().takeBytesSent();
        }
    }
}

void TransferPool::transferStarted(int64_t expectedSize, int64_t startMs) {
    slotBytes_[static_cast<size_t>(poolSlot)] = 0;
    slotStartMs_[static_cast<size_t>(poolSlot)] = startMs;
    if (primaryContext_.observer == nullptr)
        return;
    if (single()) {
        primaryContext_.observer->transferStarted(expectedSize, startMs);
    } else if (!batchStarted_.exchange(true)) {
        // Over several connections the windows see the batch as one transfer: its
        // bytes so far (reportAggregate), and its end once every file has ended.
        primaryContext_.observer->transferStarted(expectedBytes_ > 0 ? expectedBytes_.load() : -1,
                                                  startMs);
    }
}

void TransferPool::transferProgress(int64_t bytes) {
    slotBytes_[static_cast<size_t>(poolSlot)] = bytes;
    if (single()) {
        if (primaryContext_.observer != nullptr)
            primaryContext_.observer->transferProgress(bytes);
        return;
    }
    reportAggregate(false);
}

void TransferPool::transferEnded(int64_t bytes, int64_t endMs) {
    const auto slot = static_cast<size_t>(poolSlot);
    slotBytes_[slot] = 0;
    doneBytes_ += bytes;
    slotEndedBytes_[slot] = bytes;
    slotEndedMs_[slot] = endMs > slotStartMs_[slot] ? endMs - slotStartMs_[slot] : 0;
    if (single() && primaryContext_.observer != nullptr)
        primaryContext_.observer->transferEnded(bytes, endMs);
}

void TransferPool::transferOutcome(bool whole) {
    const auto slot = static_cast<size_t>(poolSlot);
    if (single()) {
        if (primaryContext_.observer != nullptr)
            primaryContext_.observer->transferOutcome(whole);
        return;
    }
    if (whole && primaryContext_.observer != nullptr) {
        primaryContext_.observer->fileTransferred(slotEndedBytes_[slot], slotEndedMs_[slot]);
    }
    reportAggregate(false);
}

void TransferPool::transferAdvanced() {
    advanced_[static_cast<size_t>(poolSlot)] = true;
    if (primaryContext_.observer != nullptr)
        primaryContext_.observer->transferAdvanced();
}

void TransferPool::ReportProgress(const TransferProgress& progress) {
    if (single()) {
        if (primaryContext_.outlets != nullptr)
            primaryContext_.outlets->ReportProgress(progress);
        return;
    }
    if (progress.kind != TransferProgress::Kind::Done) {
        reportAggregate(false);
    }
}

void TransferPool::SetStatus(std::string_view text) {
    if (single() && primaryContext_.outlets != nullptr)
        primaryContext_.outlets->SetStatus(text);
}

void TransferPool::AddExitBits(uint32_t bits) {
    if (primaryContext_.outlets != nullptr)
        primaryContext_.outlets->AddExitBits(bits);
}

void TransferPool::reportAggregate(bool force) {
    std::lock_guard lock(reportLock_);
    const int64_t now = nowMs();
    if (!force && now - lastReportMs_ < kReportIntervalMs) {
        return;
    }
    lastReportMs_ = now;
    int64_t bytes = doneBytes_;
    for (const auto& slot : slotBytes_) {
        bytes += slot;
    }
    if (primaryContext_.observer != nullptr) {
        primaryContext_.observer->transferProgress(bytes);
    }
    if (primaryContext_.outlets == nullptr) {
        return;
    }
    TransferProgress progress;
    progress.kind = kind_;
    progress.filesDone = filesDone_;
    progress.filesTotal = filesTotal_;
    progress.bytes = bytes;
    const int64_t expected = expectedBytes_;
    progress.expected = expected > 0 ? expected : -1;
    progress.percent =
        expected > 0 ? static_cast<int>(std::min<int64_t>(bytes * 100 / expected, 100)) : -1;
    primaryContext_.outlets->ReportProgress(progress);
}

}  // namespace nubo
