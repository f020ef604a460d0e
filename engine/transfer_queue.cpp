#include "engine/transfer_queue.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace nubo {

namespace {

constexpr size_t kLongestName = std::numeric_limits<uint16_t>::max();

// Where a local path's name starts (after its last slash).
size_t localNameStart(const std::string& localPath) {
    const size_t slash = localPath.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

std::string_view cut(std::string_view text) {
    return text.substr(0, kLongestName);
}

uint64_t mixed(uint64_t value) {
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

// libstdc++'s deque keeps its items in blocks of 512 bytes, a pointer to each in its map.
template <class Item>
size_t dequeBytes(const std::deque<Item>& items) {
    constexpr size_t kPerBlock = std::max<size_t>(1, 512 / sizeof(Item));
    return (items.size() / kPerBlock + 1) * (kPerBlock * sizeof(Item) + sizeof(void*));
}

bool ended(TaskState state) {
    return state != TaskState::Waiting && state != TaskState::Active;
}

int64_t& countOf(TaskCounts& counts, TaskState state) {
    switch (state) {
        case TaskState::Waiting:
            return counts.waiting;
        case TaskState::Active:
            return counts.active;
        case TaskState::Done:
            return counts.done;
        case TaskState::Skipped:
            return counts.skipped;
        case TaskState::Failed:
            return counts.failed;
        case TaskState::Stopped:
            break;
    }
    return counts.stopped;
}

}  // namespace

int64_t TaskCounts::of(TaskState state) const {
    return countOf(const_cast<TaskCounts&>(*this), state);
}

TransferQueue::TransferQueue() {
    // Index 0 of each table is the empty text, so that a missing folder costs nothing.
    remoteFolders_.emplace_back();
    remoteFolderIndex_.emplace(std::string(), 0);
    localFolders_.emplace_back();
    localFolderIndex_.emplace(std::string(), 0);
}

uint32_t TransferQueue::internLocked(std::unordered_map<std::string, uint32_t>& index,
                                     std::vector<std::string>& strings, const std::string& text) {
    const auto found = index.find(text);
    if (found != index.end()) {
        return found->second;
    }
    const auto at = static_cast<uint32_t>(strings.size());
    strings.push_back(text);
    index.emplace(text, at);
    return at;
}

uint64_t TransferQueue::FileKey::hash() const {
    uint64_t value = std::hash<std::string_view>{}(name);
    value = mixed(value ^ (uint64_t{folder} << 33 | uint64_t{localFolder} << 1 | (isGet ? 1 : 0)));
    return localNameApart ? mixed(value ^ std::hash<std::string_view>{}(localName)) : value;
}

TransferQueue::FileKey TransferQueue::keyLocked(const Record& record) const {
    FileKey key;
    key.isGet = record.isGet;
    key.folder = record.folder;
    key.localFolder = record.localFolder;
    key.name = names_.text(record.nameAt, record.nameLength);
    key.localNameApart = record.localNameApart;
    key.localName = record.localNameApart
                        ? names_.text(record.nameAt + record.nameLength, record.localNameLength)
                        : key.name;
    return key;
}

uint64_t TransferQueue::unfinishedLocked(const TaskSpec& spec) const {
    // Folders never seen belong to no task.
    const auto folder = remoteFolderIndex_.find(spec.remoteFolder);
    const size_t start = localNameStart(spec.localPath);
    const auto localFolder = localFolderIndex_.find(spec.localPath.substr(0, start));
    if (folder == remoteFolderIndex_.end() || localFolder == localFolderIndex_.end()) {
        return 0;
    }
    const std::string_view localName = std::string_view(spec.localPath).substr(start);
    FileKey key;
    key.isGet = spec.isGet;
    key.folder = folder->second;
    key.localFolder = localFolder->second;
    key.name = cut(spec.name);
    key.localNameApart = localName != spec.name;
    key.localName = key.localNameApart ? cut(localName) : key.name;
    uint64_t oldest = 0;
    unfinished_.candidates(key.hash(), [&](uint32_t id) {
        if ((oldest == 0 || id < oldest) && keyLocked(records_[id - 1]) == key) {
            oldest = id;
        }
    });
    return oldest;
}

uint64_t TransferQueue::addLocked(const TaskSpec& spec) {
    Record record{};
    record.size = spec.size;
    record.isGet = spec.isGet;
    record.isDelete = spec.isDelete;
    record.state = TaskState::Waiting;
    record.folder = internLocked(remoteFolderIndex_, remoteFolders_, spec.remoteFolder);
    const size_t start = localNameStart(spec.localPath);
    record.localFolder =
        internLocked(localFolderIndex_, localFolders_, spec.localPath.substr(0, start));
    const std::string_view name = cut(spec.name);
    const std::string_view localName = std::string_view(spec.localPath).substr(start);
    // Usually the file keeps its name: stored once.
    record.localNameApart = localName != spec.name;
    const std::string_view apart = record.localNameApart ? cut(localName) : std::string_view();
    record.nameAt = names_.store(name, apart);
    record.nameLength = static_cast<uint16_t>(name.size());
    record.localNameLength =
        static_cast<uint16_t>(record.localNameApart ? apart.size() : name.size());
    records_.push_back(record);
    waiting_.pushBack();
    const uint64_t id = records_.size();
    unfinished_.insert(static_cast<uint32_t>(id), keyLocked(records_.back()).hash());
    listLocked(id, records_.back(), false);
    addTo(&sums_, records_.back(), 1);
    ++sums_.added;
    ++generation_;
    return id;
}

size_t TransferQueue::endedList(TaskState state) {
    return static_cast<size_t>(state) - static_cast<size_t>(TaskState::Done);
}

void TransferQueue::addTo(Sums* sums, const Record& record, int sign) {
    const int64_t moved = std::max<int64_t>(record.bytes, 0);
    int64_t bytes = moved;
    int64_t expected = moved;
    if (record.state == TaskState::Done) {
        // Whole: the last block may have come after the last report.
        bytes = expected = std::max(record.size, moved);
    } else if (!ended(record.state)) {
        expected = std::max(record.size, moved);
    }
    sums->bytes += sign * bytes;
    sums->expected += sign * expected;
}

void TransferQueue::listLocked(uint64_t id, const Record& record, bool onTop) {
    ++countOf(counts_, record.state);
    if (record.state == TaskState::Waiting) {
        if (onTop) {
            waitingOnTop_.emplace(--lastTopPlace_, id);
            placeOnTop_[id] = lastTopPlace_;
        } else {
            waiting_.set(id - 1, true);
        }
    } else if (record.state == TaskState::Active) {
        active_.insert(id);
    } else {
        ended_[endedList(record.state)].push_back(static_cast<uint32_t>(id - 1));
    }
}

void TransferQueue::unlistLocked(uint64_t id, const Record& record) {
    --countOf(counts_, record.state);
    if (record.state == TaskState::Waiting) {
        const auto place = placeOnTop_.find(id);
        if (place != placeOnTop_.end()) {
            waitingOnTop_.erase(place->second);
            placeOnTop_.erase(place);
        }
        waiting_.set(id - 1, false);
    } else if (record.state == TaskState::Active) {
        active_.erase(id);
    }
    // Ended tasks leave their lists only when removed, all at once (remove()).
}

void TransferQueue::changeLocked(uint64_t id, TaskState state, bool onTop) {
    Record& record = records_[id - 1];
    addTo(&sums_, record, -1);
    unlistLocked(id, record);
    record.state = state;
    listLocked(id, record, onTop);
    addTo(&sums_, record, 1);
    ++generation_;
}

uint64_t TransferQueue::add(const TaskSpec& spec) {
    std::lock_guard guard(lock_);
    return addLocked(spec);
}

uint64_t TransferQueue::begin(const TaskSpec& spec, int connection) {
    std::lock_guard guard(lock_);
    const uint64_t found = unfinishedLocked(spec);
    const uint64_t id = found != 0 ? found : addLocked(spec);
    Record* record = recordLocked(id);
    record->connection = static_cast<uint8_t>(std::clamp(connection, 0, 255));
    resizeLocked(record, spec.size);
    changeLocked(id, TaskState::Active, false);
    return id;
}

void TransferQueue::resizeLocked(Record* record, int64_t size) {
    if (size >= 0 && size != record->size) {
        addTo(&sums_, *record, -1);
        record->size = size;
        addTo(&sums_, *record, 1);
    }
}

TransferQueue::Record* TransferQueue::recordLocked(uint64_t id) {
    return id >= 1 && id <= records_.size() ? &records_[id - 1] : nullptr;
}

void TransferQueue::activate(uint64_t id, int connection, int64_t size) {
    std::lock_guard guard(lock_);
    Record* record = recordLocked(id);
    if (record != nullptr && !ended(record->state)) {
        record->connection = static_cast<uint8_t>(std::clamp(connection, 0, 255));
        resizeLocked(record, size);
        changeLocked(id, TaskState::Active, false);
    }
}

void TransferQueue::progress(uint64_t id, int64_t bytes) {
    std::lock_guard guard(lock_);
    Record* record = recordLocked(id);
    if (record != nullptr && !ended(record->state)) {
        addTo(&sums_, *record, -1);
        record->bytes = bytes;
        addTo(&sums_, *record, 1);
        ++generation_;
    }
}

void TransferQueue::retry(uint64_t id, int attempts) {
    std::lock_guard guard(lock_);
    Record* record = recordLocked(id);
    if (record != nullptr && !ended(record->state)) {
        record->attempts = static_cast<uint8_t>(std::clamp(attempts, 0, 255));
        // The pool puts a broken file before the others: it is listed so.
        changeLocked(id, TaskState::Waiting, true);
    }
}

void TransferQueue::endLocked(uint64_t id, TaskState state, const std::string& reason) {
    Record* record = recordLocked(id);
    if (record == nullptr || ended(record->state) || !ended(state)) {
        return;
    }
    if (!reason.empty()) {
        reasons_.push_back(reason);
        record->reason = static_cast<uint32_t>(reasons_.size());
    }
    ++sums_.ended;
    sums_.failed += state == TaskState::Failed ? 1 : 0;
    sums_.skipped += state == TaskState::Skipped ? 1 : 0;
    changeLocked(id, state, false);
}

void TransferQueue::finish(uint64_t id, TaskState state, const std::string& reason) {
    std::lock_guard guard(lock_);
    const Record* record = recordLocked(id);
    if (record == nullptr || ended(record->state)) {
        return;
    }
    unfinished_.erase(static_cast<uint32_t>(id), keyLocked(*record).hash());
    endLocked(id, state, reason);
}

void TransferQueue::finishUnfinished(TaskState state, const std::string& reason) {
    std::lock_guard guard(lock_);
    std::vector<uint32_t> ids = unfinished_.ids();
    std::sort(ids.begin(), ids.end());  // listed as they were found
    for (uint32_t id : ids) {
        endLocked(id, state, reason);
    }
    unfinished_.clear();
}

TaskCounts TransferQueue::counts(uint64_t from) const {
    std::lock_guard guard(lock_);
    if (from <= 1) {
        return counts_;  // kept as tasks change: the windows ask often
    }
    TaskCounts counts;
    for (uint64_t id = from; id <= records_.size(); ++id) {
        if (!records_[id - 1].removed) {
            ++countOf(counts, records_[id - 1].state);
        }
    }
    return counts;
}

TaskInfo TransferQueue::infoLocked(uint64_t id) const {
    const Record& record = records_[id - 1];
    TaskInfo info;
    info.id = id;
    info.spec.isGet = record.isGet;
    info.spec.isDelete = record.isDelete;
    info.spec.remoteFolder = remoteFolders_[record.folder];
    const FileKey key = keyLocked(record);
    info.spec.name = key.name;
    info.spec.localPath = localFolders_[record.localFolder];
    info.spec.localPath += key.localName;
    info.spec.size = record.size;
    info.state = record.state;
    info.connection = record.connection;
    info.attempts = record.attempts;
    info.bytes = record.bytes;
    if (record.reason != 0) {
        info.reason = reasons_[record.reason - 1];
    }
    return info;
}

std::vector<TaskInfo> TransferQueue::tasks(TaskState state, uint64_t from, size_t limit) const {
    std::lock_guard guard(lock_);
    std::vector<TaskInfo> found;
    for (uint64_t id = std::max<uint64_t>(from, 1); id <= records_.size() && found.size() < limit;
         ++id) {
        if (records_[id - 1].state == state && !records_[id - 1].removed) {
            found.push_back(infoLocked(id));
        }
    }
    return found;
}

std::vector<TaskInfo> TransferQueue::listed(TaskState state, size_t offset, size_t limit) const {
    std::lock_guard guard(lock_);
    std::vector<TaskInfo> found;
    const auto take = [&](const auto& ids, const auto& idOf) {
        if (offset >= ids.size()) {
            return;
        }
        // The unfinished lists are short (the walk stays a bounded distance ahead).
        for (auto at = std::next(ids.begin(), static_cast<ptrdiff_t>(offset));
             at != ids.end() && found.size() < limit; ++at) {
            found.push_back(infoLocked(idOf(*at)));
        }
    };
    if (state == TaskState::Waiting) {
        take(waitingOnTop_,
             [](const std::pair<const int64_t, uint64_t>& place) { return place.second; });
        const size_t skipped = offset - std::min(offset, waitingOnTop_.size());
        for (size_t at = waiting_.select(skipped); at < waiting_.size() && found.size() < limit;
             at = waiting_.next(at + 1)) {
            found.push_back(infoLocked(at + 1));
        }
    } else if (state == TaskState::Active) {
        take(active_, [](uint64_t id) { return id; });
    } else {
        const std::deque<uint32_t>& list = ended_[endedList(state)];
        for (size_t at = offset; at < list.size() && found.size() < limit; ++at) {
            found.push_back(infoLocked(uint64_t{list[at]} + 1));
        }
    }
    return found;
}

bool TransferQueue::remove(uint64_t id) {
    return remove(std::vector<uint64_t>{id}) == 1;
}

size_t TransferQueue::remove(const std::vector<uint64_t>& ids) {
    std::lock_guard guard(lock_);
    size_t removed = 0;
    std::array<bool, 4> touched{};
    for (uint64_t id : ids) {
        Record* record = recordLocked(id);
        if (record == nullptr || record->removed || !ended(record->state)) {
            continue;
        }
        record->removed = true;
        --countOf(counts_, record->state);
        touched[endedList(record->state)] = true;
        ++removed;
    }
    for (size_t list = 0; list < ended_.size(); ++list) {
        if (touched[list]) {
            std::erase_if(ended_[list], [this](uint32_t at) { return records_[at].removed; });
        }
    }
    if (removed > 0) {
        ++removals_;
        ++generation_;
    }
    return removed;
}

uint64_t TransferQueue::removals() const {
    std::lock_guard guard(lock_);
    return removals_;
}

int64_t TransferQueue::position(uint64_t id, TaskState* state) const {
    std::lock_guard guard(lock_);
    if (id < 1 || id > records_.size() || records_[id - 1].removed) {
        return -1;
    }
    *state = records_[id - 1].state;
    if (*state == TaskState::Waiting) {
        const auto place = placeOnTop_.find(id);
        if (place != placeOnTop_.end()) {
            return std::distance(waitingOnTop_.begin(), waitingOnTop_.find(place->second));
        }
        return waiting_.test(id - 1)
                   ? static_cast<int64_t>(waitingOnTop_.size() + waiting_.rank(id - 1))
                   : -1;
    }
    if (*state == TaskState::Active) {
        return std::distance(active_.begin(), active_.find(id));
    }
    const std::deque<uint32_t>& list = ended_[endedList(*state)];
    const auto at = std::find(list.begin(), list.end(), static_cast<uint32_t>(id - 1));
    return at == list.end() ? -1 : at - list.begin();
}

bool TransferQueue::moveToTop(uint64_t id) {
    std::lock_guard guard(lock_);
    const Record* record = recordLocked(id);
    if (record == nullptr || record->state != TaskState::Waiting) {
        return false;
    }
    unlistLocked(id, *record);
    listLocked(id, *record, true);
    ++generation_;
    return true;
}

void TransferQueue::beginBatch() {
    std::lock_guard guard(lock_);
    batchStart_ = sums_;
    batchRunning_ = true;
    ++batchSerial_;
    batchOutcome_.clear();
    ++generation_;
}

void TransferQueue::endBatch(const std::string& outcome) {
    std::lock_guard guard(lock_);
    if (!batchRunning_) {
        return;
    }
    batchEnd_ = sums_;
    batchRunning_ = false;
    batchOutcome_ = outcome;
    ++generation_;
}

BatchProgress TransferQueue::batch() const {
    std::lock_guard guard(lock_);
    BatchProgress progress;
    progress.running = batchRunning_;
    progress.serial = batchSerial_;
    if (batchSerial_ == 0) {
        return progress;
    }
    const Sums& now = batchRunning_ ? sums_ : batchEnd_;
    progress.filesEnded = now.ended - batchStart_.ended;
    progress.filesTotal = now.added - batchStart_.added;
    progress.filesFailed = now.failed - batchStart_.failed;
    progress.filesSkipped = now.skipped - batchStart_.skipped;
    progress.bytes = now.bytes - batchStart_.bytes;
    progress.expected = now.expected - batchStart_.expected;
    progress.outcome = batchOutcome_;
    return progress;
}

bool TransferQueue::task(uint64_t id, TaskInfo* info) const {
    std::lock_guard guard(lock_);
    if (id < 1 || id > records_.size() || records_[id - 1].removed) {
        return false;
    }
    *info = infoLocked(id);
    return true;
}

uint64_t TransferQueue::nextId() const {
    std::lock_guard guard(lock_);
    return records_.size() + 1;
}

uint64_t TransferQueue::generation() const {
    std::lock_guard guard(lock_);
    return generation_;
}

size_t TransferQueue::memoryBytes() const {
    std::lock_guard guard(lock_);
    // A node of a tree or a hash map: its links (and a hash map's cached hash) beside its
    // value; the hash maps' buckets a pointer each.
    constexpr size_t kTreeLinks = 4 * sizeof(void*);
    constexpr size_t kHashLinks = 2 * sizeof(void*);
    const auto textBytes = [](const std::string& text) {
        return text.capacity() > 15 ? text.capacity() + 1 : 0;
    };
    size_t bytes = dequeBytes(records_) + names_.memoryBytes() + waiting_.memoryBytes() +
                   unfinished_.memoryBytes();
    for (const auto& list : ended_) {
        bytes += dequeBytes(list);
    }
    for (const auto* strings : {&remoteFolders_, &localFolders_, &reasons_}) {
        bytes += strings->capacity() * sizeof(std::string);
        for (const std::string& text : *strings) {
            bytes += textBytes(text);
        }
    }
    for (const auto* index : {&remoteFolderIndex_, &localFolderIndex_}) {
        bytes += index->bucket_count() * sizeof(void*);
        for (const auto& [text, at] : *index) {
            bytes += kHashLinks + sizeof(std::pair<const std::string, uint32_t>) + textBytes(text);
        }
    }
    bytes += waitingOnTop_.size() * (kTreeLinks + sizeof(std::pair<int64_t, uint64_t>)) +
             placeOnTop_.bucket_count() * sizeof(void*) +
             placeOnTop_.size() * (kHashLinks + sizeof(std::pair<uint64_t, int64_t>)) +
             active_.size() * (kTreeLinks + sizeof(uint64_t));
    return bytes;
}

std::string TransferQueue::summaryLine(const TaskCounts& counts, bool stopped) {
    // Files stopped alone, or left when the batch stopped, are named too: the parts add
    // up to the whole.
    const std::string stoppedPart =
        counts.stopped > 0 ? ", " + std::to_string(counts.stopped) + " stopped" : "";
    return std::string(stopped ? "... batch stopped: " : "... batch done: ") +
           std::to_string(counts.done) + " transferred, " + std::to_string(counts.failed) +
           " failed, " + std::to_string(counts.skipped) + " skipped" + stoppedPart + " of " +
           std::to_string(counts.total());
}

}  // namespace nubo
