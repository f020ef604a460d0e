#pragma once

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
// Each connection is handed a copy: OpenSSL marks a TLS 1.3 session it resumed as spent,
// and that mark must not keep the one kept here from serving again.
class TlsSessionStore {
  public:
    TlsSessionStore() = default;
    ~TlsSessionStore();
    TlsSessionStore(const TlsSessionStore&) = delete;
    TlsSessionStore& operator=(const TlsSessionStore&) = delete;

    // Takes the session over (it is freed here). fromUpload: it came on a data connection
    // that only sent.
    void add(SSL_SESSION* session, bool fromUpload);
    // A copy of the session the next data connection offers, for the caller to free, or
    // nullptr when there is none; *original names the one kept here (for refused).
    SSL_SESSION* offer(const SSL_SESSION** original);
    // The server would not resume what offer gave.
    void refused(const SSL_SESSION* original);
    // Whether an upload's close is to wait for its ticket: no unused one is left, and the
    // server has not shown that it sends none on uploads (noTicketOnUpload).
    bool awaitsTicketOnUpload() const;
    // An upload waited for its ticket in vain: unless one came on an upload before, the
    // server sends none there, and uploads stop waiting.
    void noTicketOnUpload();

  private:
    // At most this many are kept: the oldest go first.
    static constexpr size_t kMaxSessions = 8;
    struct Kept {
        SSL_SESSION* session;  // owned
        int uses;
    };

    mutable std::mutex mutex_;
    std::deque<Kept> sessions_;  // oldest first
    enum class UploadTickets { Unknown, Seen, Absent };
    UploadTickets uploadTickets_ = UploadTickets::Unknown;
};

}  // namespace nubo
