#pragma once

#include <mutex>
#include <string>

#include "base/app_log_listener.h"

namespace nubo {

// What the Host page says of a session in one line: why a connect or a login failed,
// or why a session that nobody ended is over, in the words the log used ("530 Login
// incorrect.", "Host not found: secret", "Connection lost: connection reset"). It
// reads the log's lines while a session runs; an end that was asked for says nothing.
//
// Lines arrive on the session's thread; the rest runs on the owner's. A line that the
// log's flags keep out never arrives: the message is then a plain one.
class SessionOutcome : public AppLogListener {
  public:
    // A connect to host begins: what was said of the last session goes.
    void started(const std::string& host);
    void loggedIn();
    // The session was asked to end (Logoff, the exit, a command line's last request):
    // its end is no failure.
    void endRequested();
    // The session is over: message() now says how, when that needs saying.
    void ended();
    // Empty while a session runs and after an orderly end.
    std::string message() const;
    // The user has moved on (another site typed or picked): the last session's failure
    // is no longer news.
    void forget();
    // No session began: why, for the message line.
    void refused(const std::string& why);

    // The log's words for a WinSock error name ("WSAHOST_NOT_FOUND": "Host not
    // found"); an unknown name stays as it is.
    static std::string errorPhrase(const std::string& winsockName);

    void lineAppended(size_t index, const std::string& text, LogLineKind kind) override;
    void logWiped() override {}

  private:
    mutable std::mutex mutex_;
    bool running_ = false;
    bool loggedIn_ = false;
    bool endRequested_ = false;
    std::string host_;
    // What the lines said so far: a refusing reply, a failed connect, a lost control
    // connection, a TLS failure, the user's abort.
    std::string refusal_;
    std::string connectError_;
    std::string lostError_;
    std::string tlsFailure_;
    bool aborted_ = false;
    bool quitSent_ = false;
    std::string message_;
};

}  // namespace nubo
