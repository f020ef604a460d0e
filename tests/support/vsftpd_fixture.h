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
        // For a relay that cannot read the control connection (FTP over TLS): listens
        // on this loopback address instead of 127.0.0.1 and opens its passive listeners
        // there, on a fixed range of passivePorts ports named as 127.0.0.1 in its
        // replies, so that a relay on 127.0.0.1 can pass those very ports on.
        std::string listenAddress;
        unsigned passivePorts = 0;
        // TLS 1.2 at most (OpenSSL's own settings let it negotiate 1.3).
        bool tls12 = false;
    };
    // vsftpd's greeting of a connection beyond maxPerIp (then it closes the connection).
    static constexpr const char* kRefusalPerIp =
        "421 There are too many connections from your internet address.";

    explicit VsftpdServer(const Options& options);
    explicit VsftpdServer(Tls tls = Tls::None, const std::string& pem = {}, bool ipv6 = false)
        : VsftpdServer(options(tls, pem, ipv6)) {}
    ~VsftpdServer();
    VsftpdServer(const VsftpdServer&) = delete;
    VsftpdServer& operator=(const VsftpdServer&) = delete;

    bool running() const { return port_ != 0; }
    const std::string& startError() const { return error_; }
    unsigned port() const { return port_; }
    // The address it listens on.
    const std::string& address() const { return address_; }
    // Its range of passive ports, when one was asked for (else 0).
    unsigned lowPassivePort() const { return lowPassivePort_; }
    unsigned highPassivePort() const { return lowPassivePort_ + passivePorts_ - 1; }
    // The anonymous root ("/"), read-only but for "/incoming".
    const std::string& root() const { return root_; }

  private:
    static Options options(Tls tls, const std::string& pem, bool ipv6) {
        Options options;
        options.tls = tls;
        options.pem = pem;
        options.ipv6 = ipv6;
        return options;
    }

    std::string base_;
    std::string root_;
    std::string error_;
    std::string address_ = "127.0.0.1";
    unsigned port_ = 0;
    unsigned lowPassivePort_ = 0;
    unsigned passivePorts_ = 0;
    BackgroundProcess process_;
};

}  // namespace nubo::test
