#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>

namespace nubo {

// A queue of posted work, run later by its owner's thread: the stand-in for posted
// window messages where there is no event loop (tests, headless runs).
class PostQueue {
  public:
    void post(std::function<void()> work);
    // Runs everything posted so far, including what that work posts; returns how many
    // items ran.
    size_t runPending();
    size_t pending() const;
    // Waits until something is posted or the time is up; true when work waits.
    bool waitForWork(std::chrono::milliseconds timeout);

  private:
    mutable std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> items_;
};

}  // namespace nubo
