#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "engine/control_channel.h"
#include "engine/control_connection.h"
#include "engine/data_connector.h"
#include "engine/directory_cache.h"
#include "engine/ftp_protocol.h"
#include "engine/ftp_socket.h"
#include "engine/ftp_url.h"
#include "engine/listing_by_name.h"
#include "engine/main_outlets.h"
#include "engine/proxy_route.h"
#include "engine/remote_view_contract.h"
#include "engine/request_queue.h"
#include "engine/session_context.h"
#include "engine/session_request.h"
#include "engine/speed_limiter.h"
#include "engine/transfer_queue.h"
#include "platform/listing_locale.h"

namespace nubo {

class TransferPool;
struct PoolTask;

// One connection to one FTP server. The worker thread (SessionWorker) runs `run`:
// connect and log in (ControlConnection), then take queued requests one at a time until
// a Logoff, a lost connection or a failed socket; transfers get their data connections
// from the DataConnector. The interface thread only queues (`enqueue`), aborts
// (`abort`), asks to quit when done and passes setting changes; every flag the two
// threads share is atomic.
class FtpSession {
  public:
    static constexpr int kPoolSize = RequestQueue::kCapacity;
    // Results of openDataConnection.
    static constexpr int kDataOpen = DataConnector::kOpen;
    static constexpr int kDataFailed = DataConnector::kFailed;
    static constexpr int kDataControlLost = DataConnector::kControlLost;

    // A request's operation; returns the last FTP reply code of the operation.
    using RequestHandler = std::function<int(FtpSession&, SessionRequest&)>;

    FtpSession(const FtpUrl& target, const SessionContext& context);
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;

    // ---- interface thread ----
    // Queues a request; false when it was dropped (a Logoff with an exit code is
    // queued, or all records are in use).
    bool enqueue(SessionRequest request) { return requests_.enqueue(std::move(request)); }
    // Aborts the running transfer (ABOR) and flushes the queue.
    void abort();
    // True queues a Logoff with exit code 1 behind everything queued; false withdraws
    // it while it is still queued.
    void setQuitWhenDone(bool on) { requests_.setQuitWhenDone(on); }
    // A Logoff with an exit code is queued (the tray's "Logoff and Exit" is checked).
    bool quitWhenDone() const { return requests_.quitWhenDone(); }
    // Re-reads "Passive", "Restart", "SimultaneousTransfers", "DownloadLimit" or
    // "UploadLimit".
    void settingChanged(const std::string& name);

    // ---- worker thread ----
    // Start, request loop, teardown; returns the exit code.
    int run();
    // Creates the control connection, connects, logs in and runs the after-login
    // steps. False when the start failed or was cancelled.
    bool start();
    bool connectControl() { return connection_.connect(); }
    bool login() { return connection_.login(); }
    void closeControl();

    // Sets up the data connection for a transfer command ("LIST", "RETR name", ...),
    // without REST, and has the command accepted: kDataOpen, kDataFailed or
    // kDataControlLost. Transfers open theirs through their job, which holds the mark.
    int openDataConnection(const std::string& command, std::string* lastLine = nullptr) {
        return connector_.open(command, nullptr, lastLine);
    }
    // A transfer's outcome: exit bit 1/16 (Get) or 2/32 (Put); returns the outcome.
    TransferOutcome countTransfer(int code, bool isGet);
    // The same, for a failure that also ends the batch it belongs to (a folder that
    // cannot be made or entered, a refused TYPE).
    TransferOutcome countBatchStop(int code, bool isGet);

    // Directory operations the remote view follows: CWD/CDUP and PWD, then the session's
    // kept listing of the directory or a LIST, which the view is shown; a listing of a
    // directory into a local text file.
    int changeDirectory(const std::string* path, DirectoryFlags flags);
    // LIST (or MLSD) of an absolute directory by a ListingJob into the session's
    // listings; shown: the remote view gets it as it comes (the session followed the user
    // there). With `copy`, the entries read go there too. Its outcome becomes the last
    // listing's, which a listing file reads.
    int listDirectory(const std::string& directory, DirectoryFlags flags, bool shown,
                      std::vector<RemoteEntry>* copy = nullptr);
    int listToFile(const ListToFileRequest& request);
    // The listings the session made, by directory. A pool's connections share their
    // session's.
    DirectoryCache& listings() { return *context_.listings; }
    // Shows every raw listing line in the log, or stops doing so (interface thread).
    void toggleRawLogging();
    const std::string& currentRemoteDirectory() const { return currentRemoteDirectory_; }

