#pragma once

#include <string>

#include "engine/control_channel.h"
#include "engine/proxy_type.h"
#include "engine/session_context.h"
#include "sites/ftp_url.h"

namespace nubo {

// One connection to one FTP server, run by its own worker thread: connect and log in,
// then serve requests. Reports through the ports of its SessionContext.
class FtpSession {
  public:
    FtpSession(const FtpUrl& target, const SessionContext& context);
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;

    // Creates the control connection, connects, logs in and runs the after-login
    // steps. False when the start failed or was cancelled; the caller then tears the
    // session down without entering the request loop.
    bool start();
    // Opens the control connection, directly or through the FTP proxy.
    bool connectControl();
    // The USER/PASS dialogue; writes its own messages.
    bool login();
    // Closes the control connection.
    void closeControl();

    ControlChannel& control() { return control_; }
    const FtpUrl& target() const { return target_; }
    ProxyType proxyType() const { return proxyType_; }
    const std::string& systemText() const { return systemText_; }
    const std::string& currentUrl() const { return currentUrl_; }
    // 3 when a failed start must close the main window; otherwise 0.
    int exitCode() const { return exitCode_; }
    // The cancel flag was found set after a successful login: the caller logs off.
    bool cancelledAfterLogin() const { return cancelledAfterLogin_; }

  private:
    bool cancelled() const;
    void logExtended(const std::string& text);
    void setStatus(const std::string& text);
    bool sendUserAndPassword();
    void logProxyLine(const char* format);
    void afterLogin();

    FtpUrl target_;
    SessionContext context_;
    ControlChannel control_;
    ProxyType proxyType_ = ProxyType::None;
    FtpUrl proxyAddress_;
    std::string systemText_;
    std::string currentUrl_;
    int exitCode_ = 0;
    bool cancelledAfterLogin_ = false;
};

}  // namespace nubo
