#pragma once

#include "tests/support/background_process.h"

#include <string>
#include <vector>

namespace nubo::test {

// A real pyftpdlib server, run with Debian's /usr/bin/python3 on an ephemeral
// loopback port over a fresh temporary root folder. Accounts: anonymous (any e-mail
// address as password) and kUser/kPassword, both with read and write rights. The
// server is stopped and its folder removed when the object goes.
class PyFtpdServer {
  public:
    static constexpr const char* kUser = "alice";
    static constexpr const char* kPassword = "wonderland";

    // extraArgs go to the server script (for example "--drop-file", "NAME").
    explicit PyFtpdServer(const std::vector<std::string>& extraArgs = {});
    ~PyFtpdServer();
    PyFtpdServer(const PyFtpdServer&) = delete;
    PyFtpdServer& operator=(const PyFtpdServer&) = delete;

    // False when the server could not be started (see startError()).
    bool running() const { return port_ != 0; }
    const std::string& startError() const { return error_; }
    unsigned port() const { return port_; }
    // The folder the accounts see as "/".
    const std::string& root() const { return root_; }
    // The server's own log, for messages when a test fails.
    std::string serverLog() const;
    // "ftp://[user:password@]127.0.0.1:port/path".
    std::string url(const std::string& path = "", bool named = false) const;

  private:
    std::string base_;
    std::string root_;
    std::string error_;
    BackgroundProcess process_;
    unsigned port_ = 0;
    std::string host_ = "127.0.0.1";  // "[::1]" with --ipv6
};

}  // namespace nubo::test
