#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "engine/ftp_socket.h"

namespace nubo {

class ControlChannel;
class NetAddress;
struct FtpUrl;
struct ProxyRoute;
struct SessionContext;

// Makes a session's data connections: PASV (EPSV on IPv6, or after PASV was refused),
// PORT/EPRT with a listener that takes only the server's connection, SOCKS CONNECT and
// BIND, and TLS on the data connection once PROT P is in force. It sends REST and the
// transfer command in their place in the dialogue and reads the command's first reply.
class DataConnector {
  public:
    // Results of open.
    static constexpr int kOpen = 0;
    static constexpr int kFailed = 1;
    static constexpr int kControlLost = 2;
    // How long the replies to ABOR are awaited after a stalled transfer.
    static constexpr int kAbortReplyWaitMs = 5000;

    DataConnector(ControlChannel& control, const ProxyRoute& route, const FtpUrl& target,
                  const SessionContext& context);
    DataConnector(const DataConnector&) = delete;
    DataConnector& operator=(const DataConnector&) = delete;

    // Sets up the data connection for command ("LIST", "RETR name", ...) and has it
    // accepted. With restOffset, REST *restOffset goes out first; a refused REST sets it
    // to 0 (the transfer starts from the beginning).
    int open(const std::string& command, int64_t* restOffset, std::string* lastLine);
    // ABOR for a transfer that stalled or lost its data connection, with a short wait
    // for its replies: 421 or 426.
    int abortStalledTransfer();

    FtpSocket& socket() { return data_; }
    bool passive() const { return passive_; }
    // From the interface thread too ("Passive" changed).
    void setPassive(bool on) { passive_ = on; }
    // Just after the control connection was made: an IPv6 server is asked with EPSV
    // (a proxy's connection says nothing of the server's).
    void controlConnected(bool ipv6Server) { extendedPassive_ = ipv6Server; }
    // PROT P is in force: data connections are encrypted.
    void setProtected(bool on) { protected_ = on; }
    // The last open failed on the network (no connection, or it broke before the
    // transfer began), not by the server's refusal.
    bool lastFailureWasNetwork() const { return networkFailure_; }
    // The last open failed after the server had accepted the command (its 1xx reply):
    // a server taking an upload may have made (or emptied) the file already.
    bool lastFailureAfterAcceptance() const { return failedAfterAcceptance_; }

  private:
    void logExtended(const std::string& text);
    int openPassive(const std::string& command, int64_t* restOffset, std::string* lastLine);
    // PASV (EPSV on IPv6, or once PASV was refused and EPSV accepted): the reply code
    // (227 or 229 with the port, and the address for 227), 421, another refusal, or 0
    // for a reply that names no usable address.
    int requestPassive(std::string* replyLine, unsigned* port, uint32_t* address);
    int openActive(const std::string& command, int64_t* restOffset, std::string* lastLine);
    int openSocksActive(const std::string& command, int64_t* restOffset, std::string* lastLine);
    // The transfer command went out (code: its reply so far, 0 when none was read) but
    // no data connection came of it: kFailed, or kControlLost when the control
    // connection went too.
    int abandonCommand(int code, std::string* lastLine);
    // Sends PORT for address:port and reads the reply.
    // PORT or EPRT with its reply examined: kOpen, or kFailed / kControlLost when the
    // server refused it or went away.
    int sendPort(uint32_t address, unsigned port);
    int announce(const char* verb, const std::string& argument);
    void sendRestart(int64_t* restOffset);
    // A data connection just opened: its TLS handshake, resuming the control session.
    int secure(int opened);

    ControlChannel& control_;
    const ProxyRoute& route_;
    const FtpUrl& target_;
    const SessionContext& context_;
    FtpSocket data_;
    std::atomic<bool> passive_{true};
    bool extendedPassive_ = false;  // EPSV in place of PASV: IPv6, or PASV was refused
    bool epsvTried_ = false;        // EPSV was tried once after PASV was refused
    bool protected_ = false;
    bool networkFailure_ = false;
    bool failedAfterAcceptance_ = false;
};

}  // namespace nubo
