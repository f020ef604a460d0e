#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace nubo {

// A bit per position, with the number of set bits in every span of 4096, so that where a
// set bit stands among the set ones (rank) and which position is the k-th set one
// (select) cost a pass over the spans rather than over the bits: a million positions are
// 244 spans. An eighth of a byte a position.
class CountedBits {
  public:
    size_t size() const { return size_; }
    size_t count() const { return count_; }
    // One more position, cleared.
    void pushBack();
    bool test(size_t at) const;
    void set(size_t at, bool on);
    // The set bits before `at`.
    size_t rank(size_t at) const;
    // The position of the set bit with `rank` set bits before it; size() when there are
    // not that many.
    size_t select(size_t rank) const;
    // The first set bit at `from` or after; size() when none.
    size_t next(size_t from) const;
    size_t memoryBytes() const;

  private:
    static constexpr size_t kSpanWords = 64;

    std::vector<uint64_t> words_;
    std::vector<uint32_t> spans_;  // set bits per kSpanWords words
    size_t size_ = 0;
    size_t count_ = 0;
};

}  // namespace nubo
