#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <semaphore>
#include <vector>

#include "engine/session_request.h"

namespace nubo {

// A session's waiting requests: a fixed pool of records that move between a free list
// and the queue under one lock, and a semaphore counting what is queued, the only thing
// an idle worker waits on. Any thread queues and flushes; the worker takes one at a time
// and finishes it. The counts tell the windows which request is the user's next and
// when everything accepted has run or was flushed.
class RequestQueue {
  public:
    static constexpr int kCapacity = 64;

    RequestQueue();
    RequestQueue(const RequestQueue&) = delete;
    RequestQueue& operator=(const RequestQueue&) = delete;

    // Queues a request; false when it was dropped (a Logoff with an exit code is queued,
    // or every record is in use).
    bool enqueue(SessionRequest request);
    // True queues a Logoff with exit code 1 behind everything queued; false withdraws it
    // while it still waits at the end.
    void setQuitWhenDone(bool on);
    bool quitWhenDone() const;
    // Flushes every waiting request, each handed to `each` first; the number flushed.
    // endsQuit: a Logoff waiting among them no longer stands (a Stop); a session that
    // is over keeps refusing what comes after its Logoff.
    int flush(const std::function<void(SessionRequest&)>& each, bool endsQuit = true);

    // ---- the worker ----
    // Waits until a request may be there. With keepAliveMs > 0, `idle` is called after
    // each such period without one; false from it ends the wait with false.
    bool wait(int keepAliveMs, const std::function<bool()>& idle);
    // The next request, or null when a flush took it after the wait.
    SessionRequest* take();
    // The request taken has run: its record goes back, and it counts as completed.
    void finish(SessionRequest* record);

    size_t size() const;
    // Accepted so far (the windows tell the user's next command by it); run to their
    // end; run or flushed.
    uint64_t accepted() const { return accepted_; }
    uint64_t completed() const { return completed_; }
    uint64_t ended() const { return completed_ + discarded_; }
    // Every accepted request has run or was flushed.
    bool idle() const {
        const uint64_t accepted = accepted_;  // first: the others only catch up with it
        return completed_ + discarded_ >= accepted;
    }

  private:
    void releaseLocked(SessionRequest* record);
    // Takes a waiting request out unrun (the worker may hold its count already: it then
    // finds the queue empty and waits again).
    void discardLocked(SessionRequest* record);

    mutable std::mutex lock_;
    std::counting_semaphore<kCapacity> waiting_{0};
    std::array<SessionRequest, kCapacity> records_;
    std::vector<SessionRequest*> free_;
    std::deque<SessionRequest*> queue_;
    bool quitPending_ = false;
    std::atomic<uint64_t> accepted_{0};
    std::atomic<uint64_t> completed_{0};
    std::atomic<uint64_t> discarded_{0};
};

}  // namespace nubo
