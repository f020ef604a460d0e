#include "views/remote_directory_model.h"

#include <algorithm>
#include <functional>

#include "base/app_log.h"
#include "engine/ftp_session.h"
#include "engine/name_case.h"
#include "views/display_format.h"
#include "views/entry_order.h"
#include "views/natural_compare.h"
#include "views/remote_directory_listener.h"
#include "views/type_table.h"

namespace nubo {

RemoteDirectoryModel::RemoteDirectoryModel(AppLog& log)
    : log_(log), current_(std::make_shared<Listing>()) {}

RemoteDirectoryModel::~RemoteDirectoryModel() = default;

template <typename Call>
void RemoteDirectoryModel::notify(Call call) {
    std::lock_guard lock(listenersMutex_);
    for (RemoteDirectoryListener* listener : listeners_) {
        call(*listener);
    }
}

void RemoteDirectoryModel::addListener(RemoteDirectoryListener* listener) {
    std::lock_guard lock(listenersMutex_);
    listeners_.push_back(listener);
}

void RemoteDirectoryModel::removeListener(RemoteDirectoryListener* listener) {
    std::lock_guard lock(listenersMutex_);
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void RemoteDirectoryModel::setTypeTable(TypeTable* types) {
    std::lock_guard lock(mutex_);
    types_ = types;
}

void RemoteDirectoryModel::resetLocked() {
    rows_.clear();
    marked_.clear();
    cached_.clear();
    settled_.reset();
    current_ = std::make_shared<Listing>();
    entryCount_ = 0;
    currentPath_.clear();
    pathText_.clear();
    shownDirectory_.clear();
    history_.clear();
}

RemoteDirectoryModel::Listing* RemoteDirectoryModel::shownListingLocked(
    const std::string& directory) {
    return directory == shownDirectory_ ? current_.get() : nullptr;
}

int RemoteDirectoryModel::indexOfName(const Listing& listing, const std::string& name) {
    return otherIndexOfName(listing, name, -1);
}

int RemoteDirectoryModel::otherIndexOfName(const Listing& listing, const std::string& name,
                                           int except) {
    for (size_t i = 0; i < listing.size(); ++i) {
        if (listing[i].name == name && static_cast<int>(i) != except)
            return static_cast<int>(i);
    }
    return -1;
}

void RemoteDirectoryModel::onConnected(FtpSession* session) {
    {
        std::lock_guard lock(mutex_);
        resetLocked();
        order_.resetDirections();
        session_ = session;
    }
    notify([](RemoteDirectoryListener& l) {
        l.rowsReset();
        l.pathTextChanged();
        l.connectionChanged(true);
    });
}

void RemoteDirectoryModel::onDisconnected() {
    {
        std::lock_guard lock(mutex_);
        resetLocked();
        session_ = nullptr;
        busy_ = false;
    }
    notify([](RemoteDirectoryListener& l) {
        l.rowsReset();
        l.pathTextChanged();
        l.connectionChanged(false);
    });
}

int RemoteDirectoryModel::appendLocked(const RemoteEntry& entry) {
    int index = entryCount_++;
    if (static_cast<size_t>(index) < current_->size()) {
        (*current_)[static_cast<size_t>(index)] = entry;
    } else {
        current_->push_back(entry);
    }
    if (shownLocked(entry))
        rows_.push_back(index);
    return index;
}

void RemoteDirectoryModel::entriesListed(std::span<const RemoteEntry> entries) {
    if (entries.empty())
        return;
    size_t row;
    size_t count;
    {
        std::lock_guard lock(mutex_);
        row = rows_.size();
        for (const RemoteEntry& entry : entries)
            appendLocked(entry);
        count = rows_.size() - row;
    }
    if (count == 0)
        return;  // none the filter shows
    notify([row, count](RemoteDirectoryListener& l) { l.rowsAppended(row, count); });
}

bool RemoteDirectoryModel::entryAt(int index, RemoteEntry* entry) const {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= entryCount_ || static_cast<size_t>(index) >= current_->size()) {
        return false;
    }
    *entry = (*current_)[static_cast<size_t>(index)];
    return true;
}

RemoteDirectoryModel::EntryView RemoteDirectoryModel::viewEntry(int index) const {
    std::unique_lock lock(mutex_);
    if (index < 0 || index >= entryCount_ || static_cast<size_t>(index) >= current_->size() ||
        (*current_)[static_cast<size_t>(index)].name.empty()) {
        return EntryView({}, nullptr);
    }
    return EntryView(std::move(lock), &(*current_)[static_cast<size_t>(index)]);
}

int RemoteDirectoryModel::findEntryByName(const std::string& name, bool ignoreCase) const {
    std::lock_guard lock(mutex_);
    for (int index : rows_) {
        const std::string& candidate = (*current_)[static_cast<size_t>(index)].name;
        if (ignoreCase ? namesEqualIgnoringCase(candidate, name) : candidate == name) {
            return index;
        }
    }
    return -1;
}

void RemoteDirectoryModel::refillLocked() {
    rows_.clear();
    for (size_t i = 0; i < current_->size(); ++i) {
        if (!(*current_)[i].name.empty() && shownLocked((*current_)[i])) {
            rows_.push_back(static_cast<int>(i));
        }
    }
    // Removed entries keep their slots, so the next new entry goes behind all of them.
    entryCount_ = static_cast<int>(current_->size());
}

// Each type's place among the type names in natural order (1 on; 0: none), by the type
// table's row. Kept with the number of names it was made from: only a new type moves it.
void RemoteDirectoryModel::rankTypesLocked() {
    static const std::string kKinds[] = {"Folder", "Symbolic Link", "File"};
    const std::vector<std::string> names =
        types_ != nullptr ? types_->typeNames()
                          : std::vector<std::string>(std::begin(kKinds), std::end(kKinds));
    std::vector<uint32_t> byName(names.size());
    for (uint32_t i = 0; i < byName.size(); ++i)
        byName[i] = i;
    std::sort(byName.begin(), byName.end(),
              [&](uint32_t a, uint32_t b) { return naturalCompare(names[a], names[b]) < 0; });
    typeRankOf_.assign(names.size(), 0);
    for (uint32_t place = 0; place < byName.size(); ++place)
        typeRankOf_[byName[place]] = place + 1;
}

uint32_t RemoteDirectoryModel::typeRowLocked(int index) const {
    const RemoteEntry& entry = (*current_)[static_cast<size_t>(index)];
    return types_ != nullptr ? types_->classify(entry) >> 16 : static_cast<uint32_t>(entry.type);
}

// Each row's type as its type name's place (typeRankOf_), by entry index (0 elsewhere).
std::vector<uint32_t> RemoteDirectoryModel::typeRanksLocked(const std::vector<int>& rows) {
    std::vector<uint32_t> rowOf(current_->size(), 0);
    for (int index : rows)
        rowOf[static_cast<size_t>(index)] = typeRowLocked(index);
    rankTypesLocked();  // after classifying, which may have met new types
    std::vector<uint32_t> ranks(current_->size(), 0);
    for (int index : rows) {
        const uint32_t row = rowOf[static_cast<size_t>(index)];
        ranks[static_cast<size_t>(index)] = row < typeRankOf_.size() ? typeRankOf_[row] : 0;
    }
    return ranks;
}

void RemoteDirectoryModel::sortLocked() {
    const int key = order_.key();
    sortRemoteRows(*current_, key,
                   key == 2 || key == -2 ? typeRanksLocked(rows_) : std::vector<uint32_t>(),
                   &rows_);
}

bool RemoteDirectoryModel::shownLocked(const RemoteEntry& entry) const {
    // A new folder being named shows whatever the filter says of "NewFolder".
    return !filter_.active() || (entry.size == -1 && entry.time == 0) ||
           filter_.showsEntry(entry.name, entry.type != EntryType::File);
}

void RemoteDirectoryModel::placeLocked(int index) {
    rows_.erase(std::remove(rows_.begin(), rows_.end(), index), rows_.end());
    const RemoteEntry& entry = (*current_)[static_cast<size_t>(index)];
    if (entry.name.empty() || !shownLocked(entry))
        return;
    // The few names a placement compares are folded as it goes, and by type only the
    // rows it compares are classified: not every row for each one placed.
    const int key = order_.key();
    if (key == 2 || key == -2)
        typeRowLocked(index);  // a type met first here joins the ranks before they are read
    const auto rankOf = [this](int entry) {
        const uint32_t row = typeRowLocked(entry);
        if (row >= typeRankOf_.size())
            rankTypesLocked();
        return row < typeRankOf_.size() ? typeRankOf_[row] : 0;
    };
    auto before = [&](int a, int b) { return compareRemoteRows(*current_, key, rankOf, a, b) < 0; };
    rows_.insert(std::upper_bound(rows_.begin(), rows_.end(), index, before), index);
}

void RemoteDirectoryModel::setFilter(NameFilter filter) {
    {
        std::lock_guard lock(mutex_);
        filter_ = std::move(filter);
        rows_.clear();
        for (int i = 0; i < entryCount_ && static_cast<size_t>(i) < current_->size(); ++i) {
            const RemoteEntry& entry = (*current_)[static_cast<size_t>(i)];
            if (!entry.name.empty() && shownLocked(entry))
                rows_.push_back(i);
        }
        sortLocked();
    }
    notify([](RemoteDirectoryListener& l) { l.rowsUpdated(); });
}

NameFilter RemoteDirectoryModel::filter() const {
    std::lock_guard lock(mutex_);
    return filter_;
}

void RemoteDirectoryModel::changeDirectoryStarted(const std::string* directory,
                                                  DirectoryFlags flags) {
    {
        std::lock_guard lock(mutex_);
        rows_.clear();
        // Cut marks are indices of the listing shown: they go with it.
        marked_.clear();
        if (flags.refresh) {
            log_.LogExtended("... flushing cached copy of ", currentPath_);
            current_->clear();
            entryCount_ = 0;
        } else {
            if (shownDirectory_ == currentPath_)
                settled_ = current_;  // put back if the new listing does not come whole
            pathText_ = directory != nullptr ? *directory : std::string();
            shownDirectory_ = pathText_;
            current_ = std::make_shared<Listing>();
            entryCount_ = 0;
        }
    }
    notify([](RemoteDirectoryListener& l) {
        l.rowsReset();
        l.pathTextChanged();
    });
}

void RemoteDirectoryModel::listingReady(const std::string& directory,
                                        std::vector<RemoteEntry> entries, DirectoryFlags flags) {
    {
        std::lock_guard lock(mutex_);
        rows_.clear();
        marked_.clear();
        if (!flags.noHistory && !currentPath_.empty()) {
            history_.push_back(currentPath_);
        }
        currentPath_ = directory;
        pathText_ = directory;
        shownDirectory_ = directory;
        current_ = std::make_shared<Listing>(std::move(entries));
        settled_ = current_;
        cached_.insert(directory);
        refillLocked();
        sortLocked();
    }
    notify([](RemoteDirectoryListener& l) {
        l.rowsReset();
        l.pathTextChanged();
    });
}

void RemoteDirectoryModel::listingFinished(bool complete, DirectoryFlags flags) {
    FtpSession* session = nullptr;
    std::string returnTo;
    {
        std::lock_guard lock(mutex_);
        if (complete) {
            sortLocked();
            current_->resize(static_cast<size_t>(entryCount_));
            if (!currentPath_.empty() && !flags.noHistory) {
                history_.push_back(currentPath_);
            }
            if (!flags.refresh) {
                currentPath_ = pathText_;
                cached_.insert(currentPath_);
            }
            settled_ = current_;
            log_.LogExtended("... cached a copy of ", currentPath_);
        } else {
            rows_.clear();
            marked_.clear();
            pathText_ = currentPath_;
            shownDirectory_ = currentPath_;
            if (!currentPath_.empty()) {
                // Take the server back to the directory still shown.
                session = session_;
                returnTo = currentPath_;
                if (settled_ != nullptr)
                    current_ = settled_;
                refillLocked();
                sortLocked();
            } else {
                current_ = std::make_shared<Listing>();
                entryCount_ = 0;
            }
        }
    }
    if (session != nullptr) {
        session->enqueue(ChangeDirectoryRequest{returnTo, {}});
    }
    // A complete listing only re-sorts the rows already shown: what was clicked while it
    // came stays selected. A broken one puts back the folder shown before.
    notify([complete](RemoteDirectoryListener& l) {
        if (complete)
            l.rowsUpdated();
        else
            l.rowsReset();
        l.pathTextChanged();
    });
}

void RemoteDirectoryModel::showCurrentPath() {
    {
        std::lock_guard lock(mutex_);
        pathText_ = currentPath_;
    }
    notify([](RemoteDirectoryListener& l) { l.pathTextChanged(); });
}

void RemoteDirectoryModel::setBusy(bool busy) {
    {
        std::lock_guard lock(mutex_);
        busy_ = busy;
    }
    notify([busy](RemoteDirectoryListener& l) { l.busyChanged(busy); });
}

void RemoteDirectoryModel::updateEntry(const std::string& directory, const std::string& name,
                                       int64_t size, int64_t time, EntryType type) {
    RemoteEntry entry;
    entry.type = type;
    entry.setSizeAndTime(size, time);
    entry.setName(name);
    {
        std::lock_guard lock(mutex_);
        const Listing* listing = shownListingLocked(directory);
        if (listing == nullptr)
            return;
        // Looked up among every entry: one the filter hides is still the one of that name.
        int index = indexOfName(*listing, name);
        if (index >= 0)
            (*current_)[static_cast<size_t>(index)] = entry;
        else
            index = appendLocked(entry);
        // A new or changed entry goes where the order puts it at once.
        placeLocked(index);
    }
    notify([](RemoteDirectoryListener& l) { l.rowsUpdated(); });
}

void RemoteDirectoryModel::removeEntry(int index) {
    {
        std::lock_guard lock(mutex_);
        if (index < 0 || static_cast<size_t>(index) >= current_->size())
            return;
        (*current_)[static_cast<size_t>(index)].name.clear();
        rows_.erase(std::remove(rows_.begin(), rows_.end(), index), rows_.end());
        marked_.erase(std::remove(marked_.begin(), marked_.end(), index), marked_.end());
    }
    notify([](RemoteDirectoryListener& l) { l.rowsUpdated(); });
}

void RemoteDirectoryModel::entryRemoved(const std::string& directory, const std::string& name) {
    int shownIndex = -1;
    {
        std::lock_guard lock(mutex_);
        const Listing* listing = shownListingLocked(directory);
        shownIndex = listing != nullptr ? indexOfName(*listing, name) : -1;
    }
    removeEntry(shownIndex);
    notify([&](RemoteDirectoryListener& l) { l.entryGone(directory, name); });
}

void RemoteDirectoryModel::entryRenamed(const std::string& directory, const std::string& from,
                                        const std::string* to) {
    int replaced = -1;
    {
        std::lock_guard lock(mutex_);
        Listing* listing = shownListingLocked(directory);
        if (listing == nullptr)
            return;
        const int index = indexOfName(*listing, from);
        if (index >= 0 && to != nullptr) {
            (*listing)[static_cast<size_t>(index)].setName(*to);
            placeLocked(index);
            // The server gave the name to the renamed entry: whatever held it there
            // before is gone, and one name is one row.
            replaced = otherIndexOfName(*listing, *to, index);
        }
    }
    if (replaced >= 0) {
        removeEntry(replaced);
        return;
    }
    notify([](RemoteDirectoryListener& l) { l.rowsUpdated(); });
}

void RemoteDirectoryModel::entryKept(const std::string& directory, const std::string& name) {
    {
        std::lock_guard lock(mutex_);
        const Listing* listing = shownListingLocked(directory);
        if (listing == nullptr)
            return;  // marks belong to the listing shown only
        const int index = indexOfName(*listing, name);
        marked_.erase(std::remove(marked_.begin(), marked_.end(), index), marked_.end());
    }
    notify([](RemoteDirectoryListener& l) { l.rowsUpdated(); });
}

void RemoteDirectoryModel::modeChanged(const std::string& directory, const std::string& name,
                                       uint16_t mode) {
    {
        std::lock_guard lock(mutex_);
        Listing* listing = shownListingLocked(directory);
        const int index = listing != nullptr ? indexOfName(*listing, name) : -1;
        if (index < 0)
            return;
        (*listing)[static_cast<size_t>(index)].setMode(mode);
    }
    notify([](RemoteDirectoryListener& l) { l.rowsUpdated(); });
}

void RemoteDirectoryModel::permissionsApplied(const std::vector<std::string>& refusals) {
    notify([&refusals](RemoteDirectoryListener& l) { l.permissionsApplied(refusals); });
}

void RemoteDirectoryModel::placeholderDropped(const std::string& directory,
                                              const std::string& name) {
    int placeholder = -1;
    {
        std::lock_guard lock(mutex_);
        const Listing* listing = shownListingLocked(directory);
        if (listing == nullptr)
            return;
        // The row being made (size -1, time 0), never an existing folder of that name.
        for (size_t i = 0; i < listing->size(); ++i) {
            const RemoteEntry& e = (*listing)[i];
            if (e.name == name && e.size == -1 && e.time == 0)
                placeholder = static_cast<int>(i);
        }
    }
    removeEntry(placeholder);
}

void RemoteDirectoryModel::markEntry(int index) {
    std::lock_guard lock(mutex_);
    if (std::find(marked_.begin(), marked_.end(), index) == marked_.end()) {
        marked_.push_back(index);
    }
}

bool RemoteDirectoryModel::isMarked(int index) const {
    std::lock_guard lock(mutex_);
    return std::find(marked_.begin(), marked_.end(), index) != marked_.end();
}

FtpSession* RemoteDirectoryModel::session() const {
    std::lock_guard lock(mutex_);
    return session_;
}

bool RemoteDirectoryModel::busy() const {
    std::lock_guard lock(mutex_);
    return busy_;
}

std::string RemoteDirectoryModel::currentPath() const {
    std::lock_guard lock(mutex_);
    return currentPath_;
}

std::string RemoteDirectoryModel::shownDirectory() const {
    std::lock_guard lock(mutex_);
    return shownDirectory_;
}

std::string RemoteDirectoryModel::pathText() const {
    std::lock_guard lock(mutex_);
    return pathText_;
}

std::vector<std::string> RemoteDirectoryModel::history() const {
    std::lock_guard lock(mutex_);
    return history_;
}

std::vector<std::string> RemoteDirectoryModel::cachedPaths() const {
    std::lock_guard lock(mutex_);
    return std::vector<std::string>(cached_.begin(), cached_.end());
}

std::vector<int> RemoteDirectoryModel::rows() const {
    std::lock_guard lock(mutex_);
    return rows_;
}

std::vector<int> RemoteDirectoryModel::rowsFrom(size_t first) const {
    std::lock_guard lock(mutex_);
    if (first >= rows_.size())
        return {};
    return std::vector<int>(rows_.begin() + static_cast<std::ptrdiff_t>(first), rows_.end());
}

size_t RemoteDirectoryModel::rowCount() const {
    std::lock_guard lock(mutex_);
    return rows_.size();
}

RemoteDirectoryModel::Selection RemoteDirectoryModel::selection(const std::vector<int>& indices,
                                                                std::vector<int>* kept) const {
    Selection chosen;
    std::lock_guard lock(mutex_);
    chosen.directory = shownDirectory_;
    for (int index : indices) {
        if (index >= 0 && static_cast<size_t>(index) < current_->size() &&
            !(*current_)[static_cast<size_t>(index)].name.empty()) {
            chosen.entries.push_back((*current_)[static_cast<size_t>(index)]);
            if (kept != nullptr)
                kept->push_back(index);
        }
    }
    return chosen;
}

std::vector<RemoteEntry> RemoteDirectoryModel::entriesAt(const std::vector<int>& indices) const {
    std::lock_guard lock(mutex_);
    std::vector<RemoteEntry> entries;
    for (int index : indices) {
        if (index >= 0 && static_cast<size_t>(index) < current_->size() &&
            !(*current_)[static_cast<size_t>(index)].name.empty())
            entries.push_back((*current_)[static_cast<size_t>(index)]);
    }
    return entries;
}

int RemoteDirectoryModel::sortKey() const {
    std::lock_guard lock(mutex_);
    return order_.key();
}

std::string RemoteDirectoryModel::statusText(const std::vector<int>& selected) const {
    std::lock_guard lock(mutex_);
    const std::vector<int>& counted = selected.empty() ? rows_ : selected;
    size_t listed = 0;
    if (selected.empty() && filter_.active()) {
        for (int i = 0; i < entryCount_ && static_cast<size_t>(i) < current_->size(); ++i)
            listed += (*current_)[static_cast<size_t>(i)].name.empty() ? 0 : 1;
    }
    int64_t total = 0;
    bool anyFile = false;
    for (int index : counted) {
        if (index < 0 || static_cast<size_t>(index) >= current_->size())
            continue;
        const RemoteEntry& e = (*current_)[static_cast<size_t>(index)];
        if (e.type != EntryType::Directory) {
            total += e.size;
            anyFile = true;
        }
    }
    if (selected.empty() && filter_.active())
        return NameFilter::shownText(counted.size(), listed) + ", " + FormatSize(total, 1);
    return FormatObjects(counted.size(), total, selected.empty() || anyFile);
}

template <typename Change>
void RemoteDirectoryModel::reorder(Change change) {
    {
        std::lock_guard lock(mutex_);
        if (!change(order_))
            return;
        sortLocked();
    }
    notify([](RemoteDirectoryListener& l) { l.rowsUpdated(); });
}

void RemoteDirectoryModel::sortByColumn(int column) {
    reorder([column](SortOrder& order) { return order.clickColumn(column); });
}

void RemoteDirectoryModel::arrangeBy(int code) {
    reorder([code](SortOrder& order) { return order.arrange(code); });
}

void RemoteDirectoryModel::restoreSortKey(int key) {
    reorder([key](SortOrder& order) { return order.restore(key); });
}

bool RemoteDirectoryModel::openEntry(int index) {
    FtpSession* session;
    std::string path;
    {
        std::lock_guard lock(mutex_);
        if (session_ == nullptr || index < 0 || static_cast<size_t>(index) >= current_->size()) {
            return false;
        }
        const RemoteEntry& e = (*current_)[static_cast<size_t>(index)];
        if (e.type == EntryType::File || e.name.empty()) {
            return false;
        }
        session = session_;
        path = e.changeDirectoryName();
    }
    return session->enqueue(ChangeDirectoryRequest{path, {}});
}

bool RemoteDirectoryModel::back() {
    FtpSession* session;
    std::string path;
    {
        std::lock_guard lock(mutex_);
        if (session_ == nullptr || history_.empty()) {
            return false;
        }
        session = session_;
        path = history_.back();
        history_.pop_back();
    }
    return session->enqueue(ChangeDirectoryRequest{path, DirectoryFlags{.noHistory = true}});
}

bool RemoteDirectoryModel::up() {
    FtpSession* session = this->session();
    return session != nullptr && session->enqueue(ChangeDirectoryUpRequest{});
}

bool RemoteDirectoryModel::refresh() {
    FtpSession* session;
    {
        std::lock_guard lock(mutex_);
        if (session_ == nullptr || currentPath_.empty() || cached_.count(currentPath_) == 0) {
            return false;
        }
        session = session_;
    }
    return session->enqueue(
        ChangeDirectoryRequest{std::string(), DirectoryFlags{.noHistory = true, .refresh = true}});
}

int RemoteDirectoryModel::addPlaceholder() {
    RemoteEntry entry;
    entry.type = EntryType::Directory;
    entry.setSizeAndTime(-1, 0);
    entry.setName("NewFolder");
    int index;
    size_t row;
    {
        std::lock_guard lock(mutex_);
        if (session_ == nullptr)
            return -1;
        row = rows_.size();
        index = appendLocked(entry);
    }
    notify([row](RemoteDirectoryListener& l) { l.rowsAppended(row, 1); });
    return index;
}

bool RemoteDirectoryModel::isPlaceholder(int index) const {
    std::lock_guard lock(mutex_);
    if (index < 0 || static_cast<size_t>(index) >= current_->size())
        return false;
    const RemoteEntry& e = (*current_)[static_cast<size_t>(index)];
    return e.size == -1 && e.time == 0;
}

RemoteDirectoryModel::EditEnd RemoteDirectoryModel::finishEdit(int index, const std::string* text) {
    const bool placeholder = isPlaceholder(index);
    if (text == nullptr) {
        if (!placeholder)
            return EditEnd::Nothing;
        removeEntry(index);
        return EditEnd::Removed;
    }
    if (text->empty())
        return EditEnd::NeedName;
    FtpSession* session = this->session();
    if (session == nullptr)
        return EditEnd::Nothing;
    std::string directory;
    std::string oldName;
    {
        std::lock_guard lock(mutex_);
        if (index < 0 || static_cast<size_t>(index) >= current_->size())
            return EditEnd::Nothing;
        directory = shownDirectory_;
        oldName = (*current_)[static_cast<size_t>(index)].name;
        if (placeholder) {
            // A folder's name that is taken: the server refuses MKD, and the
            // placeholder goes. Named, it takes its place in the order at once.
            (*current_)[static_cast<size_t>(index)].setName(*text);
            placeLocked(index);
        } else if (oldName == *text) {
            return EditEnd::Nothing;
        } else if (otherIndexOfName(*current_, *text, index) >= 0) {
            // Names compare exactly, as the listing's upkeep finds them: the server's
            // own letter case decides whether two names are one.
            return EditEnd::Refused;
        }
    }
    if (placeholder) {
        notify([](RemoteDirectoryListener& l) { l.rowsUpdated(); });
        session->enqueue(MakeDirectoryRequest{directory, *text});
        return EditEnd::MakeDirectory;
    }
    // The entry keeps its old name until the server confirms.
    if (oldName.empty())
        return EditEnd::Nothing;
    session->enqueue(RenameRequest{directory, oldName, *text});
    return EditEnd::Rename;
}

bool RemoteDirectoryModel::get(const std::string& folder, const std::vector<int>& indices,
                               const TransferOptions& options) {
    return !indices.empty() && get(folder, selection(indices), options);
}

bool RemoteDirectoryModel::get(const std::string& folder, Selection chosen,
                               const TransferOptions& options) {
    FtpSession* session = this->session();
    if (session == nullptr || chosen.entries.empty())
        return false;
    // The same files into the same folder, asked again before the first request ended (a
    // second Enter, a Get pressed twice): once is what was meant.
    std::string key =
        chosen.directory + '\n' + folder + '\n' + std::to_string(static_cast<int>(options.mode));
    for (const RemoteEntry& entry : chosen.entries)
        key += '\n' + entry.name;
    if (key == lastGet_.key && session->endedRequests() < lastGet_.number) {
        log_.LogExtended("... the same download is queued already");
        return false;
    }
    GetRequest request;
    request.directory = std::move(chosen.directory);
    request.entries = std::move(chosen.entries);
    request.options = options;
    request.localFolder = folder;
    if (!session->enqueue(std::move(request)))
        return false;
    lastGet_ = {std::move(key), session->acceptedRequests()};
    return true;
}

bool RemoteDirectoryModel::put(const std::vector<std::string>& paths,
                               const std::string& intoDirectory, const TransferOptions& options) {
    FtpSession* session = this->session();
    if (session == nullptr || paths.empty())
        return false;
    return session->enqueue(PutRequest{intoDirectory, paths, options});
}

bool RemoteDirectoryModel::changeModes(Selection chosen, const ModeChange& change) {
    FtpSession* session = this->session();
    if (session == nullptr || chosen.entries.empty())
        return false;
    return session->enqueue(
        ChmodRequest{std::move(chosen.directory), std::move(chosen.entries), change});
}

bool RemoteDirectoryModel::remove(const std::vector<int>& indices) {
    return !indices.empty() && remove(selection(indices));
}

bool RemoteDirectoryModel::remove(Selection chosen, bool withContents) {
    FtpSession* session = this->session();
    if (session == nullptr || chosen.entries.empty())
        return false;
    {
        // Marked by name, and only while their directory is the one shown: the rows at
        // their old places may hold another folder's entries by now.
        std::lock_guard lock(mutex_);
        if (chosen.directory == shownDirectory_) {
            for (const RemoteEntry& entry : chosen.entries) {
                const int index = indexOfName(*current_, entry.name);
                if (index >= 0 && std::find(marked_.begin(), marked_.end(), index) == marked_.end())
                    marked_.push_back(index);
            }
        }
    }
    notify([](RemoteDirectoryListener& l) { l.rowsUpdated(); });
    return session->enqueue(
        DeleteRequest{std::move(chosen.directory), std::move(chosen.entries), withContents});
}

bool RemoteDirectoryModel::count(Selection chosen, std::function<void(const TreeCount&)> counted) {
    FtpSession* session = this->session();
    return session != nullptr && !chosen.entries.empty() &&
           session->enqueue(CountRequest{std::move(chosen.directory), std::move(chosen.entries),
                                         std::move(counted)});
}

bool RemoteDirectoryModel::find(std::shared_ptr<RemoteSearch> search) {
    FtpSession* session = this->session();
    return session != nullptr && search != nullptr &&
           session->enqueue(FindRequest{currentPath(), std::move(search)});
}

void RemoteDirectoryModel::stop() {
    FtpSession* session = this->session();
    if (session != nullptr)
        session->abort();
    {
        std::lock_guard lock(mutex_);
        marked_.clear();
    }
    notify([](RemoteDirectoryListener& l) { l.rowsUpdated(); });
}

}  // namespace nubo
