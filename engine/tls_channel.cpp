#include "engine/tls_channel.h"

#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <dirent.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/tls_session_store.h"

namespace nubo {

namespace {

// Whether folder holds certificates under their hashed names ("1a2b3c4d.0"), as
// OpenSSL's look-up by issuer needs.
bool hasHashedNames(const char* folder) {
    DIR* listing = ::opendir(folder);
    if (listing == nullptr)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        const size_t dot = name.find('.');
        if (dot == 8 && name.size() > 9 && name.find_first_not_of("0123456789abcdef") == dot &&
            name.find_first_not_of("0123456789", dot + 1) == std::string::npos) {
            found = true;
            break;
        }
    }
    ::closedir(listing);
    return found;
}

// Whether the environment's path names the system's own place (its real path).
bool isSystemPlace(const char* named, const char* system) {
    char* a = ::realpath(named, nullptr);
    char* b = ::realpath(system, nullptr);
    const bool same = a != nullptr && b != nullptr && std::strcmp(a, b) == 0;
    std::free(a);
    std::free(b);
    return same;
}

// The system's trust store. From a folder of hashed names OpenSSL reads only the issuers
// a verification needs; the bundle file it would read whole, decoding every certificate
// (tens of milliseconds at each start of the program). So the folder serves, after one
// of its own that SSL_CERT_DIR names, and the bundle only where the folder has no hashed
// names or SSL_CERT_FILE names another file than the system's bundle.
void useSystemTrustStore(SSL_CTX* context) {
    const char* folder = X509_get_default_cert_dir();
    const char* file = std::getenv(X509_get_default_cert_file_env());
    if ((file != nullptr && !isSystemPlace(file, X509_get_default_cert_file())) ||
        !hasHashedNames(folder)) {
        SSL_CTX_set_default_verify_paths(context);
        return;
    }
    const char* named = std::getenv(X509_get_default_cert_dir_env());
    if (named != nullptr && !isSystemPlace(named, folder))
        SSL_CTX_load_verify_dir(context, named);
    SSL_CTX_load_verify_dir(context, folder);
}

// The group the server chose for the control connection goes first, so that a data
// connection's first hello carries the key share it wants: a server that takes another
// than the first of ours (vsftpd takes P-256 alone) would answer each one with a
// HelloRetryRequest, a round trip and a key pair more.
void preferGroup(SSL* ssl, int chosen) {
    std::vector<int> groups = {chosen};
    for (int group : {NID_X25519, NID_X9_62_prime256v1, NID_X448, NID_secp521r1, NID_secp384r1}) {
        if (group != chosen)
            groups.push_back(group);
    }
    SSL_set1_groups(ssl, groups.data(), groups.size());
}

}  // namespace

// One client context for the process: TLS 1.2 as the floor, the system's trust store,
// session tickets, and every session handed to the channel that received it (per server
// in TlsSessionStore) rather than to OpenSSL's cache.
SSL_CTX* TlsChannel::context() {
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
        useSystemTrustStore(made);
        SSL_CTX_set_verify(made, SSL_VERIFY_NONE, nullptr);  // judged after the handshake
        SSL_CTX_set_session_cache_mode(made,
                                       SSL_SESS_CACHE_CLIENT | SSL_SESS_CACHE_NO_INTERNAL_STORE);
        SSL_CTX_sess_set_new_cb(made, &TlsChannel::sessionReceived);
        // Several records per receive instead of a header and a body read each.
        SSL_CTX_set_read_ahead(made, 1);
        SSL_CTX_set_default_read_buffer_len(made, 256 * 1024);
        return made;
    }();
    return context;
}

namespace {

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
    if (ssl_ == nullptr)
        return;
    handOverSessions();
    SSL_free(ssl_);
}

int TlsChannel::sessionReceived(SSL* ssl, SSL_SESSION* session) {
    auto* channel = static_cast<TlsChannel*>(SSL_get_app_data(ssl));
    if (channel == nullptr || channel->sessions_ == nullptr)
        return 0;  // OpenSSL keeps its reference
    if (channel->resumedFrom_ == nullptr)
        channel->sessions_->add(session);
    else
        channel->arrived_.push_back(session);  // handed on once its server is known
    return 1;
}

bool TlsChannel::connect(int fd, const std::string& host, const TlsChannel* resume,
                         std::string* error) {
    ERR_clear_error();
    ssl_ = SSL_new(context());
    if (ssl_ == nullptr || SSL_set_fd(ssl_, fd) != 1) {
        *error = lastError();
        return false;
    }
    SSL_set_app_data(ssl_, this);
    SSL_set_tlsext_host_name(ssl_, host.c_str());
    SSL_set1_host(ssl_, host.c_str());
    if (resume != nullptr && resume->sessions_ != nullptr) {
        resumedFrom_ = resume;
        sessions_ = resume->sessions_;
        controlFingerprint_ = resume->certificate_.fingerprint;
        if (resume->group_ > 0)
            preferGroup(ssl_, resume->group_);
        if (SSL_SESSION* session = sessions_->offer(&offered_)) {
            SSL_set_session(ssl_, session);
            SSL_SESSION_free(session);  // the connection holds it
        }
    } else {
        sessions_ = std::make_shared<TlsSessionStore>();
    }
    if (SSL_connect(ssl_) != 1) {
        *error = lastError();
        return false;
    }
    group_ = SSL_get_negotiated_group(ssl_);
    readCertificate(host);
    // The server itself would not resume it: it has forgotten it. (A stranger answering
    // a data connection cannot resume it either, which says nothing of the session.)
    if (offered_ != 0 && !resumed() && !certificate_.fingerprint.empty() &&
        certificate_.fingerprint == controlFingerprint_)
        sessions_->refused(offered_);
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
    // Only sessions of connections that passed this test are kept (handOverSessions), so a
    // resumed session always goes back to the control connection's handshake.
    if (resumed() && resumedFrom_ == &control)
        return true;
    return !certificate_.fingerprint.empty() &&
           certificate_.fingerprint == control.certificate_.fingerprint;
}

bool TlsChannel::fromControlServer() const {
    // The same test as sameServerAs, on what was noted of the control connection when
    // this one was made: it may be gone by the time this one closes.
    return resumed() ||
           (!certificate_.fingerprint.empty() && certificate_.fingerprint == controlFingerprint_);
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
    ERR_clear_error();
}

void TlsChannel::handOverSessions() {
    // The tickets this connection received serve the next data connections, unless it
    // was refused: a stranger's session must never be offered (and taken for resumed).
    // Only now: an upload reads nothing before it closes, and its TLS 1.3 ticket is taken
    // in while the close waits for the server's end (FtpSocket::finishSending).
    const bool keep = resumedFrom_ != nullptr && fromControlServer();
    for (SSL_SESSION* session : arrived_) {
        if (keep)
            sessions_->add(session);
        else
            SSL_SESSION_free(session);
    }
    arrived_.clear();
}

}  // namespace nubo
