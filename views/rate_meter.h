#pragma once

#include <cstdint>
#include <string>

namespace nubo {

// The Host page's rate fields for the running transfer: the current rate, the time
// remaining, the cumulative rate of the session and its total bytes. Fed by the
// transfer reports; no field ever shows "inf" or "nan" (a transfer that has taken no
// time yet has no rate, and without a rate nothing is remaining).
class RateMeter {
  public:
    struct Texts {
        std::string rate;        // KB/s, "%.2f"
        std::string remaining;   // "hh:mm:ss", "" when not known
        std::string cumulative;  // KB/s of the session, "%.2f"
        std::string total;       // bytes of the session, grouped
        // The current rate as a number (bytes per second), for displays of their own.
        int64_t bytesPerSecond = 0;
    };

    // A new session: earlier transfers are forgotten.
    void sessionStarted();
    void transferStarted(int64_t expectedSize, int64_t startMs);
    // The texts for `bytes` done so far at nowMs.
    Texts progress(int64_t bytes, int64_t nowMs) const;
    // The transfer ended: its bytes and time count for the cumulative rate.
    void transferEnded(int64_t bytes, int64_t endMs);

  private:
    int64_t expected_ = 0;
    int64_t startMs_ = 0;
    int64_t earlierBytes_ = 0;
    int64_t earlierMs_ = 0;
};

}  // namespace nubo
