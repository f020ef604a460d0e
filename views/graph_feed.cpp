#include "views/graph_feed.h"

namespace nubo {

GraphFeed::Tick GraphFeed::tick(int64_t nowMs, int64_t dataRead, int64_t dataWritten,
                                int64_t controlRead, int64_t controlWritten) {
    int64_t elapsed = nowMs - lastMs_;
    if (elapsed <= 0)
        elapsed = kTickMs;
    lastMs_ = nowMs;
    Tick tick;
    tick.dataRead = dataRead * 1000 / elapsed;
    tick.dataWritten = dataWritten * 1000 / elapsed;
    tick.controlRead = controlRead;
    tick.controlWritten = controlWritten;
    tick.dataScaleChosen = data_.observe(tick.dataRead, tick.dataWritten);
    tick.controlScaleChosen = control_.observe(tick.controlRead, tick.controlWritten);
    return tick;
}

}  // namespace nubo
