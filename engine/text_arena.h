#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nubo {

// Texts kept side by side in blocks that never move once filled: the first block small,
// each next one twice the last up to 1 MiB, so a million short names cost what they hold
// plus at most a block, never the half-empty double a growing string would leave.
class TextArena {
  public:
    // Stores two texts one after the other (a name and its local name, say); where the
    // first starts.
    uint64_t store(std::string_view first, std::string_view second = {});
    // The `length` bytes at `at` (as store() returned it, plus an offset within what was
    // stored there).
    std::string_view text(uint64_t at, size_t length) const;
    size_t memoryBytes() const;

  private:
    std::vector<std::string> blocks_;
};

}  // namespace nubo
