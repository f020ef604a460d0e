#include "bench/sftp_sessions.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

#include "tests/support/background_process.h"

namespace nubo::bench {

namespace {

// Every prompt of a keyboard-interactive round answered with the password.
bool libsshKeyboardInteractive(ssh_session session, const std::string& password) {
    int rc = ssh_userauth_kbdint(session, nullptr, nullptr);
    while (rc == SSH_AUTH_INFO) {
        const int prompts = ssh_userauth_kbdint_getnprompts(session);
        for (int i = 0; i < prompts; ++i)
            ssh_userauth_kbdint_setanswer(session, static_cast<unsigned>(i), password.c_str());
        rc = ssh_userauth_kbdint(session, nullptr, nullptr);
    }
    return rc == SSH_AUTH_SUCCESS;
}

const std::string* gKeyboardPassword = nullptr;  // libssh2's callback has no user data

void libssh2Answer(const char*, int, const char*, int, int prompts,
                   const LIBSSH2_USERAUTH_KBDINT_PROMPT*, LIBSSH2_USERAUTH_KBDINT_RESPONSE* answers,
                   void**) {
    for (int i = 0; i < prompts; ++i) {
        answers[i].text = strdup(gKeyboardPassword->c_str());
        answers[i].length = static_cast<unsigned>(gKeyboardPassword->size());
    }
}

}  // namespace

LibsshSession::LibsshSession(const Target& target, const Login& login) {
    session = ssh_new();
    const int port = static_cast<int>(target.port);
    // No ~/.ssh/config; and no Nagle, which holds a small request back until the previous
    // one is acknowledged (a synchronous write of 32 KiB then waits for the peer's delayed
    // acknowledgement: 1 MiB/s on loopback).
    const int off = 0, on = 1;
    ssh_options_set(session, SSH_OPTIONS_PROCESS_CONFIG, &off);
    ssh_options_set(session, SSH_OPTIONS_NODELAY, &on);
    if (!login.configFile.empty()) {
        ssh_options_set(session, SSH_OPTIONS_HOST, "bench");
        ssh_options_parse_config(session, login.configFile.c_str());
    } else {
        ssh_options_set(session, SSH_OPTIONS_HOST, "127.0.0.1");
        ssh_options_set(session, SSH_OPTIONS_PORT, &port);
        ssh_options_set(session, SSH_OPTIONS_USER, "root");
    }
    ssh_options_set(session, SSH_OPTIONS_KNOWNHOSTS, target.knownHosts.c_str());
    ssh_options_set(session, SSH_OPTIONS_GLOBAL_KNOWNHOSTS, "/dev/null");
    if (!target.cipher.empty()) {
        ssh_options_set(session, SSH_OPTIONS_CIPHERS_C_S, target.cipher.c_str());
        ssh_options_set(session, SSH_OPTIONS_CIPHERS_S_C, target.cipher.c_str());
    }
    if (ssh_connect(session) != SSH_OK) {
        error = std::string("connect: ") + ssh_get_error(session);
        return;
    }
    if (ssh_session_is_known_server(session) != SSH_KNOWN_HOSTS_OK) {
        error = "host key not known";
        return;
    }
    bool in = false;
    if (login.auth == Auth::Agent) {
        in = ssh_userauth_agent(session, nullptr) == SSH_AUTH_SUCCESS;
    } else if (login.auth == Auth::KeyboardInteractive) {
        in = libsshKeyboardInteractive(session, login.password);
    } else {
        ssh_key key = nullptr;
        in = ssh_pki_import_privkey_file(target.key.c_str(), nullptr, nullptr, nullptr, &key) ==
                 SSH_OK &&
             ssh_userauth_publickey(session, nullptr, key) == SSH_AUTH_SUCCESS;
        ssh_key_free(key);
    }
    if (!in) {
        error = std::string("auth: ") + ssh_get_error(session);
        return;
    }
    sftp = sftp_new(session);
    if (sftp == nullptr || sftp_init(sftp) != SSH_OK)
        error = std::string("sftp: ") + ssh_get_error(session);
}

LibsshSession::~LibsshSession() {
    if (sftp != nullptr)
        sftp_free(sftp);
    ssh_disconnect(session);
    ssh_free(session);
}

std::string LibsshSession::cipher() const {
    return ssh_get_cipher_out(session);
}

Libssh2Session::Libssh2Session(const Target& target, const Login& login) {
    socket = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = test::loopbackAddress(target.port);
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        error = "connect";
        return;
    }
    const int on = 1;  // the socket is ours: no Nagle, as for libssh
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    session = libssh2_session_init();
    libssh2_session_set_blocking(session, 1);
    if (!target.cipher.empty()) {
        libssh2_session_method_pref(session, LIBSSH2_METHOD_CRYPT_CS, target.cipher.c_str());
        libssh2_session_method_pref(session, LIBSSH2_METHOD_CRYPT_SC, target.cipher.c_str());
    }
    if (libssh2_session_handshake(session, socket) != 0) {
        error = "handshake: " + lastError();
        return;
    }
    if (!hostKnown(target)) {
        error = "host key not known";
        return;
    }
    if (!logIn(target, login)) {
        error = "auth: " + lastError();
        return;
    }
    sftp = libssh2_sftp_init(session);
    if (sftp == nullptr)
        error = "sftp: " + lastError();
}

