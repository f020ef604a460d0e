#pragma once

#include <string>

#include "tests/support/background_process.h"

namespace nubo::test {

// A real vsftpd on a free loopback port over a fresh anonymous root whose "incoming"
// folder takes uploads. With a certificate it requires FTP over TLS for logins and data
// and the control session's reuse on data connections (require_ssl_reuse), explicitly
// (AUTH TLS) or implicitly (TLS from the first byte). It can limit the connections it
// takes from one address, as servers do that allow a client only so many at once.
class VsftpdServer {
  public:
    enum class Tls { None, Explicit, Implicit };
    struct Options {
        Tls tls = Tls::None;
        std::string pem;    // certificate and key in one file (needed unless tls is None)
        bool ipv6 = false;  // listens on ::1 alone
        // Control connections at once from one address (max_per_ip), 0 for no limit.
        // One more is greeted with kRefusalPerIp and closed.
        unsigned maxPerIp = 0;
    };
    // vsftpd's greeting of a connection beyond maxPerIp (then it closes the connection).
    static constexpr const char* kRefusalPerIp =
        "421 There are too many connections from your internet address.";

    explicit VsftpdServer(const Options& options);
    explicit VsftpdServer(Tls tls = Tls::None, const std::string& pem = {}, bool ipv6 = false)
        : VsftpdServer(Options{tls, pem, ipv6}) {}
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
