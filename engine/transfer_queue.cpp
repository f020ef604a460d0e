#include "engine/transfer_queue.h"

#include <algorithm>
#include <limits>

namespace nubo {

namespace {

constexpr size_t kLongestName = std::numeric_limits<uint16_t>::max();

bool ended(TaskState state) {
    return state != TaskState::Waiting && state != TaskState::Active;
}

}  // namespace

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

uint64_t TransferQueue::storeLocked(const std::string& text, uint16_t* length) {
    const size_t size = std::min(text.size(), kLongestName);
    const uint64_t at = names_.size();
    names_.append(text, 0, size);
    *length = static_cast<uint16_t>(size);
    return at;
}

std::string TransferQueue::textLocked(uint64_t at, uint16_t length) const {
    return names_.substr(static_cast<size_t>(at), length);
}

std::string TransferQueue::keyOf(const TaskSpec& spec) {
    std::string key(1, spec.isGet ? 'G' : 'P');
    for (const std::string* part : {&spec.remoteFolder, &spec.name, &spec.localPath}) {
        key += *part;
        key += '\0';
    }
    return key;
}

uint64_t TransferQueue::addLocked(const TaskSpec& spec) {
    Record record{};
    record.size = spec.size;
    record.isGet = spec.isGet;
    record.state = TaskState::Waiting;
    record.folder = internLocked(remoteFolderIndex_, remoteFolders_, spec.remoteFolder);
    record.nameAt = storeLocked(spec.name, &record.nameLength);
    const size_t slash = spec.localPath.rfind('/');
    const std::string localFolder =
        slash == std::string::npos ? std::string() : spec.localPath.substr(0, slash + 1);
    const std::string localName =
        slash == std::string::npos ? spec.localPath : spec.localPath.substr(slash + 1);
    record.localFolder = internLocked(localFolderIndex_, localFolders_, localFolder);
    if (localName == spec.name) {
        record.localNameAt = record.nameAt;  // the usual case: stored once
        record.localNameLength = record.nameLength;
    } else {
        record.localNameAt = storeLocked(localName, &record.localNameLength);
    }
    records_.push_back(record);
    const uint64_t id = records_.size();
    unfinished_[keyOf(spec)] = id;
    ++generation_;
    return id;
}

uint64_t TransferQueue::add(const TaskSpec& spec) {
    std::lock_guard guard(lock_);
    return addLocked(spec);
}

uint64_t TransferQueue::begin(const TaskSpec& spec, int connection) {
    std::lock_guard guard(lock_);
    const auto found = unfinished_.find(keyOf(spec));
    const uint64_t id = found != unfinished_.end() ? found->second : addLocked(spec);
    Record* record = recordLocked(id);
    record->state = TaskState::Active;
    record->connection = static_cast<uint8_t>(std::clamp(connection, 0, 255));
    if (spec.size >= 0) {
        record->size = spec.size;
    }
    ++generation_;
    return id;
}

TransferQueue::Record* TransferQueue::recordLocked(uint64_t id) {
    return id >= 1 && id <= records_.size() ? &records_[id - 1] : nullptr;
}

void TransferQueue::activate(uint64_t id, int connection) {
    std::lock_guard guard(lock_);
    Record* record = recordLocked(id);
    if (record != nullptr && !ended(record->state)) {
        record->state = TaskState::Active;
        record->connection = static_cast<uint8_t>(std::clamp(connection, 0, 255));
        ++generation_;
    }
}

void TransferQueue::progress(uint64_t id, int64_t bytes) {
    std::lock_guard guard(lock_);
    Record* record = recordLocked(id);
    if (record != nullptr && !ended(record->state)) {
        record->bytes = bytes;
        ++generation_;
    }
}

void TransferQueue::retry(uint64_t id, int attempts) {
    std::lock_guard guard(lock_);
    Record* record = recordLocked(id);
    if (record != nullptr && !ended(record->state)) {
        record->state = TaskState::Waiting;
        record->attempts = static_cast<uint8_t>(std::clamp(attempts, 0, 255));
        ++generation_;
    }
}

void TransferQueue::endLocked(uint64_t id, TaskState state, const std::string& reason) {
    Record* record = recordLocked(id);
    if (record == nullptr || ended(record->state) || !ended(state)) {
        return;
    }
    record->state = state;
    if (!reason.empty()) {
        reasons_.push_back(reason);
        record->reason = static_cast<uint32_t>(reasons_.size());
    }
    ++generation_;
}

void TransferQueue::finish(uint64_t id, TaskState state, const std::string& reason) {
    std::lock_guard guard(lock_);
    const Record* record = recordLocked(id);
    if (record == nullptr || ended(record->state)) {
        return;
    }
    unfinished_.erase(keyOf(infoLocked(id).spec));
    endLocked(id, state, reason);
}

void TransferQueue::finishUnfinished(TaskState state, const std::string& reason) {
    std::lock_guard guard(lock_);
    for (const auto& [key, id] : unfinished_) {
        endLocked(id, state, reason);
    }
    unfinished_.clear();
}

TaskCounts TransferQueue::counts(uint64_t from) const {
    std::lock_guard guard(lock_);
    TaskCounts counts;
    for (uint64_t id = std::max<uint64_t>(from, 1); id <= records_.size(); ++id) {
        switch (records_[id - 1].state) {
            case TaskState::Waiting:
                ++counts.waiting;
                break;
            case TaskState::Active:
                ++counts.active;
                break;
            case TaskState::Done:
                ++counts.done;
                break;
            case TaskState::Skipped:
                ++counts.skipped;
                break;
            case TaskState::Failed:
                ++counts.failed;
                break;
            case TaskState::Stopped:
                ++counts.stopped;
                break;
        }
    }
    return counts;
}

TaskInfo TransferQueue::infoLocked(uint64_t id) const {
    const Record& record = records_[id - 1];
    TaskInfo info;
    info.id = id;
    info.spec.isGet = record.isGet;
    info.spec.remoteFolder = remoteFolders_[record.folder];
    info.spec.name = textLocked(record.nameAt, record.nameLength);
    info.spec.localPath =
        localFolders_[record.localFolder] + textLocked(record.localNameAt, record.localNameLength);
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
        if (records_[id - 1].state == state) {
            found.push_back(infoLocked(id));
        }
    }
    return found;
}

bool TransferQueue::task(uint64_t id, TaskInfo* info) const {
    std::lock_guard guard(lock_);
    if (id < 1 || id > records_.size()) {
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
    size_t bytes = records_.capacity() * sizeof(Record) + names_.capacity();
    for (const auto* strings : {&remoteFolders_, &localFolders_, &reasons_}) {
        bytes += strings->capacity() * sizeof(std::string);
        for (const std::string& text : *strings) {
            bytes += text.capacity() > 15 ? text.capacity() : 0;
        }
    }
    return bytes;
}

std::string TransferQueue::summaryLine(const TaskCounts& counts, bool stopped) {
    return std::string(stopped ? "... batch stopped: " : "... batch done: ") +
           std::to_string(counts.done) + " transferred, " + std::to_string(counts.failed) +
           " failed, " + std::to_string(counts.skipped) + " skipped of " +
           std::to_string(counts.total());
}

}  // namespace nubo
