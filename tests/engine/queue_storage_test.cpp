// The parts the TransferQueue keeps its tasks in, each against a plain container that
// does the same slowly: the waiting bits (rank, select, next across spans), the index of
// unfinished tasks (colliding hashes, erasures that wrap around, growing and shrinking)
// and the blocks of names.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/counted_bits.h"
#include "engine/hashed_ids.h"
#include "engine/text_arena.h"

namespace nubo {
namespace {

// Checks every query of bits against the plain bools it should match.
void expectSame(const CountedBits& bits, const std::vector<bool>& plain) {
    ASSERT_EQ(bits.size(), plain.size());
    std::vector<size_t> set;
    for (size_t at = 0; at < plain.size(); ++at) {
        ASSERT_EQ(bits.test(at), plain[at]) << at;
        ASSERT_EQ(bits.rank(at), set.size()) << at;
        if (plain[at])
            set.push_back(at);
    }
    ASSERT_EQ(bits.count(), set.size());
    for (size_t k = 0; k < set.size(); ++k)
        ASSERT_EQ(bits.select(k), set[k]) << k;
    EXPECT_EQ(bits.select(set.size()), bits.size());
    // next() from every position, walked as the queue lists its waiting tasks.
    size_t expected = 0;
    for (size_t at = 0; at <= plain.size(); ++at) {
        while (expected < set.size() && set[expected] < at)
            ++expected;
        ASSERT_EQ(bits.next(at), expected < set.size() ? set[expected] : bits.size()) << at;
    }
}

TEST(CountedBitsTest, RankSelectAndNextMatchPlainBitsAcrossSpans) {
    CountedBits bits;
    std::vector<bool> plain;
    expectSame(bits, plain);
    std::mt19937 random(7);
    // Three spans and a part: runs of cleared spans, a bit at each edge of a span.
    for (size_t at = 0; at < 3 * 4096 + 100; ++at) {
        bits.pushBack();
        plain.push_back(false);
    }
    for (size_t at : {size_t{0}, size_t{63}, size_t{64}, size_t{4095}, size_t{4096},
                      size_t{3 * 4096}, size_t{3 * 4096 + 99}}) {
        bits.set(at, true);
        plain[at] = true;
    }
    expectSame(bits, plain);
    for (int step = 0; step < 3000; ++step) {
        const size_t at = random() % plain.size();
        const bool on = random() % 3 != 0;
        bits.set(at, on);
        plain[at] = on;
    }
    expectSame(bits, plain);
    // Set twice or cleared twice, a bit counts once.
    bits.set(5, true);
    bits.set(5, true);
    plain[5] = true;
    bits.set(6, false);
    bits.set(6, false);
    plain[6] = false;
    bits.set(plain.size(), true);  // past the end: nothing
    expectSame(bits, plain);
}

// Ids under few hashes, so that they collide, share runs and wrap around the table's end.
uint64_t hashOf(uint32_t id) {
    return id % 5 == 0 ? 0xffffffffULL : id % 7;
}

std::set<uint32_t> candidatesOf(const HashedIds& ids, uint64_t hash) {
    std::set<uint32_t> found;
    ids.candidates(hash, [&found](uint32_t id) { found.insert(id); });
    return found;
}

TEST(HashedIdsTest, EveryIdIsFoundUnderItsHashThroughGrowthErasureAndShrinking) {
    HashedIds ids;
    EXPECT_FALSE(ids.erase(1, hashOf(1))) << "empty";
    EXPECT_TRUE(candidatesOf(ids, 0).empty());
    std::map<uint64_t, std::set<uint32_t>> plain;
    std::mt19937 random(11);
    std::vector<uint32_t> held;
    for (uint32_t id = 1; id <= 5000; ++id) {
        ids.insert(id, hashOf(id));
        plain[hashOf(id)].insert(id);
        held.push_back(id);
    }
    // Most go, in no order: the table shrinks, and every id left is still found.
    std::shuffle(held.begin(), held.end(), random);
    for (size_t n = 0; n < 4900; ++n) {
        const uint32_t id = held[n];
        ASSERT_TRUE(ids.erase(id, hashOf(id))) << id;
        ASSERT_FALSE(ids.erase(id, hashOf(id))) << "twice " << id;
        plain[hashOf(id)].erase(id);
        if (n % 700 == 0) {
            for (const auto& [hash, expected] : plain)
                ASSERT_EQ(candidatesOf(ids, hash), expected) << "after " << n;
        }
    }
    EXPECT_EQ(ids.size(), 100u);
    EXPECT_LT(ids.memoryBytes(), 5000u * 8 / 4) << "given back as ids went";
    for (const auto& [hash, expected] : plain)
        EXPECT_EQ(candidatesOf(ids, hash), expected);
    std::vector<uint32_t> all = ids.ids();
    std::sort(all.begin(), all.end());
    std::vector<uint32_t> left(held.begin() + 4900, held.end());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(all, left);
    EXPECT_FALSE(ids.erase(left.front(), hashOf(left.front()) + 1)) << "under another hash";
    ids.clear();
    EXPECT_EQ(ids.size(), 0u);
    EXPECT_EQ(ids.memoryBytes(), 0u);
    EXPECT_TRUE(candidatesOf(ids, hashOf(left.front())).empty());
}

TEST(TextArenaTest, TextsReadBackWholeAcrossBlocks) {
    TextArena arena;
    std::vector<std::pair<uint64_t, std::string>> stored;
    // Enough for several blocks, with texts of every length up to one larger than a
    // block, and pairs stored side by side.
    size_t total = 0;
    for (int i = 0; total < (size_t{3} << 20); ++i) {
        const std::string first(static_cast<size_t>(i * 37 % 300), static_cast<char>('a' + i % 26));
        const std::string second = i % 3 == 0 ? "-" + std::to_string(i) : std::string();
        stored.emplace_back(arena.store(first, second), first + second);
        total += first.size() + second.size();
    }
    const std::string huge((size_t{1} << 20) + 5, 'h');
    stored.emplace_back(arena.store(huge), huge);
    stored.emplace_back(arena.store("after", "wards"), "afterwards");
    for (const auto& [at, text] : stored)
        ASSERT_EQ(arena.text(at, text.size()), text);
    // The second text of a pair starts where the first ends.
    EXPECT_EQ(arena.text(stored.back().first + 5, 5), "wards");
    EXPECT_LT(arena.memoryBytes(), total + huge.size() + (size_t{2} << 20))
        << "at most a block beside what is held";
}

}  // namespace
}  // namespace nubo
