#pragma once

#include <cstdint>

#include "views/graph_scale.h"

namespace nubo {

// What the Host page's two graphs get at each tick of their 2-second timer: the data
// connection's bytes read and written as bytes per second, the control connection's as
// the interval's byte counts, and each graph's automatic scale.
class GraphFeed {
  public:
    static constexpr int kTickMs = 2000;

    struct Tick {
        int64_t dataRead = 0;  // bytes per second
        int64_t dataWritten = 0;
        int64_t controlRead = 0;  // bytes in the interval
        int64_t controlWritten = 0;
        bool dataScaleChosen = false;  // the automatic choice was just made
        bool controlScaleChosen = false;
    };

    // A session starts: the time of the last sample.
    void sessionStarted(int64_t nowMs) { lastMs_ = nowMs; }
    // One tick with the byte counts taken since the last one.
    Tick tick(int64_t nowMs, int64_t dataRead, int64_t dataWritten, int64_t controlRead,
              int64_t controlWritten);

    GraphScale& dataScale() { return data_; }
    GraphScale& controlScale() { return control_; }

  private:
    int64_t lastMs_ = 0;
    GraphScale data_;
    GraphScale control_;
};

}  // namespace nubo
