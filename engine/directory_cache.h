#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/remote_entry.h"

namespace nubo {

// The listings a session made, keyed by the absolute remote directory they are of: what
// its folder walks, its requests and its name lookups read. The remote view shows what
// the session tells it and is never read back.
//
// A bounded number of listings is kept; beyond it the one least recently used goes,
// never the current one (the directory the view shows, where requests without a
// directory of their own look names up). Entries keep the order they were listed in.
// The session's worker fills and reads it; a pool's connections add the files they
// send, so every call takes the lock and hands out copies.
class DirectoryCache {
  public:
    static constexpr size_t kDefaultCapacity = 128;

    explicit DirectoryCache(size_t capacity = kDefaultCapacity);

    // Keeps a complete listing of a directory in place of an older one.
    void store(const std::string& directory, std::vector<RemoteEntry> entries);
    // The listing of a directory goes (a refresh lists it again).
    void forget(const std::string& directory);
    void clear();
    // The directory the view shows: its listing stays whatever the bound.
    void setCurrent(const std::string& directory);
    std::string current() const;

    bool has(const std::string& directory) const;
    // A copy of the listing of a directory, removed entries left out; false when none is
    // kept.
    bool listing(const std::string& directory, std::vector<RemoteEntry>* entries);
    // The first entry of that name in the listing of a directory. Ignoring case, an entry
    // of exactly that name still comes first; false when there is none.
    bool find(const std::string& directory, const std::string& name, bool ignoreCase,
              RemoteEntry* entry);

    // Upkeep after transfers and remote operations, as the remote view gets it; a
    // directory without a listing kept is left alone. update changes the entry of that
    // name or appends one; rename gives the entry the new name, and whatever held that
    // name before is gone (null `to`: nothing changed).
    void update(const std::string& directory, const std::string& name, int64_t size, int64_t time,
                EntryType type);
    void remove(const std::string& directory, const std::string& name);
    // The permission bits of a kept entry (after SITE CHMOD).
    void setMode(const std::string& directory, const std::string& name, uint16_t mode);
    void rename(const std::string& directory, const std::string& from, const std::string& to);

    // Listings kept.
    size_t size() const;

  private:
    struct Kept {
        // As listed; a removed entry keeps its slot with an empty name.
        std::vector<RemoteEntry> entries;
        // The slot of the first entry of each name.
        std::unordered_map<std::string, size_t> byName;
        uint64_t used = 0;
    };
    Kept* keptLocked(const std::string& directory);
    // The kept directory and the slot of the entry of that name, or null.
    Kept* keptEntryLocked(const std::string& directory, const std::string& name, size_t* slot);
    // The slot of the first entry of a name at or behind `from`, or -1.
    static int64_t slotFrom(const Kept& kept, const std::string& name, size_t from);
    // The slot goes empty; a later entry of the same name takes the name's place.
    static void clearSlot(Kept& kept, size_t slot);
    void evictLocked();

    mutable std::mutex mutex_;
    size_t capacity_;
    std::unordered_map<std::string, Kept> listings_;
    std::string current_;
    uint64_t clock_ = 0;
};

}  // namespace nubo
