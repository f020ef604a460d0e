#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/session_request.h"

namespace nubo {

class FtpSession;

// The windows' one way to a running session: what a widget may ask of it or tell it,
// and nothing of the session's insides (its sockets, queue or records). The session
// comes from a source asked at each call (the remote view's connected session, or the
// Host page's running one), so a link outlives sessions and is null-safe: without a
// session every call does nothing and says so.
//
// Calls come from the interface thread; the session's own locks and atomics make them
// safe beside its worker.
class SessionLink {
  public:
    using Source = std::function<FtpSession*()>;

    // The bytes both connections moved since the last sample, for the graphs.
    struct Traffic {
        int64_t dataReceived = 0;
        int64_t dataSent = 0;
        int64_t controlReceived = 0;
        int64_t controlSent = 0;
    };

    explicit SessionLink(Source source);

    bool connected() const;
    // Queues a change into a remote directory (a path as typed or picked).
    bool changeDirectory(const std::string& path) const;
    // Queues the listing of a remote directory (as the user saw it) into a local text file.
    bool listToFile(const std::string& directory, const std::string& path) const;
    // Queues a transfer the Transfers pane made of tasks (their folders and names).
    bool get(GetRequest request) const;
    bool put(PutRequest request) const;
    // A file of the running batch waiting for a connection (by its task): given up as
    // stopped, or taken next. False when it no longer waits.
    bool withdrawTask(uint64_t task) const;
    bool moveTaskToTop(uint64_t task) const;
    // The session's count of requests accepted so far (0 without one).
    uint64_t requestsAccepted() const;
    // Shows every raw listing line in the log, or stops doing so.
    void toggleRawLog() const;
    // "Logoff and Exit": a Logoff with an exit code is queued behind the rest.
    bool quitWhenDone() const;
    void setQuitWhenDone(bool on) const;
    // Takes and clears both connections' byte counts in one exchange each: the worker
    // keeps counting while they are read.
    Traffic takeTraffic() const;
    // Names the session among others of this process (for drags between views); the
    // same number for as long as the session runs, 0 without one.
    uint64_t id() const;

  private:
    Source source_;
};

}  // namespace nubo
