#include "engine/tls_session_store.h"

#include <openssl/ssl.h>

#include <algorithm>

namespace nubo {

TlsSessionStore::~TlsSessionStore() {
    for (const Kept& kept : sessions_)
        SSL_SESSION_free(kept.session);
}

void TlsSessionStore::add(SSL_SESSION* session) {
    if (session == nullptr)
        return;
    SSL_SESSION* copy = SSL_SESSION_is_resumable(session) == 1 ? SSL_SESSION_dup(session) : nullptr;
    SSL_SESSION_free(session);
    if (copy == nullptr)
        return;
    std::lock_guard<std::mutex> lock(mutex_);
    sessions_.push_back({copy, ++lastId_, 0});
    while (sessions_.size() > kMaxSessions) {
        SSL_SESSION_free(sessions_.front().session);
        sessions_.pop_front();
    }
}

SSL_SESSION* TlsSessionStore::offer(uint64_t* id) {
    std::lock_guard<std::mutex> lock(mutex_);
    *id = 0;
    if (sessions_.empty())
        return nullptr;
    const auto fresh = std::find_if(sessions_.rbegin(), sessions_.rend(),
                                    [](const Kept& kept) { return kept.uses == 0; });
    Kept& chosen = fresh != sessions_.rend() ? *fresh : sessions_.back();
    ++chosen.uses;
    *id = chosen.id;
    return SSL_SESSION_dup(chosen.session);
}

void TlsSessionStore::refused(uint64_t id) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = std::find_if(sessions_.begin(), sessions_.end(),
                                    [&](const Kept& kept) { return kept.id == id; });
    if (found == sessions_.end())
        return;
    SSL_SESSION_free(found->session);
    sessions_.erase(found);
}

}  // namespace nubo
