#include "views/transfer_pane_model.h"

#include <algorithm>
#include <tuple>

#include "views/display_format.h"

namespace nubo {

namespace {

// The pages kept per state beyond the one asked for: a view scrolling through a long
// list holds a few screens, never the list.
constexpr size_t kPagesKept = 16;

size_t stateIndex(TaskState state) {
    return static_cast<size_t>(state);
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

}  // namespace

TransferPaneModel::TransferPaneModel(TransferQueue& queue) : queue_(queue) {}

std::array<TaskState, 2> TransferPaneModel::partsOf(List list) {
    switch (list) {
        case List::Queued:
            return {TaskState::Active, TaskState::Waiting};
        case List::Failed:
            return {TaskState::Failed, TaskState::Stopped};
        case List::Successful:
            break;
    }
    return {TaskState::Done, TaskState::Skipped};
}

bool TransferPaneModel::refresh(int64_t nowMs) {
    for (Change& change : changes_)
        change = {};
    const uint64_t generation = queue_.generation();
    const bool moved = generation != generation_;
    // Speeds move with the clock even when no byte came.
    if (!moved && counts_.active == 0)
        return false;
    generation_ = generation;
    const TaskCounts before = counts_;
    counts_ = queue_.counts();
    const uint64_t removals = queue_.removals();
    const bool removed = removals != removals_;
    removals_ = removals;

    // Active and waiting tasks change place and bytes all the time: read anew.
    dropPages(TaskState::Active);
    dropPages(TaskState::Waiting);
    changes_[static_cast<size_t>(List::Queued)] = {true, true, {}};
    for (List list : {List::Failed, List::Successful}) {
        Change& change = changes_[static_cast<size_t>(list)];
        const std::array<TaskState, 2> parts = partsOf(list);
        if (removed) {
            for (TaskState state : parts)
                dropPages(state);
            change = {true, true, {}};
            continue;
        }
        // Ended tasks only ever join the end of their part of the list.
        int64_t row = 0;
        for (TaskState state : parts) {
            const int64_t had = before.of(state);
            const int64_t has = counts_.of(state);
            if (has > had) {
                change.inserted.emplace_back(row + had, has - had);
                change.changed = true;
            }
            row += has;
        }
    }

    // The active tasks' speeds, measured for as long as they stay active.
    std::unordered_map<uint64_t, Measure> still;
    speedTexts_.clear();
    // What files resumed from a partial copy had before this batch moved them: no part of
    // the batch's speed or time left. (A file seen again after a broken try moved its
    // bytes in this batch, and has attempts.)
    int64_t resumedBytes = 0;
    for (const TaskInfo& task : queue_.listed(TaskState::Active, 0, SIZE_MAX)) {
        const auto found = speeds_.find(task.id);
        Measure& measured = still[task.id];
        if (found != speeds_.end())
            measured = found->second;
        else if (task.attempts == 0)
            resumedBytes += task.bytes;
        const int64_t expected = task.spec.size >= 0 ? task.spec.size : 0;
        const RateMeter::Texts texts = measure(&measured, task.bytes, expected, nowMs);
        speedTexts_[task.id] = FormatSize(texts.bytesPerSecond, 1) + "/s";
    }
    speeds_ = std::move(still);
    measureBatch(nowMs, resumedBytes);
    return true;
}

RateMeter::Texts TransferPaneModel::measure(Measure* measure, int64_t bytes, int64_t expected,
                                            int64_t nowMs) {
    if (measure->startMs == 0) {
        // First seen now: what it had moved before is no part of the rate.
        measure->startMs = nowMs;
        measure->base = bytes;
        measure->meter.sessionStarted();
    }
    // The whole grows while the walk finds files: the meter hears of it at every look.
    measure->meter.transferStarted(std::max<int64_t>(expected - measure->base, 0),
                                   measure->startMs);
    return measure->meter.progress(bytes - measure->base, nowMs);
}

void TransferPaneModel::measureBatch(int64_t nowMs, int64_t resumedBytes) {
    const BatchProgress progress = queue_.batch();
    if (progress.serial != batchSerial_) {
        batchSerial_ = progress.serial;
        batchMeasure_ = {};
    }
    // A measure begun now takes every byte so far as its base anyway.
    if (batchMeasure_.startMs != 0)
        batchMeasure_.base += resumedBytes;
    batch_ = {};
    batch_.serial = progress.serial;
    batch_.running = progress.running;
    batch_.outcome = progress.outcome;
    if (progress.serial == 0)
        return;
    batch_.files = FormatCount(progress.filesEnded) + " of " + FormatCount(progress.filesTotal) +
                   (progress.filesTotal == 1 ? " file" : " files");
    if (progress.expected > 0) {
        batch_.percent =
            static_cast<int>(std::min<int64_t>(progress.bytes * 100 / progress.expected, 100));
    }
    if (progress.filesTotal > 1) {
        batch_.status = "Transferring " + batch_.files;
        for (const auto& [count, word] : {std::pair{progress.filesFailed, " failed"},
                                          std::pair{progress.filesSkipped, " skipped"}}) {
            if (count > 0)
                batch_.status += ", " + FormatCount(count) + word;
        }
    }
    if (!progress.running) {
        batch_.percent = progress.expected > 0 ? batch_.percent : 100;
        return;  // the rate of a batch that ended says nothing of now
    }
    const RateMeter::Texts texts =
        measure(&batchMeasure_, progress.bytes, progress.expected, nowMs);
    batch_.rate = FormatSize(texts.bytesPerSecond, 1) + "/s";
    if (!texts.remaining.empty())
        batch_.remaining = texts.remaining + " left";
}

int64_t TransferPaneModel::rowCount(List list) const {
    const std::array<TaskState, 2> parts = partsOf(list);
    return counts_.of(parts[0]) + counts_.of(parts[1]);
}

std::string TransferPaneModel::title(List list) const {
    static const char* const kNames[] = {"Queued", "Failed", "Successful"};
    // Skipped files are listed with the transferred ones but never counted as such.
    const std::string skipped = list == List::Successful && counts_.skipped > 0
                                    ? ", " + FormatCount(counts_.skipped) + " skipped"
                                    : std::string();
    const int64_t count = list == List::Successful ? counts_.done : rowCount(list);
    return std::string(kNames[static_cast<size_t>(list)]) + " (" + FormatCount(count) + skipped +
           ")";
}

const std::vector<TransferPaneModel::Column>& TransferPaneModel::columns(List list) {
    static const std::vector<Column> kQueued = {
        Column::Name, Column::Progress,  Column::Speed,        Column::State,
        Column::Size, Column::Direction, Column::RemoteFolder, Column::LocalFolder};
    static const std::vector<Column> kFailed = {
        Column::Name,      Column::Reason,       Column::Attempts,   Column::Size,
        Column::Direction, Column::RemoteFolder, Column::LocalFolder};
    static const std::vector<Column> kSuccessful = {Column::Name,         Column::State,
                                                    Column::Size,         Column::Direction,
                                                    Column::RemoteFolder, Column::LocalFolder};
    switch (list) {
        case List::Queued:
            return kQueued;
        case List::Failed:
            return kFailed;
        case List::Successful:
            break;
    }
    return kSuccessful;
}

std::string TransferPaneModel::header(Column column) {
    switch (column) {
        case Column::Name:
            return "Name";
        case Column::Progress:
            return "Progress";
        case Column::Speed:
            return "Speed";
        case Column::State:
            return "State";
        case Column::Reason:
            return "Reason";
        case Column::Attempts:
            return "Attempts";
        case Column::Size:
            return "Size";
        case Column::Direction:
            return "Direction";
        case Column::RemoteFolder:
            return "Remote folder";
        case Column::LocalFolder:
            break;
    }
    return "Local folder";
}

bool TransferPaneModel::locate(List list, int64_t row, TaskState* state, int64_t* position) const {
    if (row < 0)
        return false;
    for (TaskState part : partsOf(list)) {
        const int64_t count = counts_.of(part);
        if (row < count) {
            *state = part;
            *position = row;
            return true;
        }
        row -= count;
    }
    return false;
}

void TransferPaneModel::dropPages(TaskState state) {
    pages_[stateIndex(state)].clear();
}

const TaskInfo* TransferPaneModel::held(TaskState state, int64_t position) {
    auto& pages = pages_[stateIndex(state)];
    const int64_t number = position / static_cast<int64_t>(kPageRows);
    const auto offset = static_cast<size_t>(position % static_cast<int64_t>(kPageRows));
    auto page = pages.find(number);
    // A page read while its part of the list was shorter is read again.
    if (page == pages.end() || page->second.size() <= offset) {
        if (pages.size() >= kPagesKept) {
            // The page farthest from this one goes.
            const auto first = pages.begin();
            const auto last = std::prev(pages.end());
            pages.erase(number - first->first > last->first - number ? first : last);
        }
        pages[number] = queue_.listed(state, static_cast<size_t>(number) * kPageRows, kPageRows);
        page = pages.find(number);
    }
    return offset < page->second.size() ? &page->second[offset] : nullptr;
}

const TaskInfo* TransferPaneModel::task(List list, int64_t row) {
    TaskState state{};
    int64_t position = 0;
    return locate(list, row, &state, &position) ? held(state, position) : nullptr;
}

int TransferPaneModel::percent(const TaskInfo& task) {
    if (task.spec.size <= 0)
        return task.state == TaskState::Done ? 100 : -1;
    return static_cast<int>(std::min<int64_t>(task.bytes * 100 / task.spec.size, 100));
}

std::string TransferPaneModel::speedOf(const TaskInfo& task) const {
    const auto found = speedTexts_.find(task.id);
    return found == speedTexts_.end() ? std::string() : found->second;
}

std::string TransferPaneModel::text(List list, int64_t row, Column column) {
    const TaskInfo* found = task(list, row);
    if (found == nullptr)
        return {};
    const TaskInfo& info = *found;
    switch (column) {
        case Column::Name:
            return info.spec.name;
        case Column::Progress: {
            if (info.state == TaskState::Waiting && info.bytes == 0)
                return {};  // nothing to tell before it starts
            const int done = percent(info);
            return done >= 0 ? std::to_string(done) + "%" : FormatSize(info.bytes, 1);
        }
        case Column::Speed:
            return info.state == TaskState::Active ? speedOf(info) : std::string();
        case Column::State:
            switch (info.state) {
                case TaskState::Active:
                    return "Active on connection " + std::to_string(info.connection);
                case TaskState::Waiting:
                    return info.attempts > 0
                               ? "Waiting (attempt " + std::to_string(info.attempts + 1) + ")"
                               : "Waiting";
                case TaskState::Skipped:
                    return "Skipped: " + info.reason;
                case TaskState::Done:
                    return "Done";
                case TaskState::Failed:
                case TaskState::Stopped:
                    break;
            }
            return info.state == TaskState::Stopped ? "Stopped" : "Failed";
        case Column::Reason:
            return info.reason.empty() ? (info.state == TaskState::Stopped ? "stopped" : "failed")
                                       : info.reason;
        case Column::Attempts:
            return std::to_string(std::max(info.attempts, 1));
        case Column::Size:
            return info.spec.size >= 0 ? FormatSize(info.spec.size, 1) : std::string();
        case Column::Direction:
            return info.spec.isDelete ? "Delete" : info.spec.isGet ? "Download" : "Upload";
        case Column::RemoteFolder:
            return info.spec.remoteFolder;
        case Column::LocalFolder:
            break;
    }
    return containingFolder(info);
}

int TransferPaneModel::defaultHeight(int total, int oneRow, int fiveRows) {
    return std::min(std::max(total / 3, fiveRows), std::max(total * 2 / 5, oneRow));
}

int TransferPaneModel::reasonWidth(int room, int name, int others, int natural, int least) {
    return std::max({room - others, std::min(natural, room - name), least});
}

int64_t TransferPaneModel::rowOf(List list, uint64_t id) const {
    TaskState state{};
    const int64_t position = queue_.position(id, &state);
    if (position < 0)
        return -1;
    const std::array<TaskState, 2> parts = partsOf(list);
    if (state == parts[0])
        return position;
    return state == parts[1] ? counts_.of(parts[0]) + position : -1;
}

TransferPaneModel::Offer TransferPaneModel::offer(List list, const std::vector<TaskInfo>& selected,
                                                  bool connected) {
    Offer offer;
    const bool any = !selected.empty();
    switch (list) {
        case List::Queued:
            // Only a waiting file can leave the queue alone or go first; a running one
            // is stopped by the session's STOP, which stops its batch.
            offer.stop = any;
            offer.moveToTop =
                any && std::all_of(selected.begin(), selected.end(), [](const TaskInfo& task) {
                    return task.state == TaskState::Waiting;
                });
            break;
        case List::Failed:
            offer.retry =
                connected && std::any_of(selected.begin(), selected.end(),
                                         [](const TaskInfo& task) { return !task.spec.isDelete; });
            offer.retryAll = connected;
            offer.remove = any;
            offer.openFolder = selected.size() == 1 && !containingFolder(selected[0]).empty();
            break;
        case List::Successful:
            offer.remove = any;
            offer.openFolder = selected.size() == 1 && !containingFolder(selected[0]).empty();
            break;
    }
    return offer;
}

std::vector<TransferPaneModel::Retry> TransferPaneModel::retries(
    const std::vector<TaskInfo>& tasks, const TransferOptions& options,
    const std::string& fallbackFolder) {
    std::vector<Retry> made;
    // One request per direction and pair of folders, in the order the tasks came.
    std::map<std::tuple<bool, std::string, std::string>, size_t> byFolders;
    for (const TaskInfo& task : tasks) {
        // A refused delete is no transfer: nothing fetches or sends it again.
        if ((task.state != TaskState::Failed && task.state != TaskState::Stopped) ||
            task.spec.isDelete)
            continue;
        std::string local = containingFolder(task);
        if (local.empty())
            local = fallbackFolder;
        const auto key = std::make_tuple(task.spec.isGet, task.spec.remoteFolder, local);
        auto found = byFolders.find(key);
        if (found == byFolders.end()) {
            Retry retry;
            if (task.spec.isGet) {
                GetRequest get;
                get.directory = task.spec.remoteFolder;
                get.options = options;
                get.localFolder = local;
                retry.request = std::move(get);
            } else {
                PutRequest put;
                put.directory = task.spec.remoteFolder;
                put.options = options;
                retry.request = std::move(put);
            }
            found = byFolders.emplace(key, made.size()).first;
            made.push_back(std::move(retry));
        }
        Retry& retry = made[found->second];
        if (auto* get = std::get_if<GetRequest>(&retry.request)) {
            get->names.push_back(task.spec.name);
        } else {
            const std::string path = task.spec.localPath.find('/') == std::string::npos
                                         ? local + "/" + task.spec.localPath
                                         : task.spec.localPath;
            std::get<PutRequest>(retry.request).localPaths.push_back(path);
        }
        retry.tasks.push_back(task.id);
    }
    return made;
}

std::vector<TaskInfo> TransferPaneModel::failedTasks() const {
    std::vector<TaskInfo> all = queue_.listed(TaskState::Failed, 0, SIZE_MAX);
    std::vector<TaskInfo> stopped = queue_.listed(TaskState::Stopped, 0, SIZE_MAX);
    all.insert(all.end(), std::make_move_iterator(stopped.begin()),
               std::make_move_iterator(stopped.end()));
    return all;
}

std::string TransferPaneModel::containingFolder(const TaskInfo& task) {
    return folderOf(task.spec.localPath);
}

size_t TransferPaneModel::remove(const std::vector<uint64_t>& ids) {
    return queue_.remove(ids);
}

}  // namespace nubo
