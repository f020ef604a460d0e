#include "base/post_queue.h"

namespace nubo {

void PostQueue::post(std::function<void()> work) {
    {
        std::lock_guard lock(mutex_);
        items_.push_back(std::move(work));
    }
    posted_.notify_all();
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
