#pragma once

#include <cstdint>
#include <string>

#include "engine/net_address.h"
#include "engine/proxy_type.h"

namespace nubo {

class AppLog;
class FtpSocket;

// The SOCKS4 and SOCKS5 dialogues on a socket already connected to the SOCKS server:
// CONNECT to an address, BIND for an incoming connection and the second BIND reply,
// with the SOCKS5 method offer (no authentication, user name and password) first.
// Every failure writes its line, naming the proxy, to the extended log.
class SocksClient {
  public:
    struct Server {
        ProxyType type = ProxyType::Socks5;
        std::string host;  // as typed, for messages
        unsigned port = 1080;
        std::string user;
        std::string password;
    };

    SocksClient(Server server, AppLog& log);

    // Asks for a connection to address:port (network order address).
    bool connectTo(FtpSocket& socket, uint32_t address, unsigned port);
    // The same for an IPv4 or IPv6 address; SOCKS4 carries IPv4 only, so an IPv6
    // address fails there (logged).
    bool connectTo(FtpSocket& socket, const NetAddress& address);
    // Asks the server to accept one connection from address:port; gives the address
    // and port it listens on (SOCKS4: its own address when it answers 0.0.0.0).
    bool bind(FtpSocket& socket, uint32_t address, unsigned port, uint32_t serverAddress,
              uint32_t* boundAddress, unsigned* boundPort);
    // The second BIND reply: the peer has connected.
    bool awaitBoundPeer(FtpSocket& socket);

    // The request bytes as sent (for SOCKS4 with the user id and its zero).
    std::string request(int command, const NetAddress& address) const;
    // The SOCKS5 user name and password message.
    std::string credentialsMessage() const;

  private:
    bool socks5() const { return server_.type == ProxyType::Socks5; }
    bool negotiate(FtpSocket& socket);
    // Sends a request and reads its reply; false (logged) when it fails.
    bool exchange(FtpSocket& socket, int command, const NetAddress& address, uint32_t* boundAddress,
                  unsigned* boundPort);
    // Reads one reply: 8 bytes (SOCKS4) or a SOCKS5 reply of its address type's
    // length, so that nothing of it is left to be read as data.
    bool readReply(FtpSocket& socket, uint32_t* boundAddress, unsigned* boundPort);
    void logLine(const char* format, int code = 0);
    void logIoError();

    Server server_;
    AppLog& log_;
};

}  // namespace nubo
