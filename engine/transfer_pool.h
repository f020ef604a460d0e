#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

#include "engine/ftp_url.h"
#include "engine/main_outlets.h"
#include "engine/partial_name.h"
#include "engine/remote_entry.h"
#include "engine/session_context.h"
#include "engine/session_observer.h"
#include "engine/session_request.h"
#include "engine/transfer_queue.h"

namespace nubo {

class FtpSession;

// One file of a batch, as the walk of the batch found it: where it is on the server and
// here, and how it travels. A task names its directory and file, never a position.
struct PoolTask {
    bool isGet = true;
    // The remote directory (absolute) the file is in (Get) or goes into (Put).
    std::string directory;
    // Get: the file as listed, with its exact time where it was asked. Put: the copy
    // already on the server (valid() false when there is none).
    RemoteEntry entry;
    // Get: the local file written; Put: the local file sent.
    std::string localPath;
    TransferOptions options;
    // Tries in a row that broke off without headway; the next one resumes where the
    // last one stopped (resume).
    int attempts = 0;
    bool resume = false;
    // The server's size and time of the file when a broken try began (Get).
    int64_t factsSize = -1;
    int64_t factsTime = 0;
    // What Smart mode found the broken try's data to be (RestartRecord::detectedType).
    char detectedType = 0;
    // Put: where the broken try began on the server (RestartRecord::uploadStart).
    int64_t uploadStart = -1;
    // Its task in the session's TransferQueue (0: none).
    uint64_t queueId = 0;
    // Put: the name on the server when the user chose another, and the user's Resume.
    std::string remoteName;
    bool append = false;
    // Get: the local names of the listing the file came from (shared by the folder's
    // tasks), never taken for a partial file; and the partial file of a broken try.
    std::shared_ptr<const std::unordered_set<std::string>> folderNames;
    PartialName partial = PartialName::none();
};

// Many files over several connections to one server: the session that walks a batch
// (its folders made, listed and entered in order) hands each file to the pool, and up to
// "SimultaneousTransfers" connections, the walking session's included once its walk is
// done, take them one after another, each connection reused from file to file.
//
// Connections beyond the first open only while two or more files wait, so one file
// stays one connection. A server that turns a connection away for its load (421, or a
// 530 that says so) lowers the pool's limit to the connections open; the pool goes on
// with those, learns the limit for the host, and only after a quiet period (doubled
// after each refusal, capped) tries one connection more. A file whose connection broke
// resumes on the next connection that takes it, up to the retry count.
//
// Progress, outcomes and statistics of every connection reach the session's observer
// and outlets summed up: files done of all found, bytes of all.
class TransferPool : private SessionObserver, private MainOutlets {
  public:
    static constexpr int kMaxConnections = 10;

    struct Settings {
        // Connections at most, the walking session's included: 1 to 10.
        int limit = 1;
        // The waits before a broken file's next tries (milliseconds); their count is how
        // many times it is tried again.
        std::vector<int> retryDelaysMs{2000, 8000, 30000};
        // Whether a broken file is tried again within the run, as the command line and a
        // batch over several connections do. Else (the window's one connection) a lost
        // connection ends the batch, and the next login resumes the file from its
        // restart record.
        bool retries = true;
        // The first quiet period after a refusal before one more connection is tried.
        int quietPeriodMs = 60000;
        int maxQuietPeriodMs = 600000;
        // Files waiting at most before the walk stops to take some itself: the walk of
        // a wide tree stays this far ahead of the transfers, whatever the tree's size.
        int mostQueued = 4096;
    };

    // The walking session (its worker thread runs submit and finish) and the limit.
    TransferPool(FtpSession& primary, Settings settings);
    ~TransferPool();
    TransferPool(const TransferPool&) = delete;
    TransferPool& operator=(const TransferPool&) = delete;

    // ---- the walking session's worker ----
    void submit(PoolTask task);
    // The walk is over: the walking session takes files too until none is left, then
    // the other connections end with QUIT. Returns the last reply code of the batch.
    int finish();

    // ---- any thread ----
    // Stop: every connection's transfer is aborted (ABOR), nothing more starts.
    void abort();
    // The bytes every extra connection moved since the last call, for the graphs.
    void takeTraffic(int64_t* received, int64_t* sent);
    // A waiting file (by its task in the session's queue) leaves the batch as stopped,
    // or goes before every other; false when it is not waiting (taken, or ended).
    bool withdraw(uint64_t queueId);
    bool moveToFront(uint64_t queueId);
    // A file in a connection's hands stops alone (ABOR on its connection, what arrived
    // kept as a Stop keeps it); the connection goes on with the next file. False when
    // no connection holds it.
    bool stopRunning(uint64_t queueId);

  private:
    struct Member {
        std::thread thread;
        FtpSession* session = nullptr;  // while connected; under lock_
        std::string tag;                // its log lines' "[2] ", "[3] ", ...
    };

    // What a member connection does with one task; false when its connection is gone.
    bool runTask(FtpSession& session, PoolTask& task, RestartRecord& record);
    // The connection's file is in hand, or no longer; true when the user stopped it alone.
    void holdTask(FtpSession& session, const PoolTask& task);
    bool releaseTask(FtpSession& session);
    // A file stopped alone: not resumed within the batch; it ends as stopped.
    void stoppedAlone(PoolTask& task, RestartRecord& record);
    // The walking session, too far ahead, takes files until the queue is shorter.
    void takeWhileAhead();
    // While it lives the walking session reports and keeps its restart fields as one
    // of the pool's connections.
    class WalkerAsMember {
      public:
        explicit WalkerAsMember(TransferPool& pool);
        ~WalkerAsMember();
        WalkerAsMember(const WalkerAsMember&) = delete;
        WalkerAsMember& operator=(const WalkerAsMember&) = delete;

