#include "base/post_queue.h"

namespace nubo {

void PostQueue::post(std::function<void()> work) {
    bool first = false;
    {
        std::lock_guard lock(mutex_);
        first = items_.empty();
        items_.push_back(std::move(work));
    }
    // Only the first of a run of posts wakes the waiter: it takes them all, and a wake
    // per post would cost the worker a system call for each (several per small file).
    if (first) {
        posted_.notify_all();
    }
}

bool PostQueue::waitForWork(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return posted_.wait_for(lock, timeout, [this] { return !items_.empty(); });
}

size_t PostQueue::runPending() {
    size_t ran = 0;
    for (;;) {
        std::function<void()> work;
        {
            std::lock_guard lock(mutex_);
            if (items_.empty()) {
                return ran;
            }
            work = std::move(items_.front());
            items_.pop_front();
        }
        work();
        ++ran;
    }
}

size_t PostQueue::pending() const {
    std::lock_guard lock(mutex_);
    return items_.size();
}

}  // namespace nubo
