#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace nubo {

// A set of ids (not 0) found by a hash of what each stands for, which the caller
// computes: the ids are all it keeps, so the things they stand for are stored once, by
// their owner. Open addressing with linear probing: 8 bytes a slot, at most three
// quarters of them taken, and the table halved or more when fewer than an eighth are.
class HashedIds {
  public:
    size_t size() const { return size_; }
    // Adds an id that is not held, under its hash.
    void insert(uint32_t id, uint64_t hash);
    // Calls visit(id) for every id held under a hash like `hash` (the caller tells the
    // one it wants from the others).
    template <class Visit>
    void candidates(uint64_t hash, Visit visit) const {
        if (slots_.empty()) {
            return;
        }
        const size_t mask = slots_.size() - 1;
        const auto tag = static_cast<uint32_t>(hash);
        for (size_t at = tag & mask; slots_[at].id != 0; at = (at + 1) & mask) {
            if (slots_[at].tag == tag) {
                visit(slots_[at].id);
            }
        }
    }
    // Takes an id out (`hash` as it was inserted under); false when it was not held.
    bool erase(uint32_t id, uint64_t hash);
    std::vector<uint32_t> ids() const;
    // Empty, and the table given back.
    void clear();
    size_t memoryBytes() const { return slots_.capacity() * sizeof(Slot); }

  private:
    struct Slot {
        uint32_t tag = 0;  // the hash's low half: where the slot belongs, and a quick test
        uint32_t id = 0;   // 0: free
    };
    void rebuild(size_t slots);

    std::vector<Slot> slots_;
    size_t size_ = 0;
};

}  // namespace nubo
