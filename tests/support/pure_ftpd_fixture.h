#pragma once

#include <string>

#include "tests/support/background_process.h"

namespace nubo::test {

// A real pure-ftpd in the foreground on a free loopback port: anonymous logins only,
// over a fresh root whose "incoming" folder takes uploads and new folders. pure-ftpd
// serves anonymous users the ftp account's home, so it runs in a mount namespace of its
// own in which the fresh root is bound over that home (as root; startError says what
// failed). It can limit the control connections it takes from one address (-C).
class PureFtpdServer {
  public:
    struct Options {
        // Control connections at once from one address, 0 for no limit. One more is
        // greeted with refusalPerIp() and closed.
        unsigned maxPerIp = 0;
        unsigned maxClients = 50;  // all addresses together
        // Logins as kUser / kPassword (a virtual user of the ftp account, chrooted to
        // the root) instead of anonymous ones, which pure-ftpd allows less (MFMT).
        bool virtualUser = false;
    };
    static constexpr const char* kUser = "alice";
    static constexpr const char* kPassword = "wonderland";
    // pure-ftpd's greeting of a connection beyond maxPerIp.
    static std::string refusalPerIp(unsigned maxPerIp) {
        return "421 Too many connections (" + std::to_string(maxPerIp) + ") from this IP";
    }
    // The program: Debian's, or the copy unpacked beside vsftpd, with which the package
    // conflicts (scripts/install-deps). "" when there is none.
    static std::string binary();

    PureFtpdServer() : PureFtpdServer(Options{}) {}
    explicit PureFtpdServer(const Options& options);
    ~PureFtpdServer();
    PureFtpdServer(const PureFtpdServer&) = delete;
    PureFtpdServer& operator=(const PureFtpdServer&) = delete;

    bool running() const { return port_ != 0; }
    const std::string& startError() const { return error_; }
    unsigned port() const { return port_; }
    // The anonymous root ("/"); "/incoming" is writable.
    const std::string& root() const { return root_; }

  private:
    std::string base_;
    std::string root_;
    std::string error_;
    unsigned port_ = 0;
    BackgroundProcess process_;
};

}  // namespace nubo::test
