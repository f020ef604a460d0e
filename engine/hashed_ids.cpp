#include "engine/hashed_ids.h"

#include <algorithm>
#include <bit>

namespace nubo {

namespace {

constexpr size_t kFewestSlots = 16;

}  // namespace

void HashedIds::rebuild(size_t slots) {
    std::vector<Slot> old;
    old.swap(slots_);
    slots_.assign(slots, Slot{});
    const size_t mask = slots - 1;
    for (const Slot& slot : old) {
        if (slot.id != 0) {
            size_t at = slot.tag & mask;
            while (slots_[at].id != 0) {
                at = (at + 1) & mask;
            }
            slots_[at] = slot;
        }
    }
}

void HashedIds::insert(uint32_t id, uint64_t hash) {
    if ((size_ + 1) * 4 > slots_.size() * 3) {
        rebuild(slots_.empty() ? kFewestSlots : slots_.size() * 2);
    }
    const size_t mask = slots_.size() - 1;
    const auto tag = static_cast<uint32_t>(hash);
    size_t at = tag & mask;
    while (slots_[at].id != 0) {
        at = (at + 1) & mask;
    }
    slots_[at] = {tag, id};
    ++size_;
}

bool HashedIds::erase(uint32_t id, uint64_t hash) {
    if (slots_.empty() || id == 0) {
        return false;
    }
    const size_t mask = slots_.size() - 1;
    size_t hole = static_cast<uint32_t>(hash) & mask;
    while (slots_[hole].id != id) {
        if (slots_[hole].id == 0) {
            return false;
        }
        hole = (hole + 1) & mask;
    }
    // The ids after the hole that may not stay behind it move into it, so that every id
    // is still found by probing from where it belongs.
    for (size_t at = (hole + 1) & mask; slots_[at].id != 0; at = (at + 1) & mask) {
        const size_t home = slots_[at].tag & mask;
        const bool reachable =
            hole <= at ? (hole < home && home <= at) : (hole < home || home <= at);
        if (!reachable) {
            slots_[hole] = slots_[at];
            hole = at;
        }
    }
    slots_[hole] = Slot{};
    --size_;
    if (slots_.size() > kFewestSlots && size_ * 4 < slots_.size() / 2) {
        rebuild(std::max(kFewestSlots, std::bit_ceil(size_ * 2)));
    }
    return true;
}

std::vector<uint32_t> HashedIds::ids() const {
    std::vector<uint32_t> held;
    held.reserve(size_);
    for (const Slot& slot : slots_) {
        if (slot.id != 0) {
            held.push_back(slot.id);
        }
    }
    return held;
}

void HashedIds::clear() {
    std::vector<Slot>().swap(slots_);
    size_ = 0;
}

}  // namespace nubo