    // One file downloaded by a DownloadJob of its own (requests run theirs whole).
    TransferOutcome getFile(const RemoteEntry& entry, const std::string& localPath,
                            const TransferOptions& options);
    // -1, 0 or 1 as the remote time is earlier than, equal to or later than the local
    // modification time, zones applied when the listing gave a time of day.
    int compareWithLocal(const RemoteEntry& entry, int64_t localModified) const;

    // Remote operations on named entries of a directory.
    int deleteEntries(const DeleteRequest& request);
    // What the folders among a request's entries hold, walked; told to request.counted.
    int countTrees(const CountRequest& request);
    // A search from the request's directory down.
    int find(const FindRequest& request);
    int makeDirectory(const MakeDirectoryRequest& request);
    int renameRemote(const RenameRequest& request);
    // SITE CHMOD on the entries, and with a recursive change on everything below the
    // folders among them; the view hears each new mode and, at the end, the refusals.
    int changeModes(const ChmodRequest& request);

    // CWD to a directory, the reply's code text in *code. A path longer than a command
    // line is entered a piece at a time (the first from the root, each ending at a
    // "/"); when one is refused the session goes back where it was.
    int changeWorkingDirectory(const std::string& path, std::string* code = nullptr);
    // Whether PWD's reply can hold a directory of that path: a deeper one's reply would
    // be longer than a reply line, and the control connection would not survive it.
    static bool fitsReplyLine(const std::string& path);

    // ---- a pool's connection (worker thread) ----
    // CWD to an absolute directory, nothing listed; the reply code.
    int enterDirectoryOnly(const std::string& path);
    // One file of a pool's batch, in its directory; resume: its last try broke off.
    TransferOutcome runPoolTask(const PoolTask& task, bool resume);
    // QUIT, its reply, and the connection closed.
    void quit();
    // The connection was turned away for the server's load (see ControlConnection).
    bool refusedForLoad() const { return connection_.refusedForLoad(); }
    // Connections the next batch may use: the setting as it is now, never more than
    // the host was found to take (in an earlier run or by a batch of this session).
    int batchConnections() const;
    // A batch found the host takes this many connections (its pool's thread).
    void noteConnectionLimit(int limit) { knownConnectionLimit_ = limit; }
    // The pool of the batch running now (null: none); abort and the graphs reach it.
    void attachPool(TransferPool* pool);
    // The bytes the pool's other connections moved since the last call.
    void takePoolTraffic(int64_t* received, int64_t* sent);
    // A file of the running batch (its task in the queue) stops alone: a waiting one is
    // given up as stopped, a running one ends its transfer and keeps what arrived. False
    // when no pool holds it. movePoolTaskToTop: a waiting one is taken next.
    bool withdrawPoolTask(uint64_t queueId);
    bool movePoolTaskToTop(uint64_t queueId);

    // Replaces the operation of a kind (the operations install themselves; tests may
    // substitute their own).
    void setRequestHandler(RequestKind kind, RequestHandler handler);

