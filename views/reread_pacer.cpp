#include "views/reread_pacer.h"

#include <algorithm>

namespace nubo {

int64_t RereadPacer::changed(bool entries, bool writes, int64_t nowMs) {
    if (!entries && !writes)
        return due_;
    if (due_ < 0)
        pendingSince_ = nowMs;
    const int64_t settled = nowMs + kSettleMs;
    int64_t want = entries ? settled : std::max(settled, lastRead_ + kWriteMs);
    want = std::min(want, std::max(pendingSince_ + kWriteMs, nowMs));
    // Entries changing again wait for the burst to end; writes never put a read off.
    due_ = due_ < 0 || entries ? want : std::min(due_, want);
    return due_;
}

void RereadPacer::readStarted(int64_t nowMs) {
    lastRead_ = nowMs;
    due_ = -1;
}

}  // namespace nubo
