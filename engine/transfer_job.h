#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/main_outlets.h"
#include "engine/partial_name.h"
#include "engine/session_context.h"
#include "engine/session_request.h"

namespace nubo {

class ControlChannel;
class FtpSession;
class FtpSocket;
class RemoteViewContract;
class SpeedLimiter;
class TransferPool;
struct PoolTask;
struct RemoteEntry;

// What one transfer request owns while it runs: the restart mark of its next data
// connection, the local path and remote name of the file in hand, the direction and
// type letters ("Gi", "Pa", ...), its progress so far. The session lends the control
// channel, the data connector and its socket, the context and the server's features;
// a job lives for one request on the worker thread and leaves nothing behind in the
// session. DownloadJob and UploadJob build on it.
class TransferJob {
  public:
    explicit TransferJob(FtpSession& session);
    virtual ~TransferJob();
    TransferJob(const TransferJob&) = delete;
    TransferJob& operator=(const TransferJob&) = delete;

    // Sets up the data connection for a transfer command ("RETR name", ...), with REST
    // first while a restart mark is set: FtpSession::kDataOpen, kDataFailed or
    // kDataControlLost. A refused REST clears the mark.
    int openDataConnection(const std::string& command, std::string* lastLine = nullptr);
    // REST for the next data connection: active flag and offset in bytes.
    void setRestart(bool active, int64_t offset);
    int64_t restartOffset() const { return restartOffset_; }
    // Reports a transfer's start to the Host page; returns the start time in ms.
    int64_t reportTransferStart(int64_t expectedSize);
    // Reports bytes so far, at most once per 1000 bytes.
    void reportTransferProgress(int64_t bytes);
    // Writes "... <verb> N bytes in S seconds (R KB/s)" and reports the transfer end.
    // bytes: where the transfer ended in the file; offset: where it began (REST, APPE).
    // The log line counts what crossed the line, the observer hears the position.
    void logTransferTime(const char* verb, int64_t bytes, int64_t startMs, int64_t offset = 0);
    // The restart record's texts of the transfer in hand, written when the interface
    // switched restart on while it runs.
    void syncRestartFields();

  protected:
    // Opens the batch's pool: its files are then handed out, and run on the walking
    // session's connection and on up to "Simultaneous transfers" in all. The walking
    // session is one of the pool's connections once closePool is called.
    void openPool();
    bool pooled() const { return pool_ != nullptr; }
    void handOut(PoolTask task);
    // The broken or stopped transfer the session's record names becomes the task's to
    // resume; the record is free for the next file.
    void takeResumption(PoolTask* task);
    // Waits for the pool's files; the last reply code of them (0 without a pool).
    int closePool();
    // The letters of a direction ('G' or 'P') and a mode.
    static std::string lettersOf(char direction, TransferMode mode);
    RemoteViewContract* view() const { return context_.remoteView; }
    // Writes a restart field while restart is on; false when it could not be kept.
    bool writeRestartField(int field, const std::string& text);
    void setRestartInProgress(int value);
    void logExtended(const std::string& text);
    void setStatus(const std::string& text);
    void clearTransferDisplay();
    // The bytes of the next block that a speed limit of the session lets go (all of
    // `wanted` without one), waited for; 0 when the transfer was stopped meanwhile.
    int64_t allowance(SpeedLimiter& limit, int64_t wanted);
    // One block moved: Host page progress, the progress text when its value changes,
    // and the in-progress mark of the restart record once per transfer.
    void noteTransferProgress(TransferProgress& progress, int64_t bytes, int64_t* shown,
                              bool* marked);
    // Ends the data phase: a receive or send error is logged (a stall is aborted with
    // ABOR), an upload's connection is closed only once the server took every byte,
    // and the final reply is read and returned. *broken: the data connection failed.
    int closeDataPhase(bool sending, int lastBlock, int64_t bytes, int64_t startMs, bool* broken,
                       int64_t offset = 0);
    // False (logged) when an Image transfer moved other than the announced size (-1:
    // none announced); offset is where a resumed transfer started.
    bool sizeAsAnnounced(int64_t moved, int64_t announced, int64_t offset, const char* verb);
    // After the final reply of a transfer: clears the running state and the restart
    // mark; true (with "Network error, queue flushed") when the transfer broke with
    // restart on, so the session must end and keep the mark for the next login.
    bool endTransfer(bool broken);
    // A transfer that broke and keeps its restart mark: failed, unless the run will
    // log in again to resume it; the code is 421.
    TransferOutcome countBrokenTransfer(bool isGet);
    // The data connection failed on the network (or the control connection went) while
    // a transfer was being set up: for a run that logs in again, a broken transfer of
    // this file (its restart record written, 421); otherwise a failed one.
    TransferOutcome countLostSetUp(bool isGet, bool controlLost);
    // A listing without exact times: the entry's time as the server tells it (asked
    // ahead, else asked now). Nothing changes when the server does not say.
    void askExactFacts(RemoteEntry* entry);
    // The times of the files of a listing asked at once where the protocol can
    // (RemoteProtocol::askTimesAhead), so that a folder of small files pays a round trip
    // per window of them instead of one per file; askExactFacts then takes them.
    void prefetchExactTimes(const std::vector<RemoteEntry>& entries);
    // The time asked ahead for this entry, if any (no round trip); true when it had one.
    bool usePrefetchedTime(RemoteEntry* entry);
    // The size of a remote file in the current type; -1 when the server does not say.
    int64_t askSize(const std::string& name);
    // A folder of a tree too deep for PWD's reply: its branch fails (logged, with the
    // failure bit of the direction) and the batch goes on.
    TransferOutcome refuseTooDeep(const std::string& remotePath, bool isGet);
    // After one name of a batch: a stopping outcome or 421 ends it.
    static bool stopsBatch(const TransferOutcome& outcome) {
        return outcome.stopsBatch || outcome.code == 421;
    }

    FtpSession& session_;
    const SessionContext& context_;
    ControlChannel& control_;
    FtpSocket& data_;

    // The file in hand: local directory (Get) or file (Put), remote file name, and the
    // direction and type letters.
    std::string localPath_;
    std::string remoteFileName_;
    std::string letters_;
    // A download's partial file, once made (kind None before).
    PartialName partialName_ = PartialName::none();
    // REST for the next data connection.
    bool restartActive_ = false;
    int64_t restartOffset_ = 0;
    // The current transfer's restart fields could not be stored whole: it is not
    // marked in progress, so it is never resumed from a wrong record.
    bool notResumable_ = false;
    // The running transfer has moved a block of data.
    bool movedData_ = false;
    int64_t lastProgressReport_ = 0;
    // The key of a name of the current directory among the times asked ahead.
    std::string timeKey(const std::string& name) const;
    std::unique_ptr<TransferPool> pool_;
    // Times asked ahead by prefetchExactTimes, by directory and name.
    std::unordered_map<std::string, int64_t> exactTimes_;
};

}  // namespace nubo