    ControlChannel& control() { return control_; }
    // The server's operations, in the protocol's words.
    RemoteProtocol& protocol() { return protocol_; }
    FtpSocket& dataSocket() { return data_; }
    const FtpUrl& target() const { return target_; }
    ProxyType proxyType() const { return route_.type; }
    const FtpUrl& proxyAddress() const { return route_.address; }
    const std::string& systemText() const { return connection_.systemText(); }
    // What the server announced in its reply to FEAT after login.
    const ServerFeatures& features() const { return connection_.features(); }
    const std::string& currentUrl() const { return currentUrl_; }
    int exitCode() const { return exitCode_; }
    bool passive() const { return connector_.passive(); }
    bool restartEnabled() const { return restartEnabled_; }
    bool abortRequested() const { return abortRequested_; }
    void setTransferActive(bool on) { transferActive_ = on; }
    int32_t localZoneBias() const { return localZoneBias_; }
    int32_t hostZoneAdjustment() const { return hostZoneAdjustment_; }
    uint16_t listingLocale() const { return listingLocale_; }
    const SessionContext& context() const { return context_; }
    // Requests waiting in the queue.
    size_t queuedCount() const { return requests_.size(); }
    // Requests that have run to their end so far (Logoff included).
    uint64_t completedRequests() const { return requests_.completed(); }
    // Requests accepted so far: the windows tell the user's next command by it.
    uint64_t acceptedRequests() const { return requests_.accepted(); }
    // Requests that ran to their end or were flushed.
    uint64_t endedRequests() const { return requests_.ended(); }
    // Every accepted request has run or was flushed.
    bool idle() const { return requests_.idle(); }

  private:
    // The transfer jobs run on the worker thread as parts of the session; these are
    // theirs alone.
    friend class TransferJob;
    friend class DownloadJob;
    friend class UploadJob;
    friend class ListingJob;
    friend class TransferPool;
    friend class RemoteTreeWalk;

    SessionContext& mutableContext() { return context_; }

