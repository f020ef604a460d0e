#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/remote_entry.h"

namespace nubo {

// A listing the worker took for a request, found by name in constant time: a request
// may name thousands of entries of a directory of a hundred thousand. The listing must
// outlive it and not change.
class ListingByName {
  public:
    explicit ListingByName(const std::vector<RemoteEntry>& listing) {
        byName_.reserve(listing.size());
        for (const RemoteEntry& entry : listing)
            byName_.emplace(entry.name, &entry);  // the first of a name, as listed
    }
    // The entry of exactly that name, or null.
    const RemoteEntry* find(const std::string& name) const {
        const auto found = byName_.find(name);
        return found == byName_.end() ? nullptr : found->second;
    }

  private:
    std::unordered_map<std::string_view, const RemoteEntry*> byName_;
};

}  // namespace nubo
