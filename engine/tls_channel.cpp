#include "engine/tls_channel.h"

#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <csignal>
#include <cstdio>

namespace nubo {

namespace {

// One client context for the process: TLS 1.2 as the floor, the system's trust store,
// session tickets and a session cache kept by us (per channel) for data connections.
SSL_CTX* clientContext() {
    static SSL_CTX* context = [] {
        // OpenSSL writes with write(), not send(MSG_NOSIGNAL): a connection the server
        // closed must be an error code, not a signal that ends the process.
        std::signal(SIGPIPE, SIG_IGN);
        SSL_CTX* made = SSL_CTX_new(TLS_client_method());
        SSL_CTX_set_min_proto_version(made, TLS1_2_VERSION);
        // AES-128-GCM first: as strong as a file transfer needs, and the fastest with
        // the processors' AES instructions (servers honour the client's order).
        SSL_CTX_set_ciphersuites(made,
                                 "TLS_AES_128_GCM_SHA256:TLS_AES_256_GCM_SHA384:"
                                 "TLS_CHACHA20_POLY1305_SHA256");
        SSL_CTX_set_default_verify_paths(made);
        SSL_CTX_set_verify(made, SSL_VERIFY_NONE, nullptr);  // judged after the handshake
        SSL_CTX_set_session_cache_mode(made, SSL_SESS_CACHE_CLIENT);
        // Several records per receive instead of a header and a body read each.
        SSL_CTX_set_read_ahead(made, 1);
        SSL_CTX_set_default_read_buffer_len(made, 256 * 1024);
        return made;
    }();
    return context;
}

std::string lastError() {
    const unsigned long code = ERR_get_error();
    if (code == 0)
        return "connection closed during the handshake";
    char text[256];
    ERR_error_string_n(code, text, sizeof text);
    ERR_clear_error();
    return text;
}

std::string nameText(const X509_NAME* name) {
    if (name == nullptr)
        return {};
    BIO* bio = BIO_new(BIO_s_mem());
    X509_NAME_print_ex(bio, name, 0, XN_FLAG_ONELINE & ~ASN1_STRFLGS_ESC_MSB);
    char* data = nullptr;
    const long length = BIO_get_mem_data(bio, &data);
    std::string text(data, static_cast<size_t>(length));
    BIO_free(bio);
    return text;
}

std::string timeText(const ASN1_TIME* time) {
    BIO* bio = BIO_new(BIO_s_mem());
    ASN1_TIME_print(bio, time);
    char* data = nullptr;
    const long length = BIO_get_mem_data(bio, &data);
    std::string text(data, static_cast<size_t>(length));
    BIO_free(bio);
    return text;
}

}  // namespace

TlsChannel::TlsChannel() = default;

TlsChannel::~TlsChannel() {
    if (latest_ != nullptr)
        SSL_SESSION_free(latest_);
    if (ssl_ != nullptr)
        SSL_free(ssl_);
}

SSL_SESSION* TlsChannel::sessionToResume() const {
    if (latest_ != nullptr && SSL_SESSION_up_ref(latest_) == 1)
        return latest_;
    return ssl_ != nullptr ? SSL_get1_session(ssl_) : nullptr;
}

void TlsChannel::passOn(SSL_SESSION* session) const {
    if (session == nullptr)
        return;
    if (SSL_SESSION_is_resumable(session) != 1) {
        SSL_SESSION_free(session);
        return;
    }
    if (latest_ != nullptr)
        SSL_SESSION_free(latest_);
    latest_ = session;
}

bool TlsChannel::connect(int fd, const std::string& host, const TlsChannel* resume,
                         std::string* error) {
    ERR_clear_error();
    ssl_ = SSL_new(clientContext());
    if (ssl_ == nullptr || SSL_set_fd(ssl_, fd) != 1) {
        *error = lastError();
        return false;
    }
    SSL_set_tlsext_host_name(ssl_, host.c_str());
    SSL_set1_host(ssl_, host.c_str());
    if (resume != nullptr && resume->ssl_ != nullptr) {
        resumedFrom_ = resume;
        if (SSL_SESSION* session = resume->sessionToResume()) {
            SSL_set_session(ssl_, session);
            SSL_SESSION_free(session);
        }
    }
    if (SSL_connect(ssl_) != 1) {
        *error = lastError();
        return false;
    }
    readCertificate(host);
    return true;
}

void TlsChannel::readCertificate(const std::string&) {
    certificate_ = {};
    X509* peer = SSL_get1_peer_certificate(ssl_);
    if (peer == nullptr) {
        certificate_.problem = "no certificate";
        return;
    }
    certificate_.subject = nameText(X509_get_subject_name(peer));
    certificate_.issuer = nameText(X509_get_issuer_name(peer));
    certificate_.notBefore = timeText(X509_get0_notBefore(peer));
    certificate_.notAfter = timeText(X509_get0_notAfter(peer));
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    X509_digest(peer, EVP_sha256(), digest, &length);
    for (unsigned int i = 0; i < length; ++i) {
        char pair[4];
        std::snprintf(pair, sizeof pair, i == 0 ? "%02X" : ":%02X", digest[i]);
        certificate_.fingerprint += pair;
    }
    X509_free(peer);
    const long result = SSL_get_verify_result(ssl_);
    certificate_.verified = result == X509_V_OK;
    if (!certificate_.verified)
        certificate_.problem = X509_verify_cert_error_string(result);
}

bool TlsChannel::resumed() const {
    return ssl_ != nullptr && SSL_session_reused(ssl_) == 1;
}

bool TlsChannel::sameServerAs(const TlsChannel& control) const {
    // Only sessions of connections that passed this test are passed on (see close), so a
    // resumed session always goes back to the control connection's handshake.
    if (resumed() && resumedFrom_ == &control)
        return true;
    return !certificate_.fingerprint.empty() &&
           certificate_.fingerprint == control.certificate_.fingerprint;
}

std::string TlsChannel::description() const {
    if (ssl_ == nullptr)
        return {};
    std::string version = SSL_get_version(ssl_);
    if (version.rfind("TLSv", 0) == 0)
        version = "TLS " + version.substr(4);
    return version + " (" + SSL_get_cipher_name(ssl_) + ")";
}

int TlsChannel::read(void* dest, int n) {
    const int got = SSL_read(ssl_, dest, n);
    if (got > 0)
        return got;
    const int reason = SSL_get_error(ssl_, got);
    ERR_clear_error();
    return reason == SSL_ERROR_ZERO_RETURN ? 0 : -1;
}

int TlsChannel::write(const void* src, int n) {
    const int sent = SSL_write(ssl_, src, n);
    if (sent > 0)
        return sent;
    ERR_clear_error();
    return -1;
}

int TlsChannel::pending() const {
    if (ssl_ == nullptr)
        return 0;
    // Decrypted bytes waiting, or records read ahead and not yet decrypted.
    const int decrypted = SSL_pending(ssl_);
    return decrypted > 0 ? decrypted : SSL_has_pending(ssl_);
}

void TlsChannel::close() {
    if (ssl_ == nullptr || closed_)
        return;  // an upload closes when it finishes sending, then with the socket
    closed_ = true;
    SSL_shutdown(ssl_);
    // The tickets this connection received serve the next data connection, unless it was
    // refused: a stranger's session must never be offered (and taken for resumed) later.
    if (resumedFrom_ != nullptr && sameServerAs(*resumedFrom_))
        resumedFrom_->passOn(SSL_get1_session(ssl_));
    ERR_clear_error();
}

}  // namespace nubo
