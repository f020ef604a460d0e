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

// A run for the command line: its connect and the requests it queues after login (by
// its mode). Broken files are the batch's to try again (TransferPool).
//
// Owner's thread only, but for the after-login requests, which the worker queues.
class CommandLineRun {
  public:
    CommandLineRun(HostContext& context, SiteSelection& selection, SessionControl& control);

    // The command line's connect; false for an invalid URL or a session already running.
    bool connect(CommandLineMode mode, const std::string& urlText);
    // A run without windows quits when its requests are done, whatever "NoUIQuit" says,
    // since nobody could end it otherwise.
    void setQuitAfterRun(bool on) { quitAfterRun_ = on; }

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
};

}  // namespace nubo
