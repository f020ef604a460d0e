#include "engine/text_arena.h"

#include <algorithm>

namespace nubo {

namespace {

constexpr size_t kFirstBlock = 4096;
constexpr size_t kLargestBlock = size_t{1} << 20;
// A place is the block's index above this many bits, the offset in it below.
constexpr int kOffsetBits = 32;

}  // namespace

uint64_t TextArena::store(std::string_view first, std::string_view second) {
    const size_t need = first.size() + second.size();
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < need) {
        const size_t last = blocks_.empty() ? 0 : blocks_.back().capacity();
        blocks_.emplace_back();
        blocks_.back().reserve(std::max(need, std::clamp(last * 2, kFirstBlock, kLargestBlock)));
    }
    std::string& block = blocks_.back();
    const uint64_t at = uint64_t{blocks_.size() - 1} << kOffsetBits | block.size();
    block.append(first);
    block.append(second);
    return at;
}

std::string_view TextArena::text(uint64_t at, size_t length) const {
    const std::string& block = blocks_[static_cast<size_t>(at >> kOffsetBits)];
    const auto offset = static_cast<size_t>(at & ((uint64_t{1} << kOffsetBits) - 1));
    return std::string_view(block).substr(offset, length);
}

size_t TextArena::memoryBytes() const {
    size_t bytes = blocks_.capacity() * sizeof(std::string);
    for (const std::string& block : blocks_) {
        bytes += block.capacity() + 1;
    }
    return bytes;
}

}  // namespace nubo