Libssh2Session::~Libssh2Session() {
    if (sftp != nullptr)
        libssh2_sftp_shutdown(sftp);
    if (session != nullptr) {
        libssh2_session_disconnect(session, "done");
        libssh2_session_free(session);
    }
    if (socket >= 0)
        ::close(socket);
}

bool Libssh2Session::hostKnown(const Target& target) {
    LIBSSH2_KNOWNHOSTS* hosts = libssh2_knownhost_init(session);
    libssh2_knownhost_readfile(hosts, target.knownHosts.c_str(), LIBSSH2_KNOWNHOST_FILE_OPENSSH);
    size_t length = 0;
    int type = 0;
    const char* key = libssh2_session_hostkey(session, &length, &type);
    const int typeMask = type == LIBSSH2_HOSTKEY_TYPE_ED25519 ? LIBSSH2_KNOWNHOST_KEY_ED25519
                                                              : LIBSSH2_KNOWNHOST_KEY_UNKNOWN;
    hostCheck = libssh2_knownhost_checkp(
        hosts, "127.0.0.1", static_cast<int>(target.port), key, length,
        LIBSSH2_KNOWNHOST_TYPE_PLAIN | LIBSSH2_KNOWNHOST_KEYENC_RAW | typeMask, nullptr);
    libssh2_knownhost_free(hosts);
    return hostCheck == LIBSSH2_KNOWNHOST_CHECK_MATCH;
}

bool Libssh2Session::logIn(const Target& target, const Login& login) {
    if (login.auth == Auth::KeyboardInteractive) {
        gKeyboardPassword = &login.password;
        return libssh2_userauth_keyboard_interactive(session, "root", libssh2Answer) == 0;
    }
    if (login.auth == Auth::Key) {
        const std::string publicKey = target.key + ".pub";
        return libssh2_userauth_publickey_fromfile(session, "root", publicKey.c_str(),
                                                   target.key.c_str(), "") == 0;
    }
    LIBSSH2_AGENT* agent = libssh2_agent_init(session);
    bool in = false;
    if (agent != nullptr && libssh2_agent_connect(agent) == 0 &&
        libssh2_agent_list_identities(agent) == 0) {
        libssh2_agent_publickey* identity = nullptr;
        libssh2_agent_publickey* previous = nullptr;
        while (!in && libssh2_agent_get_identity(agent, &identity, previous) == 0) {
            in = libssh2_agent_userauth(agent, "root", identity) == 0;
            previous = identity;
        }
        libssh2_agent_disconnect(agent);
    }
    if (agent != nullptr)
        libssh2_agent_free(agent);
    return in;
}

std::string Libssh2Session::lastError() const {
    char* message = nullptr;
    libssh2_session_last_error(session, &message, nullptr, 0);
    return message != nullptr ? message : "";
}

std::string Libssh2Session::cipher() const {
    const char* name = libssh2_session_methods(session, LIBSSH2_METHOD_CRYPT_CS);
    const char* mac = libssh2_session_methods(session, LIBSSH2_METHOD_MAC_CS);
    return std::string(name != nullptr ? name : "?") + "+" + (mac != nullptr ? mac : "?");
}

namespace wire {

void putU32(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xff);
}

void putU64(std::string& out, uint64_t value) {
    putU32(out, static_cast<uint32_t>(value >> 32));
    putU32(out, static_cast<uint32_t>(value));
}

uint32_t u32(const unsigned char* in) {
    return (uint32_t{in[0]} << 24) | (uint32_t{in[1]} << 16) | (uint32_t{in[2]} << 8) | in[3];
}

uint64_t u64(const unsigned char* in) {
    return (uint64_t{u32(in)} << 32) | u32(in + 4);
}

std::string string(std::string_view bytes) {
    std::string out;
    putU32(out, static_cast<uint32_t>(bytes.size()));
    out += bytes;
    return out;
}

std::string packet(unsigned char type, uint32_t id, const std::string& body) {
    std::string out;
    putU32(out, static_cast<uint32_t>(1 + 4 + body.size()));
    out += static_cast<char>(type);
    putU32(out, id);
    return out + body;
}

bool send(ssh_channel channel, const std::string& bytes) {
    return ssh_channel_write(channel, bytes.data(), static_cast<uint32_t>(bytes.size())) ==
           static_cast<int>(bytes.size());
}

namespace {

bool readExactly(ssh_channel channel, unsigned char* into, uint32_t length) {
    for (uint32_t done = 0; done < length;) {
        const int got = ssh_channel_read(channel, into + done, length - done, 0);
        if (got <= 0)
            return false;
        done += static_cast<uint32_t>(got);
    }
    return true;
}

}  // namespace

std::vector<unsigned char> receive(ssh_channel channel) {
    unsigned char header[4];
    if (!readExactly(channel, header, 4))
        return {};
    std::vector<unsigned char> body(u32(header));
    if (!readExactly(channel, body.data(), static_cast<uint32_t>(body.size())))
        return {};
    return body;
}

}  // namespace wire

}  // namespace nubo::bench
