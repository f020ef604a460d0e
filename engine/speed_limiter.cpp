#include "engine/speed_limiter.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace nubo {

namespace {

constexpr int64_t kMicrosPerSecond = 1'000'000;
// Far beyond any line, and small enough that a full bucket's byte-microseconds fit.
constexpr int64_t kMaxRate = int64_t{1} << 40;

class SteadyClock : public SpeedLimiter::Clock {
  public:
    int64_t nowMicros() override {
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void sleepMicros(int64_t micros) override {
        std::this_thread::sleep_for(std::chrono::microseconds(micros));
    }
};

SteadyClock steadyClock;

// A full bucket in byte-microseconds per second: a window's worth, one byte at least.
int64_t capacityOf(int64_t rate) {
    return std::max(rate * SpeedLimiter::kWindowMicros, kMicrosPerSecond);
}

}  // namespace

SpeedLimiter::SpeedLimiter(Clock* clock) : clock_(clock != nullptr ? clock : &steadyClock) {}

void SpeedLimiter::setRate(int64_t bytesPerSecond) {
    const int64_t rate = std::clamp<int64_t>(bytesPerSecond, 0, kMaxRate);
    std::lock_guard lock(lock_);
    const int64_t now = clock_->nowMicros();
    const int64_t old = rate_.load(std::memory_order_relaxed);
    if (old == 0) {
        credit_ = capacityOf(rate);  // from no limit: a full bucket, as after a pause
    } else {
        refillLocked(now, old);  // what the old rate gave until now is kept
        credit_ = std::min(credit_, capacityOf(rate));
    }
    lastMicros_ = now;
    rate_.store(rate, std::memory_order_relaxed);
}

void SpeedLimiter::setKilobytesPerSecond(int kilobytes) {
    setRate(int64_t{std::clamp(kilobytes, 0, kMaxKilobytesPerSecond)} * 1024);
}

int64_t SpeedLimiter::burstBytes() const {
    const int64_t rate = rate_.load(std::memory_order_relaxed);
    return rate > 0 ? capacityOf(rate) / kMicrosPerSecond : 0;
}

void SpeedLimiter::refillLocked(int64_t now, int64_t rate) {
    // Beyond the time that fills it the bucket is full anyway: the product stays in range.
    const int64_t capacity = capacityOf(rate);
    const int64_t elapsed = std::clamp<int64_t>(now - lastMicros_, 0, capacity / rate + 1);
    lastMicros_ = std::max(lastMicros_, now);
    credit_ = std::min(credit_ + elapsed * rate, capacity);
}

int64_t SpeedLimiter::acquire(int64_t wanted, const std::atomic<bool>& stop) {
    if (wanted <= 0) {
        return 0;
    }
    if (rate_.load(std::memory_order_relaxed) == 0) {
        return wanted;
    }
    std::unique_lock lock(lock_);
    for (;;) {
        if (stop.load(std::memory_order_relaxed)) {
            return 0;
        }
        const int64_t rate = rate_.load(std::memory_order_relaxed);
        if (rate == 0) {
            return wanted;  // switched off while this one waited
        }
        refillLocked(clock_->nowMicros(), rate);
        // A full bucket is enough for any request: what it holds goes, the rest later.
        const int64_t enough = std::min(wanted, capacityOf(rate) / kMicrosPerSecond);
        const int64_t held = credit_ / kMicrosPerSecond;
        if (held >= enough) {
            const int64_t granted = std::min(wanted, held);
            credit_ -= granted * kMicrosPerSecond;
            counters_.granted += granted;
            ++counters_.grants;
            counters_.largestGrant = std::max(counters_.largestGrant, granted);
            return granted;
        }
        const int64_t missing = enough * kMicrosPerSecond - credit_;
        const int64_t wait = std::min((missing + rate - 1) / rate, kWindowMicros);
        ++counters_.waits;
        lock.unlock();
        clock_->sleepMicros(wait);
        lock.lock();
    }
}

void SpeedLimiter::giveBack(int64_t unused) {
    const int64_t rate = rate_.load(std::memory_order_relaxed);
    if (unused <= 0 || rate == 0) {
        return;  // without a limit nothing is owed
    }
    std::lock_guard lock(lock_);
    counters_.returned += unused;
    credit_ = std::min(credit_ + unused * kMicrosPerSecond, capacityOf(rate));
}

SpeedLimiter::Counters SpeedLimiter::counters() const {
    std::lock_guard lock(lock_);
    return counters_;
}

}  // namespace nubo
