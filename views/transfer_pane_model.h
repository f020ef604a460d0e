#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/session_request.h"
#include "engine/transfer_queue.h"
#include "views/rate_meter.h"

namespace nubo {

// The Transfers pane without widgets: three lists over the session's TransferQueue,
// "Queued" (active tasks, then waiting ones as connections will take them), "Failed"
// (failed, then stopped) and "Successful" (done, then skipped), their counts, the
// batch's whole progress, and the requests its actions make.
//
// The pane polls refresh(): nothing is read while the queue's generation stays the same,
// and then only the counts and the pages of rows the view asks for. Ended tasks never
// change, so their pages stay until tasks are removed; a list of a million tasks costs
// the rows on screen.
class TransferPaneModel {
  public:
    enum class List : uint8_t { Queued = 0, Failed = 1, Successful = 2 };
    static constexpr size_t kListCount = 3;
    enum class Column : uint8_t {
        Name,
        Progress,
        Speed,
        State,
        Reason,
        Attempts,
        Size,
        Direction,
        RemoteFolder,
        LocalFolder
    };
    // Rows read from the queue at a time.
    static constexpr size_t kPageRows = 64;

    // What a refresh found of one list, for the view's adapter.
    struct Change {
        bool changed = false;
        // Rows went or moved: the adapter starts over (and keeps its selection by task).
        bool reset = false;
        // Otherwise rows were added where each part of the list ends: (row, count), in
        // the order the adapter inserts them.
        std::vector<std::pair<int64_t, int64_t>> inserted;
    };

    // The batch's progress as the pane's header shows it.
    struct BatchTexts {
        uint64_t serial = 0;  // 0: no batch yet
        bool running = false;
        int percent = -1;       // -1: no size known
        std::string files;      // "12 of 300 files"
        std::string rate;       // "1.21MB/s"
        std::string remaining;  // "00:01:23 left"
        std::string outcome;    // the last batch's words ("batch done: ...")
        // For the status bar: "Transferring 12 of 300 files, 1 failed"; empty for one
        // file, whose own dialogue says how it goes.
        std::string status;
    };

    // A retry: the request to queue and the failed tasks it replaces.
    struct Retry {
        SessionRequest request;
        std::vector<uint64_t> tasks;
    };

    // What the context menu offers for a selection of a list.
    struct Offer {
        bool retry = false;
        bool retryAll = false;
        bool remove = false;
        bool openFolder = false;
        bool stop = false;
        bool moveToTop = false;
    };

    explicit TransferPaneModel(TransferQueue& queue);

    // Reads what changed since the last call; false when nothing did. While tasks are
    // active the queued list is read at every call (their speed moves with the clock).
    bool refresh(int64_t nowMs);
    const Change& change(List list) const { return changes_[static_cast<size_t>(list)]; }

    int64_t rowCount(List list) const;
    // "Queued (3)", "Failed (1)", "Successful (296)"; "Successful (296, 3 skipped)": the
    // skipped files follow the transferred ones, counted apart.
    std::string title(List list) const;
    static const std::vector<Column>& columns(List list);
    static std::string header(Column column);
    // The task a row shows, read with its page when not held; null past the end.
    const TaskInfo* task(List list, int64_t row);
    std::string text(List list, int64_t row, Column column);
    // How much of an active task has moved, 0-100; -1 when not known.
    static int percent(const TaskInfo& task);
    // The row of a task in a list, -1 when it is not there (gone, or in another list).
    int64_t rowOf(List list, uint64_t id) const;
    const BatchTexts& batch() const { return batch_; }

    // ---- layout ----
    // The pane's height when the user has not set one, in a page `total` pixels high
    // where one row takes `oneRow` and five `fiveRows` (the pane's header included): a
    // third of the page with room for five rows, but at most two fifths of a small page,
    // the views keeping the rest, and always a row.
    static int defaultHeight(int total, int oneRow, int fiveRows);
    // The width of the Failed list's Reason column, in a view `room` pixels wide whose
    // other columns take `others` (the Name column `name` of them): the room they leave;
    // where that is less than its reasons need (`natural`), what they need, but no wider
    // than the view beside the name (the other columns a scroll away); never below
    // `least`.
    static int reasonWidth(int room, int name, int others, int natural, int least);

    // ---- actions ----
    static Offer offer(List list, const std::vector<TaskInfo>& selected, bool connected);
    // Requests that fetch or send the tasks again, one per direction, remote folder and
    // local folder, carrying what the tasks name (options: the transfer mode chosen
    // now); a task without a local path goes to fallbackFolder.
    static std::vector<Retry> retries(const std::vector<TaskInfo>& tasks,
                                      const TransferOptions& options,
                                      const std::string& fallbackFolder);
    // Every task of the Failed list, for "Retry all".
    std::vector<TaskInfo> failedTasks() const;
    // The local folder that holds a task's file; empty when it has none.
    static std::string containingFolder(const TaskInfo& task);
    // Ended tasks leave the lists (a retry's tasks once their request is queued).
    size_t remove(const std::vector<uint64_t>& ids);

  private:
    // A list is two state lists one after the other.
    static std::array<TaskState, 2> partsOf(List list);
    // Where a row of a list lies: the state and the position in its list.
    bool locate(List list, int64_t row, TaskState* state, int64_t* position) const;
    const TaskInfo* held(TaskState state, int64_t position);
    void dropPages(TaskState state);
    // `resumedBytes`: what files first seen running now had before the batch moved them.
    void measureBatch(int64_t nowMs, int64_t resumedBytes);
    std::string speedOf(const TaskInfo& task) const;

    // Speed and time left of a transfer, measured by the Host page's rate meter from
    // the bytes it had when first seen.
    struct Measure {
        RateMeter meter;
        int64_t base = 0;
        int64_t startMs = 0;
    };
    static RateMeter::Texts measure(Measure* measure, int64_t bytes, int64_t expected,
                                    int64_t nowMs);

    TransferQueue& queue_;
    uint64_t generation_ = UINT64_MAX;
    uint64_t removals_ = 0;
    TaskCounts counts_;
    std::array<Change, kListCount> changes_;
    // Pages of rows by state and page number.
    std::array<std::map<int64_t, std::vector<TaskInfo>>, 6> pages_;
    std::unordered_map<uint64_t, Measure> speeds_;
    std::unordered_map<uint64_t, std::string> speedTexts_;
    uint64_t batchSerial_ = 0;
    Measure batchMeasure_;
    BatchTexts batch_;
};

}  // namespace nubo
