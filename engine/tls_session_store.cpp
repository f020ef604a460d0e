#include "engine/tls_session_store.h"

#include <openssl/ssl.h>

#include <algorithm>

namespace nubo {

TlsSessionStore::~TlsSessionStore() {
    for (const Kept& kept : sessions_)
        SSL_SESSION_free(kept.session);
}

void TlsSessionStore::add(SSL_SESSION* session, bool fromUpload) {
    if (session == nullptr)
        return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (fromUpload)
        uploadTickets_ = UploadTickets::Seen;
    if (SSL_SESSION_is_resumable(session) != 1) {
        SSL_SESSION_free(session);
        return;
    }
    sessions_.push_back({session, 0});
    while (sessions_.size() > kMaxSessions) {
        SSL_SESSION_free(sessions_.front().session);
        sessions_.pop_front();
    }
}

SSL_SESSION* TlsSessionStore::offer(const SSL_SESSION** original) {
    std::lock_guard<std::mutex> lock(mutex_);
    *original = nullptr;
    if (sessions_.empty())
        return nullptr;
    const auto fresh = std::find_if(sessions_.rbegin(), sessions_.rend(),
                                    [](const Kept& kept) { return kept.uses == 0; });
    Kept& chosen = fresh != sessions_.rend() ? *fresh : sessions_.back();
    ++chosen.uses;
    *original = chosen.session;
    return SSL_SESSION_dup(chosen.session);
}

void TlsSessionStore::refused(const SSL_SESSION* original) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = std::find_if(sessions_.begin(), sessions_.end(),
                                    [&](const Kept& kept) { return kept.session == original; });
    if (found == sessions_.end())
        return;
    SSL_SESSION_free(found->session);
    sessions_.erase(found);
}

bool TlsSessionStore::awaitsTicketOnUpload() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return uploadTickets_ != UploadTickets::Absent &&
           std::none_of(sessions_.begin(), sessions_.end(),
                        [](const Kept& kept) { return kept.uses == 0; });
}

void TlsSessionStore::noTicketOnUpload() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (uploadTickets_ == UploadTickets::Unknown)
        uploadTickets_ = UploadTickets::Absent;
}

}  // namespace nubo
