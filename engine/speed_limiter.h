#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

namespace nubo {

// A speed limit in one direction, shared by every connection of a session (its pool's
// too): a token bucket refilled continuously at the rate, holding at most a tenth of a
// second's worth. A transfer asks for the bytes of its next block and gets what the
// bucket holds, waiting in steps of at most that tenth while it holds too little, so
// progress stays smooth, a new rate counts within a step, and a Stop is seen within one.
// Without a limit a request costs one atomic load.
class SpeedLimiter {
  public:
    // What the bucket fills by and waits with: the steady clock and a sleep unless given
    // (tests give one whose sleep moves its time on, so nothing depends on the machine).
    class Clock {
      public:
        virtual ~Clock() = default;
        virtual int64_t nowMicros() = 0;
        virtual void sleepMicros(int64_t micros) = 0;
    };

    // The bucket holds this long's worth of bytes: the largest burst, the longest wait.
    static constexpr int64_t kWindowMicros = 100'000;
    // The settings' largest limit, in KB/s of 1,024 bytes (4 GB/s).
    static constexpr int kMaxKilobytesPerSecond = 4 * 1024 * 1024;

    // What the bucket has handed out: bytes granted and given back, how many grants and
    // the largest, and how many waits it took.
    struct Counters {
        int64_t granted = 0;
        int64_t returned = 0;
        int64_t grants = 0;
        int64_t largestGrant = 0;
        int64_t waits = 0;
    };

    explicit SpeedLimiter(Clock* clock = nullptr);
    SpeedLimiter(const SpeedLimiter&) = delete;
    SpeedLimiter& operator=(const SpeedLimiter&) = delete;

    // Bytes per second; 0 switches the limit off. Requests waiting take it at their next
    // step; a full bucket is cut to the new rate's tenth.
    void setRate(int64_t bytesPerSecond);
    // The same from a setting in KB/s (0: off; beyond kMaxKilobytesPerSecond: that).
    void setKilobytesPerSecond(int kilobytes);
    int64_t rate() const { return rate_.load(std::memory_order_relaxed); }
    // The bytes the bucket holds when full at the present rate (0 without a limit).
    int64_t burstBytes() const;

    // Up to `wanted` bytes may go now: at least one, waiting until the bucket holds
    // `wanted` or is full. Without a limit, `wanted` at once. 0 when `stop` was seen set
    // (checked before each step) or nothing was wanted.
    int64_t acquire(int64_t wanted, const std::atomic<bool>& stop);
    // Bytes of a grant that did not go (a receive that brought fewer than granted).
    void giveBack(int64_t unused);

    Counters counters() const;

  private:
    void refillLocked(int64_t now, int64_t rate);

    Clock* clock_;
    std::atomic<int64_t> rate_{0};
    mutable std::mutex lock_;
    // The bucket in byte-microseconds per second (bytes x 1,000,000), so that refilling
    // by the microsecond loses nothing to rounding.
    int64_t credit_ = 0;
    int64_t lastMicros_ = 0;
    Counters counters_;
};

}  // namespace nubo