      private:
        SessionContext& context_;
        const SessionContext kept_;
    };
    void memberMain(Member& self, int slot);
    // Opens more connections while files wait and the limit allows; under lock_.
    void growLocked();
    bool takeLocked(std::unique_lock<std::mutex>& lock, PoolTask* task);
    void taskDone(int code);
    // A broken file goes back to the front of the queue (true), or is given up.
    bool requeueBroken(PoolTask task);
    void refusedForLoad();
    // The limit changed after a refusal: the session, the next run and the log hear of it.
    void learnedLocked();
    // A connection could not be opened for another reason than load: the next waits,
    // and when none can be had at all, the waiting files fail.
    void failedToOpen();
    void giveUpWhenStrandedLocked();
    void giveUpLocked(const std::string& reason);
    // The waiting file of a task of the session's queue, or the queue's end.
    std::deque<PoolTask>::iterator waitingLocked(uint64_t queueId);
    // The task ends so in the session's queue, where it has one.
    void endTask(const PoolTask& task, TaskState state, const std::string& reason);
    int openLocked() const;
    int connectedLocked() const;
    static int64_t nowMs();

    // SessionObserver of the member connections (and of the walking one while it
    // takes files): summed up for the session's own observer.
    void sessionLoggedIn(const std::string&) override {}
    void sessionEnded() override {}
    void transferStarted(int64_t, int64_t) override;
    void transferProgress(int64_t bytes) override;
    void transferEnded(int64_t bytes, int64_t endMs) override;
    void transferOutcome(bool whole) override;
    void transferAdvanced() override;
    // MainOutlets of the member connections.
    void SetStatus(std::string_view text) override;
    void ReportProgress(const TransferProgress& progress) override;
    void AddExitBits(uint32_t bits) override;
    void RequestClose() override {}
    void reportAggregate(bool force);

    FtpSession& primary_;
    FtpUrl target_;
    SessionContext primaryContext_;
    Settings settings_;
    // The walking session's restart fields while it takes files.
    std::unique_ptr<RestartRecord> walkerRecord_;
    // The walking session's record for the files it takes: its own where it has one
    // (the restart database, so that a file it was moving is found after a crash, as
    // one moved outside a batch is), else walkerRecord_.
    // One connection at a time: the pool passes its reports on as they come, as a
    // session alone gives them (the file's name and percent, its status lines).
    bool single() const { return settings_.limit == 1; }
    RestartRecord& walkerRecord() {
        return primaryContext_.restart != nullptr ? *primaryContext_.restart : *walkerRecord_;
    }

    mutable std::mutex lock_;
    std::condition_variable changed_;
    std::deque<PoolTask> queue_;
    std::vector<std::unique_ptr<Member>> members_;
    int running_ = 0;           // tasks in hand
    int membersAlive_ = 0;      // connections opened or opening besides the walking one
    int membersConnected_ = 0;  // of those, the ones logged in
    bool walking_ = true;       // the walking session has not come to finish yet
    bool primaryGone_ = false;
    int limit_ = 1;
    int refusals_ = 0;
    int openFailures_ = 0;
    static constexpr int kOpenFailureLimit = 3;
    int64_t probeAtMs_ = 0;     // one more connection may be tried from then on
    int64_t nextOpenAtMs_ = 0;  // no connection opens before then
    int64_t retryAtMs_ = 0;     // a broken file waits for this
    int lastCode_ = 0;
    std::atomic<bool> stopped_{false};
    // Each connection's file in hand (its task id; 0: none) and whether the user stopped
    // that one file; under lock_.
    std::array<uint64_t, kMaxConnections + 1> slotTask_{};
    std::array<bool, kMaxConnections + 1> slotStopped_{};
    // The connection of each slot while it runs a file (the walking session's is slot 0).
    std::array<FtpSession*, kMaxConnections + 1> slotSession_{};

    // The summed progress.
    std::mutex reportLock_;
    std::atomic<int64_t> doneBytes_{0};
    // The windows heard of the batch's start (several connections).
    std::atomic<bool> batchStarted_{false};
    std::array<std::atomic<int64_t>, kMaxConnections + 1> slotBytes_{};
    std::array<int64_t, kMaxConnections + 1> slotEndedBytes_{};
    // The connection's broken file moved bytes its resumption keeps.
    std::array<bool, kMaxConnections + 1> advanced_{};
    std::array<int64_t, kMaxConnections + 1> slotStartMs_{};
    std::array<int64_t, kMaxConnections + 1> slotEndedMs_{};
    std::atomic<int> filesDone_{0};
    std::atomic<int> filesTotal_{0};
    std::atomic<int64_t> expectedBytes_{0};
    int64_t lastReportMs_ = 0;
    std::atomic<TransferProgress::Kind> kind_{TransferProgress::Kind::Get};
    std::atomic<int64_t> trafficReceived_{0};
    std::atomic<int64_t> trafficSent_{0};
};

}  // namespace nubo
