// The speed limit's token bucket on a clock of the test's own: every wait moves the
// clock on by what was asked, so the figures are exact and nothing waits for real.
#include "engine/speed_limiter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace nubo {
namespace {

class FakeClock : public SpeedLimiter::Clock {
  public:
    int64_t nowMicros() override { return now_.load(); }
    void sleepMicros(int64_t micros) override {
        ++sleeps;
        int64_t longest = longestSleep.load();
        while (micros > longest && !longestSleep.compare_exchange_weak(longest, micros)) {
        }
        now_ += micros;
        if (onSleep)
            onSleep();
    }
    void advance(int64_t micros) { now_ += micros; }

    std::atomic<int> sleeps{0};
    std::atomic<int64_t> longestSleep{0};
    std::function<void()> onSleep;

  private:
    std::atomic<int64_t> now_{1'000'000'000};
};

class SpeedLimiterTest : public ::testing::Test {
  protected:
    // Takes blocks of `block` bytes until the clock has moved on `micros`; the bytes.
    int64_t takeFor(int64_t micros, int64_t block) {
        const int64_t end = clock.nowMicros() + micros;
        int64_t total = 0;
        while (clock.nowMicros() < end) {
            total += limiter.acquire(block, stop);
        }
        return total;
    }

    FakeClock clock;
    SpeedLimiter limiter{&clock};
    std::atomic<bool> stop{false};
};

TEST_F(SpeedLimiterTest, TheRateIsKeptOverAWindowInStepsOfATenthOfASecond) {
    limiter.setKilobytesPerSecond(10);  // 10,240 bytes a second: a full bucket is 1,024
    ASSERT_EQ(limiter.rate(), 10240);
    ASSERT_EQ(limiter.burstBytes(), 1024);
    const int64_t start = clock.nowMicros();
    const int64_t total = takeFor(10'000'000, 64 * 1024);
    const int64_t elapsed = clock.nowMicros() - start;
    // The full bucket it started with, and exactly the rate's bytes since.
    EXPECT_EQ(total, 1024 + 10240 * elapsed / 1'000'000);
    const SpeedLimiter::Counters counters = limiter.counters();
    EXPECT_EQ(counters.granted, total);
    EXPECT_EQ(counters.largestGrant, 1024);
    EXPECT_EQ(counters.grants, 101);
    EXPECT_EQ(counters.waits, 100);
    EXPECT_LE(clock.longestSleep.load(), SpeedLimiter::kWindowMicros);
}

TEST_F(SpeedLimiterTest, ARateOfOddBytesLosesNothingToRounding) {
    limiter.setRate(1234);  // a tenth of a second is 123.4 bytes
    const int64_t start = clock.nowMicros();
    const int64_t total = takeFor(100'000'000, 4096);
    // A full bucket's 123.4 bytes and the rate's since, to the byte.
    const int64_t allowed =
        (1234 * SpeedLimiter::kWindowMicros + 1234 * (clock.nowMicros() - start)) / 1'000'000;
    EXPECT_LE(total, allowed);
    EXPECT_GE(total, allowed - 1);
}

TEST_F(SpeedLimiterTest, BurstsAreBoundedHoweverLongTheBucketWasLeftAlone) {
    limiter.setKilobytesPerSecond(100);
    clock.advance(3'600'000'000LL);  // an hour without a request
    EXPECT_EQ(limiter.acquire(int64_t{1} << 30, stop), 10240);
    // A small request goes at once from what is left; a larger one waits only for its
    // own bytes, not for a full bucket.
    limiter.giveBack(600);
    EXPECT_EQ(limiter.acquire(500, stop), 500);
    EXPECT_EQ(clock.sleeps.load(), 0);
    EXPECT_EQ(limiter.acquire(300, stop), 300);
    EXPECT_EQ(clock.sleeps.load(), 1);
    EXPECT_EQ(clock.longestSleep.load(), 200 * 1'000'000 / 102400 + 1);
    // What is given back never fills the bucket beyond a tenth of a second.
    limiter.giveBack(1'000'000);
    EXPECT_EQ(limiter.acquire(int64_t{1} << 30, stop), 10240);
    const SpeedLimiter::Counters counters = limiter.counters();
    EXPECT_EQ(counters.granted - counters.returned, 10240 + 500 + 300 + 10240 - 1'000'600);
}

TEST_F(SpeedLimiterTest, ANewRateCountsFromTheNextStep) {
    limiter.setKilobytesPerSecond(10);
    takeFor(1'000'000, 65536);
    // Raised: the next tenth of a second brings the new rate's bytes.
    limiter.setKilobytesPerSecond(1000);
    EXPECT_EQ(limiter.acquire(1 << 20, stop), 102400);
    EXPECT_EQ(limiter.burstBytes(), 102400);
    // Lowered with the bucket full: it is cut to the new rate's tenth.
    clock.advance(1'000'000);
    limiter.setKilobytesPerSecond(1);
    EXPECT_EQ(limiter.acquire(1 << 20, stop), 102);
    // A request waiting for a slow rate takes a raised one at its next step: one step at
    // the old rate, one for the new rate's full bucket.
    clock.sleeps = 0;
    clock.onSleep = [this] { limiter.setKilobytesPerSecond(500); };
    EXPECT_EQ(limiter.acquire(1 << 20, stop), 51200);
    EXPECT_EQ(clock.sleeps.load(), 2);
    EXPECT_LE(clock.longestSleep.load(), SpeedLimiter::kWindowMicros);
}

TEST_F(SpeedLimiterTest, NoLimitLetsEverythingGoAtOnceAndCountsNothing) {
    EXPECT_EQ(limiter.rate(), 0);
    EXPECT_EQ(limiter.burstBytes(), 0);
    EXPECT_EQ(limiter.acquire(int64_t{1} << 40, stop), int64_t{1} << 40);
    limiter.giveBack(12345);
    EXPECT_EQ(limiter.counters().granted, 0);
    EXPECT_EQ(limiter.counters().returned, 0);
    // Switched off while a request waits: it goes after that step with all it asked.
    limiter.setKilobytesPerSecond(1);
    EXPECT_EQ(limiter.acquire(102, stop), 102);
    clock.onSleep = [this] { limiter.setKilobytesPerSecond(0); };
    EXPECT_EQ(limiter.acquire(1 << 20, stop), 1 << 20);
    EXPECT_EQ(clock.sleeps.load(), 1);
    // Out of range: negative is no limit, too large the largest.
    limiter.setKilobytesPerSecond(-5);
    EXPECT_EQ(limiter.rate(), 0);
    limiter.setKilobytesPerSecond(INT32_MAX);
    EXPECT_EQ(limiter.rate(), int64_t{SpeedLimiter::kMaxKilobytesPerSecond} * 1024);
}

TEST_F(SpeedLimiterTest, AStopEndsAWaitWithinOneStep) {
    limiter.setRate(1);  // a byte a second: the one byte of a full bucket takes 10 steps
    EXPECT_EQ(limiter.acquire(10, stop), 1);
    clock.onSleep = [this] { stop = true; };
    EXPECT_EQ(limiter.acquire(10, stop), 0);
    EXPECT_EQ(clock.sleeps.load(), 1);
    EXPECT_LE(clock.longestSleep.load(), SpeedLimiter::kWindowMicros);
    EXPECT_EQ(limiter.counters().grants, 1);
    // Without the stop the byte comes at the end of its second: the step already waited
    // counts, nine more follow.
    stop = false;
    clock.onSleep = nullptr;
    clock.sleeps = 0;
    EXPECT_EQ(limiter.acquire(10, stop), 1);
    EXPECT_EQ(clock.sleeps.load(), 9);
}

TEST_F(SpeedLimiterTest, UsersSharingTheBucketTogetherKeepTheRate) {
    limiter.setKilobytesPerSecond(40);  // 40,960 a second, 4,096 a full bucket
    const int64_t start = clock.nowMicros();
    // Two users in turn, one with small blocks and one with large: together the rate.
    int64_t small = 0;
    int64_t large = 0;
    while (clock.nowMicros() - start < 5'000'000) {
        small += limiter.acquire(1000, stop);
        large += limiter.acquire(1 << 20, stop);
    }
    EXPECT_GT(small, 0);
    EXPECT_GT(large, small);
    const int64_t allowed = 4096 + 40960 * (clock.nowMicros() - start) / 1'000'000;
    EXPECT_LE(small + large, allowed);
    EXPECT_GE(small + large, allowed - 4096);
}

TEST_F(SpeedLimiterTest, ThreadsSharingTheBucketNeverTakeMoreThanItGave) {
    limiter.setKilobytesPerSecond(64);
    const int64_t start = clock.nowMicros();
    std::atomic<int64_t> total{0};
    std::vector<std::thread> users;
    for (int i = 0; i < 4; ++i) {
        users.emplace_back([&, i] {
            for (int k = 0; k < 200; ++k) {
                total += limiter.acquire(int64_t{1000} << i, stop);
                if (k % 50 == 0)
                    limiter.giveBack(10);  // a receive that brought a little less
            }
        });
    }
    for (std::thread& user : users)
        user.join();
    const SpeedLimiter::Counters counters = limiter.counters();
    EXPECT_EQ(counters.granted, total.load());
    EXPECT_EQ(counters.returned, 4 * 4 * 10);
    // Each sleep moved the shared clock on: the time is at least what the bytes needed.
    const int64_t allowed =
        counters.returned +
        (65536 * SpeedLimiter::kWindowMicros + 65536 * (clock.nowMicros() - start)) / 1'000'000;
    EXPECT_LE(counters.granted, allowed);
    EXPECT_LE(counters.largestGrant, limiter.burstBytes());
}

}  // namespace
}  // namespace nubo
