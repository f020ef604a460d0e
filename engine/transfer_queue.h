#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/counted_bits.h"
#include "engine/hashed_ids.h"
#include "engine/text_arena.h"

namespace nubo {

// Where a file of a batch stands.
enum class TaskState : uint8_t { Waiting, Active, Done, Skipped, Failed, Stopped };

// A file to move, as the walk found it: direction, the remote folder (absolute) and name,
// the local path, the size where known (-1 not). A Delete of a folder's tree records the
// entries the server refused as tasks too (isDelete, never a Get, no local path).
struct TaskSpec {
    bool isGet = true;
    std::string remoteFolder;
    std::string name;
    std::string localPath;
    int64_t size = -1;
    bool isDelete = false;
};

// One task as the windows and the command line's summary read it.
struct TaskInfo {
    uint64_t id = 0;
    TaskSpec spec;
    TaskState state = TaskState::Waiting;
    // The connection it is (or was last) on, 1 for the session's own; 0 none yet.
    int connection = 0;
    int attempts = 0;
    int64_t bytes = 0;
    // Why it was skipped, failed or stopped: the server's reply or the local reason.
    std::string reason;
};

struct TaskCounts {
    int64_t waiting = 0;
    int64_t active = 0;
    int64_t done = 0;
    int64_t skipped = 0;
    int64_t failed = 0;
    int64_t stopped = 0;
    int64_t total() const { return waiting + active + done + skipped + failed + stopped; }
    int64_t of(TaskState state) const;
};

// How far the session's batch has got (the running one, else the last): its files ended
// of those found so far, and its bytes moved of those expected (a file that ended without
// arriving expects no more than it moved).
struct BatchProgress {
    bool running = false;
    // Counts the batches begun: a view tells a new batch from the last one.
    uint64_t serial = 0;
    int64_t filesEnded = 0;
    int64_t filesTotal = 0;
    // Of those ended: how many failed, and how many were skipped.
    int64_t filesFailed = 0;
    int64_t filesSkipped = 0;
    int64_t bytes = 0;
    int64_t expected = 0;
    // What the last batch came to in words ("batch done: ..."); empty while one runs, and
    // for a single file, whose own lines say how it went.
    std::string outcome;
};

// Every file the session moves, one task each, from the walk that finds it to its end:
// the one record of a batch that the windows show and the command line sums up. Safe to
// use from every connection's thread. A task costs under a hundred bytes, waiting or
// ended: folders are kept once however many files they hold, names in one block (a local
// name only where it differs from the remote one), reasons only for the tasks that have
// one, and the lists and the index of unfinished tasks hold positions, not copies, so a
// tree of a million files stays under a hundred megabytes (bench_queue_memory).
class TransferQueue {
  public:
    TransferQueue();
    TransferQueue(const TransferQueue&) = delete;
    TransferQueue& operator=(const TransferQueue&) = delete;

    // A task waiting for a connection; its id (ids count up from 1, never reused).
    uint64_t add(const TaskSpec& spec);
    // The task of this file that has not ended yet (a broken transfer resumed by a new
    // connection is the same task, one attempt more; of two, the older), or a new one; now
    // active on
    // `connection`.
    uint64_t begin(const TaskSpec& spec, int connection);
    // A waiting task now active on `connection`; a size found as it begins (>= 0: an
    // upload's file as opened) replaces the one it was added with.
    void activate(uint64_t id, int connection, int64_t size = -1);
    void progress(uint64_t id, int64_t bytes);
    // The connection broke: the task waits for its next attempt.
    void retry(uint64_t id, int attempts);
    // Done, Skipped, Failed or Stopped, with the reason where there is one. A task that
    // has ended stays as it ended.
    void finish(uint64_t id, TaskState state, const std::string& reason);
    // Every task that has not ended ends so (a run that gave up, or was stopped).
    void finishUnfinished(TaskState state, const std::string& reason);
    // Ended tasks leave every list and count (the user cleared them, or retried them as
    // new tasks); a task that has not ended stays. How many went.
    bool remove(uint64_t id);
    size_t remove(const std::vector<uint64_t>& ids);
    // A waiting task goes before every other waiting one (the pool takes it next).
    bool moveToTop(uint64_t id);
    // Counts up with every remove() that took tasks: lists read before are out of date.
    uint64_t removals() const;

    // The session's batch: begun when a Get or Put starts, ended with its outcome.
    void beginBatch();
    void endBatch(const std::string& outcome);
    BatchProgress batch() const;

