#pragma once

#include <string>

#include "tests/support/background_process.h"

namespace nubo::test {

// A real vsftpd on a free loopback port over a fresh anonymous root whose "incoming"
// folder takes uploads. With a certificate it requires FTP over TLS for logins and data
// and the control session's reuse on data connections (require_ssl_reuse), explicitly
// (AUTH TLS) or implicitly (TLS from the first byte).
class VsftpdServer {
  public:
    enum class Tls { None, Explicit, Implicit };
    // pem: certificate and key in one file (needed unless tls is None). ipv6: listens
    // on ::1 alone.
    explicit VsftpdServer(Tls tls = Tls::None, const std::string& pem = {}, bool ipv6 = false);
    ~VsftpdServer();
    VsftpdServer(const VsftpdServer&) = delete;
    VsftpdServer& operator=(const VsftpdServer&) = delete;

    bool running() const { return port_ != 0; }
    const std::string& startError() const { return error_; }
    unsigned port() const { return port_; }
    // The anonymous root ("/"), read-only but for "/incoming".
    const std::string& root() const { return root_; }

  private:
    std::string base_;
    std::string root_;
    std::string error_;
    unsigned port_ = 0;
    BackgroundProcess process_;
};

}  // namespace nubo::test