    DataConnector& connector() { return connector_; }
    bool cancelled() const;
    void clearAbort() { abortRequested_ = false; }
    // A broken transfer of the last session waits to be resumed by the next transfer
    // (from the restart record at login); the first file that gets there takes it.
    bool resumePending() const { return resumePending_; }
    void clearResumption() { resumePending_ = false; }
    // The interface switched restart on: the running transfer writes its fields.
    bool takeRestartFieldsWanted() { return restartFieldsWanted_.exchange(false); }
    // A transfer broke and the run will log in again to resume it.
    void noteBrokenForRetry() { brokenForRetry_ = true; }
    bool rawLogging() const { return rawLogging_; }
    const ListingLocaleData& listingLocaleData() const { return listingLocaleData_; }
    // Writes a restart field while restart is on; false when it could not be kept.
    bool writeRestartField(int field, const std::string& text);
    // The start and end of every Get and Put batch: the end says in the log and the
    // status what came of its files ("... batch done: ...").
    void startBatch();
    void finishBatch();
    // The file the job now moves is a task of the queue: a pool's task its own (named
    // by useQueuedTask before), else the file's unfinished task or a new one.
    void beginTask(const TaskSpec& spec);
    void useQueuedTask(uint64_t id) { queuedTask_ = id; }
    void taskProgress(int64_t bytes) {
        if (currentTask_ != 0 && context_.queue != nullptr)
            context_.queue->progress(currentTask_, bytes);
    }
    // The file in hand ended so (countTransfer ends it as done or failed by its code).
    void endTask(TaskState state, const std::string& reason = {});
    // A file that fails before it can begin (an unsafe name, gone from the server, not a
    // regular file): a failed task and its exit bit.
    void failFile(const TaskSpec& spec, const std::string& reason, uint32_t exitBit);
    // A file passed over before it began (the user's answer): a skipped task and its bit.
    void skipFile(const TaskSpec& spec, const std::string& reason, uint32_t exitBit);
    // The user's Cancel at a file's question: the file skipped, and the batch and the
    // requests queued behind it stopped.
    TransferOutcome cancelAt(const TaskSpec& spec);
    // Why the file in hand fails: its last "*** " line, else the last reply.
    std::string taskReason(int code) const;
    void recordFile(const TaskSpec& spec, TaskState state, const std::string& reason,
                    uint32_t exitBit);
    // Where a request that names a directory took the session, and what to put back.
    struct DirectoryVisit {
        std::string previous;
        bool entered = false;
        bool listingBroken = false;
        bool listingMissing = false;
    };
    // Makes sure the session is in a request's directory: CWD there when it is another
    // than the current one (visit->entered), with a fresh listing of it in *fresh when
    // asked for. 2xx, or the refusal (logged) when it could not be entered or listed.
    int enterRequestDirectory(const std::string& directory, std::vector<RemoteEntry>* fresh,
                              DirectoryVisit* visit);
    // A change of permissions on one entry of the current directory (the absolute
    // directory), with its contents when the change is recursive and it is a folder;
    // refusals gathered as "path: reply". The last reply's code.
    int changeEntryMode(const std::string& directory, const RemoteEntry& entry,
                        const ModeChange& change, int depth, std::vector<std::string>* refusals);
    int changeContentModes(const std::string& folder, const ModeChange& change, int depth,
                           std::vector<std::string>* refusals);
    // Back to where the session was before enterRequestDirectory entered another
    // directory (nothing when it did not).
    void leaveRequestDirectory(const DirectoryVisit& visit, int lastCode);
    // The listing a running request took of its directory (an upload's, for what is
    // there already), and that directory; null when done.
    void setRequestListing(const ListingByName* listing, const std::string& directory) {
        requestListing_ = listing;
        requestListingDirectory_ = directory;
    }
    // The listed entry of a name in the current directory: from the listing a request
    // took for itself while the session is in that request's directory, else from the
    // session's listing of the directory. False when there is none.
    bool listedEntry(const std::string& name, RemoteEntry* entry);
    // What a rename finds at its new name in the session's listing of the folder (the
    // fresh one a request took for itself, else the one kept): another entry of exactly
    // that name (taken), or one whose name differs only in letter case (twin).
    struct NameAtTarget {
        bool taken = false;
        std::string twin;
    };
    NameAtTarget nameAtTarget(const std::vector<RemoteEntry>* fresh, const std::string& from,
                              const std::string& to);
    // CWD (CDUP for no path, nothing for an empty one) and PWD: 257 with the directory
    // the server is then in, else the failed reply. tryParent: a path that cannot be
    // entered is tried once more without its last component. *refused: the CWD or CDUP
    // was refused (the server stayed where it was).
    int enterDirectory(const std::string* path, bool tryParent, std::string* directory,
                       bool* refused);
    // A folder transfer's step into a folder of the current directory, listed afresh
    // into the session's listings and into *listing (when given); the remote view is
    // not told and shows what it showed. 2xx, or the failure (the session is back where
    // it was unless the connection went). useKept: a listing the session keeps of the
    // folder is read instead.
    int walkInto(const std::string& name, std::vector<RemoteEntry>* listing, bool useKept = false);
    // The walk back to the directory it came from (CWD and PWD, nothing listed).
    int walkBack(const std::string& directory);
    // A listing the worker takes for itself (a walk's, a rename's check): the outcome of
    // the last shown or requested listing stays what a listing file reads.
    int listAside(const std::string& directory, std::vector<RemoteEntry>* into);
    // Upkeep after transfers and remote operations: the session's listings and the
    // remote view's follow the server without a new LIST.
    void entryUpdated(const std::string& directory, const std::string& name, int64_t size,
                      int64_t time, EntryType type);
    void entryRemoved(const std::string& directory, const std::string& name);
    void entryRenamed(const std::string& directory, const std::string& from, const std::string* to);
    // DELE (RMD for a folder) of an entry of the current directory, which is `directory`;
    // the reply code, its line in *reply. The listings and the view follow a removal.
    int removeEntry(const std::string& directory, const RemoteEntry& entry, std::string* reply);
    // A folder of the current directory with all it holds, depth first: what the server
    // refuses stays (a failed task with its words, and a log line), and so do the
    // folders above it. The last reply code; *gone: the folder is no more.
    int removeTree(const std::string& directory, const RemoteEntry& folder, bool* gone);
    void refusedRemoval(const std::string& directory, const RemoteEntry& entry,
                        const std::string& reply);
    // After a rename onto a twin's name: lists the folder and takes the twin out of the
    // view when the server no longer has it.
    void dropTwinIfGone(const std::string& directory, const std::string& twin);
    // The entry of that name in a fresh listing; null (logged "no longer on the server",
    // with the exit bit given) when it is gone.
    const RemoteEntry* stillListed(const ListingByName& fresh, const std::string& name,
                                   uint32_t failureBit);

