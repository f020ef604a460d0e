#pragma once

#include <string>

#include "tests/support/background_process.h"

namespace nubo::test {

// A real proxy from Debian on a loopback port, for sessions to go through:
//   Dante:      danted, SOCKS4 and SOCKS5 without authentication, CONNECT and BIND;
//   MicroSocks: microsocks, SOCKS5 with a user name and password, CONNECT only;
//   FtpProxy:   ftp-proxy, which logs in to the host named in "USER user@host:port".
// Configuration and log live in a temporary folder removed with the object.
class ProxyDaemon {
  public:
    enum class Kind { Dante, MicroSocks, FtpProxy };
    static constexpr const char* kUser = "socksuser";
    static constexpr const char* kPassword = "sockspass";

    explicit ProxyDaemon(Kind kind);
    ~ProxyDaemon();

    bool running() const { return port_ != 0; }
    const std::string& startError() const { return error_; }
    unsigned port() const { return port_; }
    // "127.0.0.1:port", the "Proxy" setting.
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
    std::string logText() const;

  private:
    std::string folder_;
    std::string error_;
    unsigned port_ = 0;
    BackgroundProcess process_;
};

}  // namespace nubo::test
