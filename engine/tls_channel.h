#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

typedef struct ssl_st SSL;
typedef struct ssl_ctx_st SSL_CTX;
typedef struct ssl_session_st SSL_SESSION;

namespace nubo {

class TlsSessionStore;

// TLS (1.2 or later, OpenSSL 3) on a connected, blocking socket for FTP over TLS: the
// client handshake with the server's name, the certificate checked against the system's
// trust store and the name, sessions that data connections resume (servers such as
// vsftpd and proftpd refuse data connections that do not), reads and writes, and a
// proper close. A failed handshake gives OpenSSL's reason; nothing ever falls back to
// plain text.
//
// The sessions of one server are kept by its control connection (TlsSessionStore): every
// session or TLS 1.3 ticket it or a data connection of its receives goes there, and each
// data connection offers the newest one not yet used. TLS 1.3 tickets come after the
// handshake and are taken in only when the connection is read: the control connection's
// with its replies, a download's with its data, and an upload's, which reads nothing
// else, while its close waits for the server's end (see close).
class TlsChannel {
  public:
    // What the server presented, for the log and for the trust question.
    struct Certificate {
        std::string subject;
        std::string issuer;
        std::string notBefore;
        std::string notAfter;
        std::string fingerprint;  // SHA-256, "AB:CD:..." (32 pairs)
        bool verified = false;    // chain and name check out
        std::string problem;      // why it does not verify
    };

    TlsChannel();
    ~TlsChannel();
    TlsChannel(const TlsChannel&) = delete;
    TlsChannel& operator=(const TlsChannel&) = delete;

    // The client handshake on fd for host. With `resume` (the control connection, for a
    // data connection) a session of that server is offered. False with a reason on
    // failure.
    bool connect(int fd, const std::string& host, const TlsChannel* resume, std::string* error);
    bool resumed() const;
    // Whether this data connection's peer is the server of `control`: it resumed the
    // control connection's session (or one passed on by an earlier data connection of
    // that server), or it presented the very certificate the control connection did.
    // Anyone else (another host, or a server answering data connections with another
    // certificate) is not to be read from or written to.
    bool sameServerAs(const TlsChannel& control) const;
    // "TLS 1.3 (TLS_AES_256_GCM_SHA384)".
    std::string description() const;
    const Certificate& certificate() const { return certificate_; }

    // Like recv/send: bytes moved, 0 at the peer's close, -1 on an error.
    int read(void* dest, int n);
    int write(const void* src, int n);
    // Above 0 when bytes are waiting without a new receive (decrypted or read ahead).
    int pending() const;
    // Sends close_notify (the server then knows the transfer is complete). Reading goes
    // on: an upload takes in the ticket the server sent it while it waits for the
    // server's end.
    void close();

  private:
    static SSL_CTX* context();
    // OpenSSL's new-session callback: a session or ticket for the channel of `ssl`.
    static int sessionReceived(SSL* ssl, SSL_SESSION* session);
    void readCertificate(const std::string& host);
    // A data connection's tickets go to the control connection's store when it is that
    // server's (when the connection goes: an upload's come as it closes).
    void handOverSessions();
    // A data connection's peer is the control connection's server (see sameServerAs).
    bool fromControlServer() const;

    SSL* ssl_ = nullptr;
    std::shared_ptr<TlsSessionStore> sessions_;
    const TlsChannel* resumedFrom_ = nullptr;
    std::string controlFingerprint_;     // the control connection's, for a data connection
    uint64_t offered_ = 0;               // the store's session offered, 0 for none
    std::vector<SSL_SESSION*> arrived_;  // a data connection's, owned until handed on
    int group_ = 0;                      // the key exchange's (an OpenSSL NID), once connected
    bool closed_ = false;
    Certificate certificate_;
};

}  // namespace nubo
