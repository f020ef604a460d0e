#include "engine/directory_cache.h"

#include <algorithm>
#include <utility>

#include "engine/name_case.h"

namespace nubo {

DirectoryCache::DirectoryCache(size_t capacity) : capacity_(std::max<size_t>(capacity, 1)) {}

void DirectoryCache::store(const std::string& directory, std::vector<RemoteEntry> entries) {
    std::lock_guard lock(mutex_);
    Kept& kept = listings_[directory];
    kept.entries = std::move(entries);
    kept.byName.clear();
    kept.byName.reserve(kept.entries.size());
    for (size_t slot = 0; slot < kept.entries.size(); ++slot) {
        if (kept.entries[slot].valid())
            kept.byName.emplace(kept.entries[slot].name, slot);  // the first of a name
    }
    kept.used = ++clock_;
    evictLocked();
}

void DirectoryCache::forget(const std::string& directory) {
    std::lock_guard lock(mutex_);
    listings_.erase(directory);
}

void DirectoryCache::clear() {
    std::lock_guard lock(mutex_);
    listings_.clear();
    current_.clear();
}

void DirectoryCache::setCurrent(const std::string& directory) {
    std::lock_guard lock(mutex_);
    current_ = directory;
}

std::string DirectoryCache::current() const {
    std::lock_guard lock(mutex_);
    return current_;
}

bool DirectoryCache::has(const std::string& directory) const {
    std::lock_guard lock(mutex_);
    return listings_.count(directory) != 0;
}

size_t DirectoryCache::size() const {
    std::lock_guard lock(mutex_);
    return listings_.size();
}

DirectoryCache::Kept* DirectoryCache::keptLocked(const std::string& directory) {
    const auto found = listings_.find(directory);
    if (found == listings_.end())
        return nullptr;
    found->second.used = ++clock_;
    return &found->second;
}

void DirectoryCache::evictLocked() {
    while (listings_.size() > capacity_) {
        auto oldest = listings_.end();
        for (auto it = listings_.begin(); it != listings_.end(); ++it) {
            if (it->first != current_ &&
                (oldest == listings_.end() || it->second.used < oldest->second.used))
                oldest = it;
        }
        if (oldest == listings_.end())
            return;  // only the current listing is left
        listings_.erase(oldest);
    }
}

bool DirectoryCache::listing(const std::string& directory, std::vector<RemoteEntry>* entries) {
    std::lock_guard lock(mutex_);
    const Kept* kept = keptLocked(directory);
    if (kept == nullptr)
        return false;
    entries->clear();
    entries->reserve(kept->byName.size());
    for (const RemoteEntry& entry : kept->entries) {
        if (entry.valid())
            entries->push_back(entry);
    }
    return true;
}

bool DirectoryCache::find(const std::string& directory, const std::string& name, bool ignoreCase,
                          RemoteEntry* entry) {
    std::lock_guard lock(mutex_);
    const Kept* kept = keptLocked(directory);
    if (kept == nullptr)
        return false;
    const auto exact = kept->byName.find(name);
    if (exact != kept->byName.end()) {
        *entry = kept->entries[exact->second];
        return true;
    }
    if (!ignoreCase)
        return false;
    for (const RemoteEntry& candidate : kept->entries) {
        if (candidate.valid() && namesEqualIgnoringCase(candidate.name, name)) {
            *entry = candidate;
            return true;
        }
    }
    return false;
}

int64_t DirectoryCache::slotFrom(const Kept& kept, const std::string& name, size_t from) {
    for (size_t slot = from; slot < kept.entries.size(); ++slot) {
        if (kept.entries[slot].name == name)
            return static_cast<int64_t>(slot);
    }
    return -1;
}

void DirectoryCache::clearSlot(Kept& kept, size_t slot) {
    const std::string name = std::move(kept.entries[slot].name);
    kept.entries[slot].name.clear();
    const auto indexed = kept.byName.find(name);
    if (indexed == kept.byName.end() || indexed->second != slot)
        return;
    const int64_t next = slotFrom(kept, name, slot + 1);
    if (next >= 0)
        indexed->second = static_cast<size_t>(next);
    else
        kept.byName.erase(indexed);
}

void DirectoryCache::update(const std::string& directory, const std::string& name, int64_t size,
                            int64_t time, EntryType type) {
    std::lock_guard lock(mutex_);
    Kept* kept = keptLocked(directory);
    if (kept == nullptr || name.empty())
        return;
    RemoteEntry entry;
    entry.type = type;
    entry.setSizeAndTime(size, time);
    entry.setName(name);
    const auto found = kept->byName.find(name);
    if (found != kept->byName.end()) {
        kept->entries[found->second] = std::move(entry);
        return;
    }
    kept->byName.emplace(name, kept->entries.size());
    kept->entries.push_back(std::move(entry));
}

DirectoryCache::Kept* DirectoryCache::keptEntryLocked(const std::string& directory,
                                                      const std::string& name, size_t* slot) {
    Kept* kept = keptLocked(directory);
    if (kept == nullptr)
        return nullptr;
    const auto found = kept->byName.find(name);
    if (found == kept->byName.end())
        return nullptr;
    *slot = found->second;
    return kept;
}

void DirectoryCache::setMode(const std::string& directory, const std::string& name, uint16_t mode) {
    std::lock_guard lock(mutex_);
    size_t slot = 0;
    if (Kept* kept = keptEntryLocked(directory, name, &slot))
        kept->entries[slot].setMode(mode);
}

void DirectoryCache::remove(const std::string& directory, const std::string& name) {
    std::lock_guard lock(mutex_);
    size_t slot = 0;
    if (Kept* kept = keptEntryLocked(directory, name, &slot))
        clearSlot(*kept, slot);
}

void DirectoryCache::rename(const std::string& directory, const std::string& from,
                            const std::string& to) {
    std::lock_guard lock(mutex_);
    Kept* kept = keptLocked(directory);
    if (kept == nullptr || from == to || to.empty())
        return;
    const auto found = kept->byName.find(from);
    if (found == kept->byName.end())
        return;
    const size_t slot = found->second;
    // One name is one entry: whatever held the new name is gone.
    for (int64_t other = slotFrom(*kept, to, 0); other >= 0;
         other = slotFrom(*kept, to, static_cast<size_t>(other) + 1)) {
        kept->entries[static_cast<size_t>(other)].name.clear();
    }
    kept->byName.erase(to);
    RemoteEntry& renamed = kept->entries[slot];
    clearSlot(*kept, slot);  // the old name's place goes to a later entry of it, if any
    renamed.setName(to);
    kept->byName.emplace(to, slot);
}

}  // namespace nubo
