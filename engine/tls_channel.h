#pragma once

#include <memory>
#include <string>

typedef struct ssl_st SSL;
typedef struct ssl_session_st SSL_SESSION;

namespace nubo {

// TLS (1.2 or later, OpenSSL 3) on a connected, blocking socket for FTP over TLS: the
// client handshake with the server's name, the certificate checked against the system's
// trust store and the name, a session that later data connections resume (servers such
// as vsftpd refuse data connections that do not), reads and writes, and a proper close.
// A failed handshake gives OpenSSL's reason; nothing ever falls back to plain text.
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

    // The client handshake on fd for host; resumes `resume` when given (a data
    // connection after the control connection's). False with a reason on failure.
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
    // Sends close_notify (the server then knows the transfer is complete).
    void close();

  private:
    void readCertificate(const std::string& host);
    // The session the next data connection resumes: TLS 1.3 tickets may serve once, so
    // each data connection passes on the fresh one it was given.
    SSL_SESSION* sessionToResume() const;
    void passOn(SSL_SESSION* session) const;

    SSL* ssl_ = nullptr;
    mutable SSL_SESSION* latest_ = nullptr;  // owned
    const TlsChannel* resumedFrom_ = nullptr;
    bool closed_ = false;
    Certificate certificate_;
};

}  // namespace nubo
