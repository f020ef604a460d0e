#include "engine/counted_bits.h"

#include <bit>

namespace nubo {

namespace {

constexpr size_t kWordBits = 64;

// The set bits of a word below bit `below` (0-63).
size_t countBelow(uint64_t word, size_t below) {
    return static_cast<size_t>(std::popcount(word & ((uint64_t{1} << below) - 1)));
}

}  // namespace

void CountedBits::pushBack() {
    if (size_ % kWordBits == 0) {
        words_.push_back(0);
        if (words_.size() % kSpanWords == 1) {
            spans_.push_back(0);
        }
    }
    ++size_;
}

bool CountedBits::test(size_t at) const {
    return at < size_ && ((words_[at / kWordBits] >> (at % kWordBits)) & 1) != 0;
}

void CountedBits::set(size_t at, bool on) {
    if (at >= size_ || test(at) == on) {
        return;
    }
    words_[at / kWordBits] ^= uint64_t{1} << (at % kWordBits);
    uint32_t& span = spans_[at / kWordBits / kSpanWords];
    if (on) {
        ++span;
        ++count_;
    } else {
        --span;
        --count_;
    }
}

size_t CountedBits::rank(size_t at) const {
    if (at >= size_) {
        return count_;
    }
    const size_t word = at / kWordBits;
    const size_t span = word / kSpanWords;
    size_t before = 0;
    for (size_t s = 0; s < span; ++s) {
        before += spans_[s];
    }
    for (size_t w = span * kSpanWords; w < word; ++w) {
        before += static_cast<size_t>(std::popcount(words_[w]));
    }
    return before + countBelow(words_[word], at % kWordBits);
}

size_t CountedBits::select(size_t rank) const {
    if (rank >= count_) {
        return size_;
    }
    size_t span = 0;
    while (rank >= spans_[span]) {
        rank -= spans_[span++];
    }
    size_t word = span * kSpanWords;
    for (;; ++word) {
        const auto ones = static_cast<size_t>(std::popcount(words_[word]));
        if (rank < ones) {
            break;
        }
        rank -= ones;
    }
    uint64_t bits = words_[word];
    for (; rank > 0; --rank) {
        bits &= bits - 1;  // drops the lowest set bit
    }
    return word * kWordBits + static_cast<size_t>(std::countr_zero(bits));
}

size_t CountedBits::next(size_t from) const {
    if (from >= size_) {
        return size_;
    }
    size_t word = from / kWordBits;
    uint64_t bits = words_[word] & (~uint64_t{0} << (from % kWordBits));
    while (bits == 0) {
        ++word;
        // Spans without a set bit are passed whole: a long run of ended tasks costs little.
        while (word < words_.size() && word % kSpanWords == 0 && spans_[word / kSpanWords] == 0) {
            word += kSpanWords;
        }
        if (word >= words_.size()) {
            return size_;
        }
        bits = words_[word];
    }
    return word * kWordBits + static_cast<size_t>(std::countr_zero(bits));
}

size_t CountedBits::memoryBytes() const {
    return words_.capacity() * sizeof(uint64_t) + spans_.capacity() * sizeof(uint32_t);
}

}  // namespace nubo
