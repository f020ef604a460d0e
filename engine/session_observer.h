#pragma once

#include <cstdint>
#include <string>

#include "engine/session_context.h"

namespace nubo {

// The Host page's view of a session: login, end, and the transfers that feed its
// graphs and statistics. Called on the session worker thread.
class SessionObserver {
  public:
    virtual ~SessionObserver() = default;
    // Login finished; connectedText is "host [a.b.c.d:port]".
    virtual void sessionLoggedIn(const std::string& connectedText) = 0;
    // The session is gone: no call may reach it any more.
    virtual void sessionEnded() = 0;
    // Transfer began: expected size (-1 when unknown), start time in ms.
    virtual void transferStarted(int64_t expectedSize, int64_t startMs) = 0;
    // Bytes moved so far; at most once per 1000 bytes.
    virtual void transferProgress(int64_t bytes) = 0;
    // The data connection of a transfer closed: bytes moved, end time in ms. Said of
    // aborted and broken transfers as well.
    virtual void transferEnded(int64_t bytes, int64_t endMs) = 0;
    // The outcome of one file's Get or Put, after its transferEnded when data moved:
    // whole when the file arrived or went out complete (not aborted, not broken, 2xx).
    virtual void transferOutcome(bool /*whole*/) {}
    // A file arrived or went out whole, or a broken transfer moved bytes that its
    // resumption keeps: a retrying run has made headway.
    virtual void transferAdvanced() {}
    // A file of a pool's batch arrived or went out whole: its bytes and milliseconds,
    // for the statistics (the pool's connections report nothing else one by one).
    virtual void fileTransferred(int64_t /*bytes*/, int64_t /*milliseconds*/) {}
    // The server's certificate did not verify and is not trusted: the connection was
    // refused. A window may ask the user and connect again.
    virtual void certificateRefused(const std::string& /*host*/, unsigned /*port*/,
                                    const TlsCertificateFacts& /*facts*/) {}
};

}  // namespace nubo
