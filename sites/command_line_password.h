#pragma once

#include <string>

namespace nubo {

class AppLog;
class FtpUrl;

// The password of a command line's URL that writes none (ps would show it to every
// local user): the one the desktop handlers hand over outside the argument list, else
// the one ~/.netrc keeps for the host, as ftp, curl and lftp read it.
class CommandLinePassword {
  public:
    // handed: the password that came with the URL through the environment, as a URL
    // writes it (percent-escaped; empty: none); netrcPath: the netrc to read (empty:
    // none); defaultServes: whether the netrc's "default" entry serves a host that no
    // "machine" entry names (not for a run started on a shortcut file, which could
    // name any host and would be handed the login in clear).
    CommandLinePassword(AppLog& log, std::string handed, std::string netrcPath,
                        bool defaultServes = true);

    // Completes url, parsed from text: nothing when the text writes a password; the
    // handed one for a URL that names its user; else the netrc's login and password
    // for the host (its password for the URL's user). A netrc that others could read
    // is refused with a line in the log, and so is a "default" entry that does not
    // serve.
    void complete(const std::string& text, FtpUrl* url) const;

  private:
    AppLog& log_;
    std::string handed_;
    std::string netrcPath_;
    bool defaultServes_;
};

}  // namespace nubo
