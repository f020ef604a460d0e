#pragma once

#include <string>

#include "engine/server_features.h"

namespace nubo {

class ControlChannel;
class DataConnector;
struct FtpUrl;
struct ProxyRoute;
struct SessionContext;

// A session's control connection from the first byte to the logged-in state: the
// connection (direct, FTP proxy or SOCKS), implicit or explicit TLS and the judgement
// of the server's certificate, USER/PASS, PBSZ/PROT, FEAT and OPTS UTF8, SYST, and the
// keep-alive NOOP of an idle session. It tells the data connector what it learns (an
// IPv6 server, data protection).
class ControlConnection {
  public:
    ControlConnection(ControlChannel& control, DataConnector& data, const ProxyRoute& route,
                      const FtpUrl& target, const SessionContext& context);
    ControlConnection(const ControlConnection&) = delete;
    ControlConnection& operator=(const ControlConnection&) = delete;

    // Connects (through the proxy) and, for implicit TLS, makes the handshake.
    bool connect();
    // Greeting, AUTH TLS where wanted, USER/PASS, PBSZ/PROT; false when refused.
    bool login();
    // FEAT, and "OPTS UTF8 ON" where the server offers UTF8.
    void requestFeatures();
    // SYST: the system text of a 2xx reply.
    void askSystem();
    // NOOP on an idle connection; false when the connection is gone.
    bool keepAlive();

    // The connection failed in TLS (exit bit 128, not 64).
    bool tlsFailed() const { return tlsFailed_; }
    // The server turned the connection away for its load, not for the login: a 421 (or
    // 120) at connect or login, or a 530 whose text says too many connections. A pool
    // of connections lowers its limit on it; it is never a wrong password.
    bool refusedForLoad() const { return refusedForLoad_; }
    // Whether a refusal's text speaks of load ("too many", "try again later", ...).
    static bool speaksOfLoad(const std::string& text);
    // What the server announced in its reply to FEAT after login.
    const ServerFeatures& features() const { return features_; }
    const std::string& systemText() const { return systemText_; }

  private:
    bool cancelled() const;
    void logExtended(const std::string& text);
    bool sendUserAndPassword();
    // FTP over TLS: implicit TLS right after connecting, "AUTH TLS" (then "AUTH SSL")
    // after the greeting, the certificate judged, "PBSZ 0" and "PROT P" after login.
    bool startTls();
    bool requestTls();
    bool judgeCertificate();
    bool protectData();

    ControlChannel& control_;
    DataConnector& data_;
    const ProxyRoute& route_;
    const FtpUrl& target_;
    const SessionContext& context_;
    bool tlsFailed_ = false;
    bool refusedForLoad_ = false;
    ServerFeatures features_;
    std::string systemText_;
};

}  // namespace nubo
