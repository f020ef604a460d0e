#pragma once

#include <cstdint>
#include <deque>
#include <mutex>

typedef struct ssl_session_st SSL_SESSION;

namespace nubo {

// The TLS sessions one server gave one control connection, for its data connections to
// resume: the control connection's own and those each data connection brought (TLS 1.3
// tickets). A ticket not yet used goes first, the newest of them: a server may take a
// ticket for single use. When none is left (servers such as proftpd send a ticket on a
// data connection only once they write on it, so uploads bring none), the newest is
// offered again, which vsftpd and proftpd accept; reuse shows no more than the data
// connection does anyway, that it belongs to this control connection. A session the
// server would not resume is not offered again.
//
// Copies are kept and handed out: OpenSSL marks a TLS 1.3 session it resumed as spent,
// and a connection's own session as bad when it goes without close_notify, and neither
// mark must keep the one kept here from serving again.
class TlsSessionStore {
  public:
    TlsSessionStore() = default;
    ~TlsSessionStore();
    TlsSessionStore(const TlsSessionStore&) = delete;
    TlsSessionStore& operator=(const TlsSessionStore&) = delete;

    // Takes the session over (it is freed here); a copy of it is kept.
    void add(SSL_SESSION* session);
    // A copy of the session the next data connection offers, for the caller to free, or
    // nullptr when there is none; *id names the one kept here (for refused).
    SSL_SESSION* offer(uint64_t* id);
    // The server would not resume what offer gave.
    void refused(uint64_t id);

  private:
    // At most this many are kept: the oldest go first.
    static constexpr size_t kMaxSessions = 8;
    struct Kept {
        SSL_SESSION* session;  // owned
        uint64_t id;
        int uses;
    };

    mutable std::mutex mutex_;
    std::deque<Kept> sessions_;  // oldest first
    uint64_t lastId_ = 0;
};

}  // namespace nubo
