#include "engine/request_queue.h"

#include <chrono>

namespace nubo {

RequestQueue::RequestQueue() {
    for (SessionRequest& record : records_)
        free_.push_back(&record);
}

bool RequestQueue::enqueue(SessionRequest request) {
    const auto* logoff = std::get_if<LogoffRequest>(&request);
    const bool quits = logoff != nullptr && logoff->exitCode != 0;
    {
        std::lock_guard lock(lock_);
        if (quitPending_ || free_.empty()) {
            return false;
        }
        SessionRequest* record = free_.back();
        free_.pop_back();
        *record = std::move(request);
        queue_.push_back(record);
        ++accepted_;
        if (quits) {
            quitPending_ = true;
        }
    }
    waiting_.release();
    return true;
}

void RequestQueue::setQuitWhenDone(bool on) {
    {
        std::lock_guard lock(lock_);
        if (on == quitPending_) {
            return;
        }
        if (!on) {
            // Only while the Logoff still waits at the end of the queue; once the
            // worker has taken it the session is ending anyway.
            if (!queue_.empty() && std::holds_alternative<LogoffRequest>(*queue_.back())) {
                discardLocked(queue_.back());
                queue_.pop_back();
                quitPending_ = false;
            }
            return;
        }
    }
    enqueue(LogoffRequest{1});
}

bool RequestQueue::quitWhenDone() const {
    std::lock_guard lock(lock_);
    return quitPending_;
}

int RequestQueue::flush(const std::function<void(SessionRequest&)>& each, bool endsQuit) {
    std::lock_guard lock(lock_);
    int removed = 0;
    while (!queue_.empty()) {
        if (each)
            each(*queue_.front());
        discardLocked(queue_.front());
        queue_.pop_front();
        ++removed;
    }
    if (endsQuit)
        quitPending_ = false;
    return removed;
}

bool RequestQueue::wait(int keepAliveMs, const std::function<bool()>& idle) {
    if (keepAliveMs <= 0) {
        waiting_.acquire();
        return true;
    }
    while (!waiting_.try_acquire_for(std::chrono::milliseconds(keepAliveMs))) {
        if (!idle())
            return false;
    }
    return true;
}

SessionRequest* RequestQueue::take() {
    std::lock_guard lock(lock_);
    if (queue_.empty())
        return nullptr;
    SessionRequest* request = queue_.front();
    queue_.pop_front();
    return request;
}

void RequestQueue::finish(SessionRequest* record) {
    {
        std::lock_guard lock(lock_);
        releaseLocked(record);
    }
    ++completed_;
}

size_t RequestQueue::size() const {
    std::lock_guard lock(lock_);
    return queue_.size();
}

void RequestQueue::releaseLocked(SessionRequest* record) {
    *record = LogoffRequest{};  // what the request held goes with it
    free_.push_back(record);
}

void RequestQueue::discardLocked(SessionRequest* record) {
    releaseLocked(record);
    (void)waiting_.try_acquire();
    ++discarded_;
}

}  // namespace nubo