    // The tasks from id `from` on (a batch's first task) by state.
    TaskCounts counts(uint64_t from = 1) const;
    // Up to `limit` tasks in `state` from id `from` on, in order.
    std::vector<TaskInfo> tasks(TaskState state, uint64_t from = 1, size_t limit = SIZE_MAX) const;
    // Up to `limit` tasks in `state` from position `offset` on, in the order the windows
    // list them: waiting ones as connections will take them, active ones as they were
    // found, ended ones as they ended. Costs what it returns, however long the list (a
    // view reads the rows it shows).
    std::vector<TaskInfo> listed(TaskState state, size_t offset, size_t limit) const;
    // Where a task stands in the list of its state (as listed() reads it) and that state;
    // -1 for no such task.
    int64_t position(uint64_t id, TaskState* state) const;
    // False when there is no such task.
    bool task(uint64_t id, TaskInfo* info) const;
    // The id the next task will get: the start of a batch.
    uint64_t nextId() const;
    // Counts up with every change, so that a view can poll and redraw only on change.
    uint64_t generation() const;
    // What the tasks hold in memory, for the benchmark.
    size_t memoryBytes() const;

    // "... batch done: 299 transferred, 1 failed, 0 skipped of 300" (stopped, when the
    // batch was: "... batch stopped: ..."; files stopped add ", 3 stopped" before "of").
    static std::string summaryLine(const TaskCounts& counts, bool stopped);

  private:
    struct Record {
        int64_t size;
        int64_t bytes;
        // The name in names_, the local name right after it when apart.
        uint64_t nameAt;
        uint32_t folder;
        uint32_t localFolder;
        uint32_t reason;  // 0: none; else 1 + its index in reasons_
        uint16_t nameLength;
        uint16_t localNameLength;
        TaskState state;
        uint8_t attempts;
        uint8_t connection;
        bool isGet : 1;
        bool isDelete : 1;
        bool removed : 1;
        bool localNameApart : 1;
    };
    // Every task has one: a byte more here is a megabyte more for a million files.
    static_assert(sizeof(Record) <= 48);
    // A file as the index of unfinished tasks tells files apart: direction, interned
    // folders, and the names as stored.
    struct FileKey {
        bool isGet = true;
        uint32_t folder = 0;
        uint32_t localFolder = 0;
        std::string_view name;
        std::string_view localName;
        bool localNameApart = false;
        bool operator==(const FileKey&) const = default;
        uint64_t hash() const;
    };
    // The running sums every batch is measured against.
    struct Sums {
        int64_t added = 0;
        int64_t ended = 0;
        int64_t failed = 0;
        int64_t skipped = 0;
        int64_t bytes = 0;
        int64_t expected = 0;
    };

    uint32_t internLocked(std::unordered_map<std::string, uint32_t>& index,
                          std::vector<std::string>& strings, const std::string& text);
    FileKey keyLocked(const Record& record) const;
    // The oldest unfinished task of the file; 0 when none.
    uint64_t unfinishedLocked(const TaskSpec& spec) const;
    uint64_t addLocked(const TaskSpec& spec);
    void endLocked(uint64_t id, TaskState state, const std::string& reason);
    Record* recordLocked(uint64_t id);
    // A size learnt later (the server's, or the local file's as opened) replaces the one
    // the task was added with, in the sums too.
    void resizeLocked(Record* record, int64_t size);
    TaskInfo infoLocked(uint64_t id) const;
    // Every change of a task's state or bytes goes through here: the counts, the lists
    // and the sums follow it.
    void changeLocked(uint64_t id, TaskState state, bool onTop);
    void unlistLocked(uint64_t id, const Record& record);
    void listLocked(uint64_t id, const Record& record, bool onTop);
    static void addTo(Sums* sums, const Record& record, int sign);
    static size_t endedList(TaskState state);

    mutable std::mutex lock_;
    // Blocks of records, never moved as tasks are added.
    std::deque<Record> records_;
    TextArena names_;
    std::vector<std::string> remoteFolders_;
    std::unordered_map<std::string, uint32_t> remoteFolderIndex_;
    std::vector<std::string> localFolders_;
    std::unordered_map<std::string, uint32_t> localFolderIndex_;
    std::vector<std::string> reasons_;
    // The tasks that have not ended, by file: what begin() finds again.
    HashedIds unfinished_;
    // The lists the windows read, kept as tasks change so that reading a page of one
    // costs that page. Waiting tasks: those moved to the top (or broken and put back)
    // first, the last one first, then the others by id, a bit each; active ones by id;
    // ended ones by state in the order they ended (as record positions: 4 bytes a task).
    std::map<int64_t, uint64_t> waitingOnTop_;
    std::unordered_map<uint64_t, int64_t> placeOnTop_;
    int64_t lastTopPlace_ = 0;
    CountedBits waiting_;
    std::set<uint64_t> active_;
    std::array<std::deque<uint32_t>, 4> ended_;
    TaskCounts counts_;
    Sums sums_;
    Sums batchStart_;
    Sums batchEnd_;
    bool batchRunning_ = false;
    uint64_t batchSerial_ = 0;
    uint64_t removals_ = 0;
    std::string batchOutcome_;
    uint64_t generation_ = 0;
};

}  // namespace nubo
