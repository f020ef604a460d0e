#pragma once

#include <cstdint>

namespace nubo {

// The low-speed limit of a data connection, like curl's --speed-limit/--speed-time: a
// connection that moves fewer than `floorBytes` in a window of `windowMs` is stalled,
// as if it had gone silent. The first window opens with the first bytes (waiting for
// them is the silence time-out's business), each later one where the last ended.
class LowSpeedGuard {
  public:
    // A floor of 0 switches the guard off.
    void configure(int64_t floorBytes, int windowMs) {
        floorBytes_ = floorBytes;
        windowMs_ = windowMs;
        reset();
    }
    // A new connection: no window open.
    void reset() {
        opened_ = false;
        bytes_ = 0;
    }
    // `moved` bytes went through at nowMs; true when the window that ends here moved
    // too little.
    bool tooSlow(int64_t moved, int64_t nowMs) {
        if (floorBytes_ <= 0) {
            return false;
        }
        if (!opened_) {
            opened_ = true;
            windowStartMs_ = nowMs;
            bytes_ = moved;
            return false;
        }
        bytes_ += moved;
        if (nowMs - windowStartMs_ < windowMs_) {
            return false;
        }
        const bool slow = bytes_ < floorBytes_;
        windowStartMs_ = nowMs;
        bytes_ = 0;
        return slow;
    }
    int64_t floorBytes() const { return floorBytes_; }
    int windowMs() const { return windowMs_; }

  private:
    int64_t floorBytes_ = 0;
    int windowMs_ = 0;
    bool opened_ = false;
    int64_t windowStartMs_ = 0;
    int64_t bytes_ = 0;
};

}  // namespace nubo
