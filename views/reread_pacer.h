#pragma once

#include <cstdint>

namespace nubo {

// When the local view reads its folder again after changes on disk (times in ms of a
// steady clock). Entries made, removed or renamed are read once they have settled, so a
// burst of them is one read; files being written are read at most once a second while
// the writes go on, so a growing file's size follows, and once more after they stop.
// A burst never holds a read back longer than that second.
class RereadPacer {
  public:
    static constexpr int64_t kSettleMs = 300;
    static constexpr int64_t kWriteMs = 1000;

    // Changes seen now; the time the next read is due.
    int64_t changed(bool entries, bool writes, int64_t nowMs);
    // The read due has started.
    void readStarted(int64_t nowMs);
    // The time the next read is due; -1 when none is.
    int64_t due() const { return due_; }

  private:
    int64_t due_ = -1;
    int64_t pendingSince_ = 0;
    int64_t lastRead_ = -kWriteMs;
};

}  // namespace nubo
