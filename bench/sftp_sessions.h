#pragma once

// SFTP sessions of libssh 0.10 and libssh2 1.10 to the fixture's sshd, for the
// benchmark and the feature probes: connected, the host key checked against a
// known_hosts file, logged in as root one of several ways.

#include <libssh/libssh.h>
#include <libssh/sftp.h>
#include <libssh2.h>
#include <libssh2_sftp.h>

#include <string>
#include <string_view>
#include <vector>

namespace nubo::bench {

struct Target {
    unsigned port = 0;
    std::string key;         // the user's private key (and KEY.pub)
    std::string knownHosts;  // a known_hosts file naming the server's key
    std::string remote;      // the server's file (downloads read it, uploads write it)
    std::string local;       // this side's file
    std::string cipher;      // "" for the defaults
};

enum class Auth {
    Key,                  // the key file of target.key
    Agent,                // the keys of the agent at SSH_AUTH_SOCK
    KeyboardInteractive,  // every prompt answered with password
};

struct Login {
    Auth auth = Auth::Key;
    std::string password;
    std::string configFile;  // libssh only: an ssh_config naming the host "bench" ("" none)
};

struct LibsshSession {
    explicit LibsshSession(const Target& target, const Login& login = {});
    ~LibsshSession();
    LibsshSession(const LibsshSession&) = delete;
    LibsshSession& operator=(const LibsshSession&) = delete;
    std::string cipher() const;

    ssh_session session = nullptr;
    sftp_session sftp = nullptr;
    std::string error;  // "" once logged in with SFTP started
};

struct Libssh2Session {
    explicit Libssh2Session(const Target& target, const Login& login = {});
    ~Libssh2Session();
    Libssh2Session(const Libssh2Session&) = delete;
    Libssh2Session& operator=(const Libssh2Session&) = delete;
    std::string cipher() const;
    std::string lastError() const;

    int socket = -1;
    LIBSSH2_SESSION* session = nullptr;
    LIBSSH2_SFTP* sftp = nullptr;
    std::string error;
    int hostCheck = -1;  // LIBSSH2_KNOWNHOST_CHECK_*

  private:
    bool hostKnown(const Target& target);
    bool logIn(const Target& target, const Login& login);
};

// SFTP packets by hand over an SSH channel, for what libssh 0.10 has no call for.
namespace wire {
void putU32(std::string& out, uint32_t value);
void putU64(std::string& out, uint64_t value);
uint32_t u32(const unsigned char* in);
uint64_t u64(const unsigned char* in);
// A length-prefixed SFTP string.
std::string string(std::string_view bytes);
// length, type, request id, body.
std::string packet(unsigned char type, uint32_t id, const std::string& body);
bool send(ssh_channel channel, const std::string& bytes);
// The next packet's type and what follows it; empty when the channel failed.
std::vector<unsigned char> receive(ssh_channel channel);
}  // namespace wire

}  // namespace nubo::bench
