#include "views/local_directory_model.h"

#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <thread>
#include <unordered_map>

#include "platform/rename_no_replace.h"
#include "platform/xdg_paths.h"
#include "views/display_format.h"
#include "views/entry_order.h"
#include "views/local_directory_listener.h"
#include "views/local_type_table.h"
#include "views/natural_compare.h"

namespace nubo {

namespace {

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

// What a reading thread needs to find the model again, or to learn that it has gone.
struct LocalDirectoryModel::Shared {
    std::mutex mutex;
    LocalDirectoryModel* model = nullptr;
};

LocalDirectoryModel::LocalDirectoryModel(std::shared_ptr<DirectoryReader> reader)
    : reader_(std::move(reader)),
      types_(std::make_shared<LocalTypeTable>()),
      shared_(std::make_shared<Shared>()) {
    shared_->model = this;
}

LocalDirectoryModel::~LocalDirectoryModel() {
    std::lock_guard lock(shared_->mutex);
    shared_->model = nullptr;
}

template <typename Call>
void LocalDirectoryModel::notify(Call call) {
    std::lock_guard lock(listenersMutex_);
    for (LocalDirectoryListener* listener : listeners_)
        call(*listener);
}

void LocalDirectoryModel::addListener(LocalDirectoryListener* listener) {
    std::lock_guard lock(listenersMutex_);
    listeners_.push_back(listener);
}

void LocalDirectoryModel::removeListener(LocalDirectoryListener* listener) {
    std::lock_guard lock(listenersMutex_);
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void LocalDirectoryModel::browse(const std::string& folder) {
    const std::string path = withoutTrailingSlash(folder);
    startReading(path, [reader = reader_, types = types_, path] {
        std::vector<LocalEntry> entries;
        reader->read(path, *types, &entries);
        return entries;
    });
}

void LocalDirectoryModel::startReading(const std::string& folder,
                                       std::function<std::vector<LocalEntry>()> read) {
    uint64_t generation;
    {
        std::lock_guard lock(mutex_);
        generation = ++generation_;
        folder_ = folder;
        entries_.clear();
        rows_.clear();
        reading_ = true;
    }
    notify([](LocalDirectoryListener& l) {
        l.rowsReset();
        l.readingChanged(true);
    });
    readAway(generation, std::move(read), false);
}

void LocalDirectoryModel::readAway(uint64_t generation,
                                   std::function<std::vector<LocalEntry>()> read, bool merge) {
    // A folder on a mount that does not answer blocks only this thread; it is left to
    // finish (or not) on its own, and its result is dropped if the view moved on.
    std::thread([shared = shared_, read = std::move(read), generation, merge] {
        std::vector<LocalEntry> entries = read();
        std::lock_guard lock(shared->mutex);
        if (shared->model == nullptr)
            return;
        if (merge)
            shared->model->merge(generation, std::move(entries));
        else
            shared->model->deliver(generation, std::move(entries));
    }).detach();
}

void LocalDirectoryModel::deliver(uint64_t generation, std::vector<LocalEntry> entries) {
    {
        std::lock_guard lock(mutex_);
        if (generation != generation_)
            return;
        entries_ = std::move(entries);
        refillLocked();
        reading_ = false;
    }
    notify([](LocalDirectoryListener& l) {
        l.rowsReset();
        l.readingChanged(false);
    });
}

void LocalDirectoryModel::showVolumes(std::function<std::vector<Volume>()> list,
                                      const std::string& typeName, const std::string& iconName) {
    startReading({}, [list = std::move(list), types = types_, typeName, iconName] {
        const uint32_t row = types->rowForTypeName(typeName, iconName);
        std::vector<LocalEntry> entries;
        for (const Volume& volume : list()) {
            LocalEntry entry;
            entry.name = volume.label;
            entry.path = volume.path;
            entry.folder = true;
            entry.typeRow = row;
            entry.sortKey = FileSystemReader::collationKey(volume.label);
            entries.push_back(std::move(entry));
        }
        return entries;
    });
}

void LocalDirectoryModel::refresh() {
    std::string shown;
    bool firstRead;
    uint64_t generation;
    {
        std::lock_guard lock(mutex_);
        shown = folder_;
        firstRead = reading_;
        generation = ++generation_;  // an older re-read's result would be stale
    }
    if (shown.empty())
        return;
    if (firstRead) {
        browse(shown);
        return;
    }
    readAway(
        generation,
        [reader = reader_, types = types_, shown] {
            std::vector<LocalEntry> entries;
            reader->read(shown, *types, &entries);
            return entries;
        },
        true);
}

void LocalDirectoryModel::merge(uint64_t generation, std::vector<LocalEntry> entries) {
    {
        std::lock_guard lock(mutex_);
        if (generation != generation_)
            return;
        // Every entry, those the filter hides too: they are the same files.
        std::unordered_map<std::string, int> byName;
        for (size_t index = 0; index < entries_.size(); ++index) {
            if (!entries_[index].name.empty())
                byName.emplace(entries_[index].name, static_cast<int>(index));
        }
        std::vector<char> seen(entries_.size(), 0);
        for (LocalEntry& entry : entries) {
            const auto found = byName.find(entry.name);
            if (found != byName.end()) {
                seen[static_cast<size_t>(found->second)] = 1;
                entries_[static_cast<size_t>(found->second)] = std::move(entry);
            } else {
                seen.push_back(1);
                appendLocked(std::move(entry));
            }
        }
        for (size_t index = 0; index < entries_.size(); ++index) {
            // A new folder made after the read began stays.
            if (!seen[index] && !entries_[index].placeholder())
                entries_[index].name.clear();
        }
        refillLocked();
    }
    notify([](LocalDirectoryListener& l) { l.rowsUpdated(); });
}

std::string LocalDirectoryModel::folder() const {
    std::lock_guard lock(mutex_);
    return folder_;
}

bool LocalDirectoryModel::reading() const {
    std::lock_guard lock(mutex_);
    return reading_;
}

int LocalDirectoryModel::appendLocked(LocalEntry entry) {
    entries_.push_back(std::move(entry));
    const int index = static_cast<int>(entries_.size() - 1);
    if (shownLocked(entries_.back()))
        rows_.push_back(index);
    return index;
}

bool LocalDirectoryModel::shownLocked(const LocalEntry& entry) const {
    // A new folder being named shows whatever the filter says of "New Folder".
    return !filter_.active() || entry.placeholder() || filter_.showsEntry(entry.name, entry.folder);
}

void LocalDirectoryModel::refillLocked() {
    rows_.clear();
    for (size_t index = 0; index < entries_.size(); ++index) {
        if (!entries_[index].name.empty() && shownLocked(entries_[index]))
            rows_.push_back(static_cast<int>(index));
    }
    sortLocked();
}

// The view's order as a comparison of entry indices: folders first whichever way a
// column sorts, then the column, then the names' collation keys (numbers by value).
class LocalDirectoryModel::RowOrder {
  public:
    RowOrder(const std::vector<LocalEntry>& entries, int key, const LocalTypeTable& types)
        : entries_(entries), key_(key), code_(key < 0 ? -key : key) {
        if (code_ != 2)
            return;
        for (const LocalEntry& entry : entries) {
            if (entry.typeRow >= typeNames_.size())
                typeNames_.resize(entry.typeRow + 1);
        }
        for (size_t row = 0; row < typeNames_.size(); ++row)
            typeNames_[row] = types.typeName(static_cast<uint32_t>(row));
    }
    bool operator()(int ia, int ib) const {
        const LocalEntry& a = entries_[static_cast<size_t>(ia)];
        const LocalEntry& b = entries_[static_cast<size_t>(ib)];
        return orderEntries(
                   a.folder, b.folder, key_,
                   [&] {
                       if (code_ == 2)
                           return naturalCompare(typeNames_[a.typeRow], typeNames_[b.typeRow]);
                       if (code_ == 3)
                           return a.size < b.size ? -1 : static_cast<int>(a.size > b.size);
                       if (code_ == 4)
                           return a.time < b.time ? -1 : static_cast<int>(a.time > b.time);
                       return 0;
                   },
                   [&] { return a.sortKey.compare(b.sortKey); }) < 0;
    }

  private:
    const std::vector<LocalEntry>& entries_;
    int key_;
    int code_;
    std::vector<std::string> typeNames_;
};

void LocalDirectoryModel::sortLocked() {
    // By reference: the sort copies its comparison, which holds the type names.
    const RowOrder order(entries_, order_.key(), *types_);
    std::stable_sort(rows_.begin(), rows_.end(), std::cref(order));
}

void LocalDirectoryModel::placeLocked(int index) {
    rows_.erase(std::remove(rows_.begin(), rows_.end(), index), rows_.end());
    const LocalEntry& entry = entries_[static_cast<size_t>(index)];
    if (entry.name.empty() || !shownLocked(entry))
        return;
    const RowOrder order(entries_, order_.key(), *types_);
    rows_.insert(std::upper_bound(rows_.begin(), rows_.end(), index, std::cref(order)), index);
}

void LocalDirectoryModel::setFilter(NameFilter filter) {
    {
        std::lock_guard lock(mutex_);
        filter_ = std::move(filter);
        refillLocked();
    }
    notify([](LocalDirectoryListener& l) { l.rowsUpdated(); });
}

NameFilter LocalDirectoryModel::filter() const {
    std::lock_guard lock(mutex_);
    return filter_;
}

template <typename Change>
void LocalDirectoryModel::reorder(Change change) {
    {
        std::lock_guard lock(mutex_);
        if (!change(order_))
            return;
        sortLocked();
    }
    notify([](LocalDirectoryListener& l) { l.rowsUpdated(); });
}

void LocalDirectoryModel::sortByColumn(int column) {
    reorder([column](SortOrder& order) { return order.clickColumn(column); });
}

void LocalDirectoryModel::arrangeBy(int code) {
    reorder([code](SortOrder& order) { return order.arrange(code); });
}

void LocalDirectoryModel::restoreSortKey(int key) {
    reorder([key](SortOrder& order) { return order.restore(key); });
}

int LocalDirectoryModel::sortKey() const {
    std::lock_guard lock(mutex_);
    return order_.key();
}

std::vector<int> LocalDirectoryModel::rows() const {
    std::lock_guard lock(mutex_);
    return rows_;
}

std::vector<int> LocalDirectoryModel::rowsFrom(size_t first) const {
    std::lock_guard lock(mutex_);
    if (first >= rows_.size())
        return {};
    return std::vector<int>(rows_.begin() + static_cast<std::ptrdiff_t>(first), rows_.end());
}

size_t LocalDirectoryModel::rowCount() const {
    std::lock_guard lock(mutex_);
    return rows_.size();
}

bool LocalDirectoryModel::entryAt(int index, LocalEntry* entry) const {
    std::lock_guard lock(mutex_);
    if (index < 0 || static_cast<size_t>(index) >= entries_.size() ||
        entries_[static_cast<size_t>(index)].name.empty())
        return false;
    *entry = entries_[static_cast<size_t>(index)];
    return true;
}

std::vector<LocalEntry> LocalDirectoryModel::entriesAt(const std::vector<int>& indices) const {
    std::vector<LocalEntry> chosen;
    LocalEntry entry;
    for (int index : indices) {
        if (entryAt(index, &entry))
            chosen.push_back(entry);
    }
    return chosen;
}

int LocalDirectoryModel::findByName(const std::string& name) const {
    std::lock_guard lock(mutex_);
    for (int index : rows_) {
        if (entries_[static_cast<size_t>(index)].name == name)
            return index;
    }
    return -1;
}

std::string LocalDirectoryModel::statusText(const std::vector<int>& selected) const {
    std::lock_guard lock(mutex_);
    if (reading_)
        return "Reading " + folder_ + "...";
    const std::vector<int>& counted = selected.empty() ? rows_ : selected;
    int64_t total = 0;
    bool anyFile = false;
    for (int index : counted) {
        if (index < 0 || static_cast<size_t>(index) >= entries_.size())
            continue;
        const LocalEntry& e = entries_[static_cast<size_t>(index)];
        if (!e.folder) {
            total += std::max<int64_t>(e.size, 0);
            anyFile = true;
        }
    }
    if (selected.empty() && filter_.active()) {
        const size_t listed = static_cast<size_t>(std::count_if(
            entries_.begin(), entries_.end(), [](const LocalEntry& e) { return !e.name.empty(); }));
        return NameFilter::shownText(counted.size(), listed) + ", " + FormatSize(total, 1);
    }
    return FormatObjects(counted.size(), total, selected.empty() || anyFile);
}

int LocalDirectoryModel::newFolder() {
    const std::string shown = folder();
    if (shown.empty())
        return -1;
    const std::string base = (shown == "/" ? shown : shown + "/") + "New Folder";
    std::string path = base;
    for (int n = 2; exists(path); ++n)
        path = base + " (" + std::to_string(n) + ")";
    if (::mkdir(path.c_str(), 0777) != 0)
        return -1;
    LocalEntry entry;
    entry.name = path.substr(path.find_last_of('/') + 1);
    entry.path = path;
    entry.folder = true;
    entry.typeRow = 1;
    entry.size = -1;
    entry.time = 0;
    entry.sortKey = FileSystemReader::collationKey(entry.name);
    int index;
    {
        std::lock_guard lock(mutex_);
        index = appendLocked(std::move(entry));
    }
    notify([](LocalDirectoryListener& l) { l.rowsAppended(); });
    return index;
}

LocalDirectoryModel::EditEnd LocalDirectoryModel::finishEdit(int index, const std::string* text) {
    LocalEntry entry;
    if (!entryAt(index, &entry))
        return EditEnd::Nothing;
    if (text != nullptr && text->empty())
        return EditEnd::NeedName;
    EditEnd result = EditEnd::Nothing;
    if (text != nullptr && *text != entry.name) {
        const std::string folderPath = entry.path.substr(0, entry.path.find_last_of('/') + 1);
        const std::string target = folderPath + *text;
        if (text->find('/') != std::string::npos || *text == "." || *text == ".." ||
            !renameNoReplace(entry.path, target))
            return EditEnd::Refused;
        entry.path = target;
        result = EditEnd::Renamed;
    }
    // A placeholder takes its real data, named or not.
    if (result == EditEnd::Nothing && !entry.placeholder())
        return result;
    LocalEntry fresh;
    if (!FileSystemReader::entryFor(entry.path, *types_, &fresh))
        return result;
    {
        std::lock_guard lock(mutex_);
        if (static_cast<size_t>(index) < entries_.size()) {
            entries_[static_cast<size_t>(index)] = std::move(fresh);
            // Named (or renamed), it takes its place in the order at once.
            placeLocked(index);
        }
    }
    notify([](LocalDirectoryListener& l) { l.rowsUpdated(); });
    return result;
}

std::vector<std::string> LocalDirectoryModel::remove(const std::vector<int>& indices,
                                                     bool permanently) {
    return removeEntries(entriesAt(indices), permanently);
}

std::vector<std::string> LocalDirectoryModel::removeEntries(const std::vector<LocalEntry>& chosen,
                                                            bool permanently) {
    std::vector<std::string> failed;
    for (const LocalEntry& entry : chosen) {
        bool removed;
        if (permanently) {
            std::error_code error;
            std::filesystem::remove_all(entry.path, error);
            removed = !error;
        } else {
            removed = QFile::moveToTrash(QString::fromStdString(entry.path));
        }
        if (!removed)
            failed.push_back(entry.path);
    }
    {
        std::lock_guard lock(mutex_);
        for (const LocalEntry& gone : chosen) {
            for (size_t index = 0; index < entries_.size(); ++index) {
                LocalEntry& entry = entries_[index];
                if (entry.name.empty() || entry.path != gone.path || exists(entry.path))
                    continue;
                entry.name.clear();
                rows_.erase(std::remove(rows_.begin(), rows_.end(), static_cast<int>(index)),
                            rows_.end());
            }
        }
    }
    notify([](LocalDirectoryListener& l) { l.rowsUpdated(); });
    return failed;
}

void LocalDirectoryModel::upkeep(const std::string& directory, LocalEntry entry) {
    {
        std::lock_guard lock(mutex_);
        if (reading_ || folder_.empty() || withoutTrailingSlash(directory) != folder_)
            return;
        // Among every entry: one the filter hides is still the file of that name.
        const auto found = std::find_if(entries_.begin(), entries_.end(),
                                        [&](const LocalEntry& e) { return e.name == entry.name; });
        int index;
        if (found != entries_.end()) {
            *found = std::move(entry);
            index = static_cast<int>(found - entries_.begin());
        } else {
            index = appendLocked(std::move(entry));
        }
        // A downloaded file goes where the order puts it at once.
        placeLocked(index);
    }
    notify([](LocalDirectoryListener& l) { l.rowsUpdated(); });
}

void LocalDirectoryModel::localFileWritten(const std::string& directory, const std::string& name,
                                           int64_t size, int64_t time) {
    LocalEntry entry;
    const std::string path = withoutTrailingSlash(directory) + "/" + name;
    if (!FileSystemReader::entryFor(path, *types_, &entry))
        return;
    // What the session reports, even if the disk's clock differs.
    entry.size = size;
    entry.time = time;
    FormatEntryTexts(size, time, &entry.sizeText, &entry.dateText);
    upkeep(directory, std::move(entry));
}

void LocalDirectoryModel::localFolderCreated(const std::string& directory,
                                             const std::string& name) {
    LocalEntry entry;
    if (FileSystemReader::entryFor(withoutTrailingSlash(directory) + "/" + name, *types_, &entry))
        upkeep(directory, std::move(entry));
}

}  // namespace nubo
