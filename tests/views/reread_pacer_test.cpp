// When the local view reads its folder again: a burst of new or vanished entries once,
// after it settles; a file being written about once a second while it grows, and once
// after its last write; nothing ever held back longer than that second.
#include "views/reread_pacer.h"

#include <gtest/gtest.h>

namespace nubo {
namespace {

constexpr int64_t kSettle = RereadPacer::kSettleMs;
constexpr int64_t kWrite = RereadPacer::kWriteMs;

TEST(RereadPacerTest, ABurstOfEntriesIsOneReadAfterItSettles) {
    RereadPacer pacer;
    EXPECT_EQ(pacer.due(), -1);
    EXPECT_EQ(pacer.changed(true, false, 10000), 10000 + kSettle);
    EXPECT_EQ(pacer.changed(true, false, 10100), 10100 + kSettle) << "waits for the burst";
    EXPECT_EQ(pacer.changed(false, false, 10200), 10100 + kSettle) << "nothing changed";
    // A burst that goes on is read a second after it began all the same.
    EXPECT_EQ(pacer.changed(true, false, 10900), 10000 + kWrite);
    pacer.readStarted(11000);
    EXPECT_EQ(pacer.due(), -1);
}

TEST(RereadPacerTest, AGrowingFileIsReadAboutOnceASecondAndAfterItsLastWrite) {
    RereadPacer pacer;
    // The first write after a quiet while: read once it settles.
    EXPECT_EQ(pacer.changed(false, true, 0), kSettle);
    EXPECT_EQ(pacer.changed(false, true, 100), kSettle) << "writes never put a read off";
    pacer.readStarted(kSettle);
    // Writes right after a read wait for the second since it.
    EXPECT_EQ(pacer.changed(false, true, 400), kSettle + kWrite);
    EXPECT_EQ(pacer.changed(false, true, 900), kSettle + kWrite);
    pacer.readStarted(kSettle + kWrite);
    // The last write (its close) a moment later is read too.
    EXPECT_EQ(pacer.changed(false, true, 1400), kSettle + 2 * kWrite);
    pacer.readStarted(kSettle + 2 * kWrite);
    // Long after: at once, after the settling time.
    EXPECT_EQ(pacer.changed(false, true, 9000), 9000 + kSettle);
}

TEST(RereadPacerTest, AnEntryMadeWhileWritesWaitIsReadWhenItSettles) {
    RereadPacer pacer;
    pacer.readStarted(1000);
    EXPECT_EQ(pacer.changed(false, true, 1100), 1000 + kWrite);
    // The file renamed into place (a download's end): its own settling time.
    EXPECT_EQ(pacer.changed(true, false, 1900), 1100 + kWrite) << "no later than the second";
    pacer.readStarted(2100);
    // Made and written at once: the entry's settling time, not the writes' second.
    EXPECT_EQ(pacer.changed(true, true, 2200), 2200 + kSettle);
}

}  // namespace
}  // namespace nubo