    void logExtended(const std::string& text);
    void setStatus(const std::string& text);
    void afterLogin();
    void requestLoop();
    // The next request; false when the connection was lost while waiting.
    bool waitForRequest();
    int runRequest(SessionRequest& request);
    bool sendAbortOnce();
    // One file of a pool stops (ABOR), not the session's queue nor the batch; and the
    // session is ready for the next file once it has.
    void stopFileInHand();
    void readyAfterStop();
    void installOperations();
    // The directory a request acts in, for the remote view's upkeep.
    std::string requestDirectory(const std::string& directory) const {
        return directory.empty() ? currentRemoteDirectory_ : directory;
    }
    // The exit bit of a request that never ran to its end: 16 for downloads (listings
    // into files too), 32 for uploads, none for the rest.
    static uint32_t failureBit(RequestKind kind);
    // Writes a listing into a local text file: the given one, else the session's listing
    // of the current directory.
    int writeListingFile(const std::string& filePath, const std::vector<RemoteEntry>* listing);
    // A listing file that could not be written: exit bit 16; returns 599.
    int countListingFailure();
    void resumeAfterLogin();
    // Between requests, the session's restart texts (URL, directory) once the interface
    // switched restart on.
    void syncSessionRestartFields();
    RemoteViewContract* view() const { return context_.remoteView; }

    FtpUrl target_;
    SessionContext context_;
    ProxyRoute route_;
    ControlChannel control_;
    DataConnector connector_;
    ControlConnection connection_;
    FtpProtocol protocol_;
    // The connector's socket, where the transfers read and write.
    FtpSocket& data_;

    RequestQueue requests_;
    std::array<RequestHandler, kRequestKindCount> handlers_;

    std::atomic<bool> restartEnabled_{true};
    std::atomic<bool> transferActive_{false};
    std::atomic<bool> abortRequested_{false};
    std::atomic<bool> rawLogging_{false};
    std::string currentRemoteDirectory_;
    // The session's listings unless a pool's connection shares its session's.
    DirectoryCache ownListings_;
    // The listing a running request took of its directory (an upload's, for what is
    // there already), and that directory.
    const ListingByName* requestListing_ = nullptr;
    std::string requestListingDirectory_;
    // The outcome of the last listing (the shown one, or a request's own while it
    // runs): a listing file written from a broken one is a failure, and without one there
    // is nothing to write.
    bool listingBroken_ = false;
    bool listingMissing_ = false;
    // The URL's folder could not be entered at login (a parent is shown instead).
    bool urlFolderMissing_ = false;
    // A transfer broke and the run will log in again to resume it.
    bool brokenForRetry_ = false;
    // The queue's task of the file in hand (0: none), a pool's task waiting to be taken
    // as it, the first task of the running batch, and the file's last "*** " line.
    uint64_t currentTask_ = 0;
    uint64_t queuedTask_ = 0;
    uint64_t batchFirstTask_ = 0;
    std::string taskProblem_;
    std::string taskNote_;
    std::atomic<bool> restartFieldsWanted_{false};
    bool resumePending_ = false;
    std::atomic<int> simultaneousTransfers_{1};
    // The limits of a session given none (see SessionContext).
    SpeedLimiter ownDownloadLimit_;
    SpeedLimiter ownUploadLimit_;
    std::atomic<int> knownConnectionLimit_{0};
    std::mutex poolLock_;
    TransferPool* batchPool_ = nullptr;

    std::string currentUrl_;
    uint16_t listingLocale_ = 0;
    ListingLocaleData listingLocaleData_;  // the host's, read at the start
    int32_t localZoneBias_ = 0;
    int32_t hostZoneAdjustment_ = 0;
    int exitCode_ = 0;
};

}  // namespace nubo
