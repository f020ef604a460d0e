#pragma once

#include <cstdint>
#include <string>

#include "engine/ftp_url.h"
#include "sites/command_line_mode.h"
#include "sites/host_context.h"

namespace nubo {

class FtpSession;
class SessionControl;
class SiteSelection;

// A run for the command line: its connect, the requests it queues after login (by its
// mode), and its retries after a broken transfer (the broken file resumes first, then
// the names after it; three attempts in a row without headway and it gives up).
//
// Owner's thread only, but for the after-login requests, which the worker queues.
class CommandLineRun {
  public:
    static constexpr int kRetryCount = 3;
    static constexpr int kRetryDelaySeconds[kRetryCount] = {2, 8, 30};

    CommandLineRun(HostContext& context, SiteSelection& selection, SessionControl& control);

    // The command line's connect; false for an invalid URL or a session already running.
    bool connect(CommandLineMode mode, const std::string& urlText);
    // A run without windows quits when its requests are done, whatever "NoUIQuit" says,
    // since nobody could end it otherwise.
    void setQuitAfterRun(bool on) { quitAfterRun_ = on; }

    // The session has ended with a transfer broken off and its restart mark kept.
    bool brokenTransferWaiting() const;
    // The exit bit of that transfer when it is given up: 16 (Get) or 32 (Put).
    uint32_t brokenTransferFailureBit() const;
    // How long to wait before the next attempt at the broken transfer, in seconds; -1
    // when the attempts are used up. A session that finished a file or moved bytes its
    // resumption keeps starts the count again.
    int nextRetryDelay();
    // The attempts made in a row without headway.
    int attempts() const { return attempts_; }
    // Logs in again: the broken transfer resumes first, then what the command line
    // named after it. False when there is nothing to resume.
    bool retry();

  private:
    // The worker, after login: queues the mode's requests; true to log off after them.
    bool afterLogin(FtpSession& session);
    void queueRequests(FtpSession& session);
    void startSession();

    HostContext& context_;
    SiteSelection& selection_;
    SessionControl& control_;
    CommandLineMode mode_ = CommandLineMode::Nothing;
    FtpUrl url_;
    std::string site_;
    bool quitAfterRun_ = false;
    // A retry whose resumption is all that was left of the command line.
    bool done_ = false;
    int attempts_ = 0;
};

}  // namespace nubo
