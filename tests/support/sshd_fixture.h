#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "tests/support/background_process.h"
#include "tests/support/test_util.h"

namespace nubo::test {

// A real OpenSSH sshd in the foreground on a free loopback port for one test, with host
// keys, a user key, its configuration and its log in a temporary folder of its own. Its
// user is root; sftp-server serves the whole file system, and root() is a fresh folder
// for the files a test serves (tests use absolute paths below it).
//
// Passwords and keyboard-interactive logins check kPassword without touching the system:
// sshd runs in a mount namespace of its own in which copies of /etc/shadow (root's hash
// replaced), /etc/passwd (with the privilege separation user sshd needs) and /etc/pam.d
// (with an sshd service of pam_unix) are bound over the real ones, and /run is a tmpfs
// holding /run/sshd. Where that cannot be made (not root, no unshare), running() is
// false and startError() says why: a test using it fails rather than skips.
class SshdServer {
  public:
    struct Options {
        // Host key types, each of "ed25519", "rsa", "ecdsa"; the first is the one the
        // helpers below describe.
        std::vector<std::string> hostKeyTypes = {"ed25519"};
        // Serve a host key other than the one rememberedKnownHostsLine() names: a
        // server whose key has changed since the client trusted it.
        bool changedHostKey = false;
        // The user key's passphrase; "" for none.
        std::string userKeyPassphrase;
        // The ways to log in the server offers.
        bool publickey = true;
        bool password = true;
        bool keyboardInteractive = true;
        // Arguments of sftp-server ("-R", "-l", "VERBOSE", ...).
        std::vector<std::string> sftpServerFlags;
        // More lines for sshd_config ("Ciphers aes128-gcm@openssh.com", ...).
        std::vector<std::string> configLines;
    };
    static constexpr const char* kUser = "root";
    static constexpr const char* kPassword = "sesame-7391";
    // The programs, as scripts/install-deps unpacks them; "" when missing.
    static std::string sshdBinary();
    static std::string sftpServerBinary();

    SshdServer() : SshdServer(Options{}) {}
    explicit SshdServer(const Options& options);
    // Stops sshd and every session it serves, and waits for them.
    ~SshdServer();
    SshdServer(const SshdServer&) = delete;
    SshdServer& operator=(const SshdServer&) = delete;

    bool running() const { return port_ != 0; }
    const std::string& startError() const { return error_; }
    unsigned port() const { return port_; }
    pid_t pid() const { return process_.pid(); }
    // The folder of the files a test serves (absolute, exists, empty at start).
    const std::string& root() const { return root_; }
    // The fixture's own folder: keys, sshd_config, the log.
    const std::string& folder() const { return folder_.path(); }
    // What sshd logged so far (for failure messages).
    std::string log() const;

    // The known_hosts line of the key the server presents: "[127.0.0.1]:PORT ssh-ed25519
    // AAAA...", and the same hashed ("|1|salt|hash ssh-ed25519 AAAA...", made by
    // ssh-keygen -H).
    std::string knownHostsLine() const;
    std::string hashedKnownHostsLine() const;
    // The line of the key the client trusted before: with changedHostKey, a key the server
    // does not hold; otherwise knownHostsLine().
    std::string rememberedKnownHostsLine() const;
    // The presented key's fingerprint, "SHA256:..." as ssh-keygen prints it.
    std::string hostKeyFingerprint() const;
    // The user key pair (OpenSSH formats), whose public half authorized_keys holds.
    std::string userKeyPath() const { return folder_.path() + "/user_ed25519"; }
    std::string userPublicKeyPath() const { return userKeyPath() + ".pub"; }

  private:
    bool makeKeys(const Options& options);
    bool writeSystemFiles(const Options& options);
    void writeConfig(const Options& options, unsigned port) const;
    bool startOn(unsigned port);
    std::string hostKeyPath(bool served) const;

    TempFolder folder_{"nubo-sshd"};
    std::string root_;
    std::string error_;
    std::string hostKeyType_;
    bool changedHostKey_ = false;
    unsigned port_ = 0;
    BackgroundProcess process_;
};

// An ssh-agent of its own (ssh-agent -D -a SOCKET) in a temporary folder, stopped when
// the object goes; keys are added with ssh-add.
class SshAgent {
  public:
    SshAgent();
    ~SshAgent();
    SshAgent(const SshAgent&) = delete;
    SshAgent& operator=(const SshAgent&) = delete;

    bool running() const { return running_; }
    const std::string& startError() const { return error_; }
    // The value for SSH_AUTH_SOCK.
    const std::string& socketPath() const { return socket_; }
    // Adds a private key (ssh-add, given its passphrase through SSH_ASKPASS); false with
    // startError() set to ssh-add's words when it refused.
    bool addKey(const std::string& keyPath, const std::string& passphrase = {});
    // The fingerprints of the keys it holds (ssh-add -l), one a line.
    std::string listedKeys() const;

  private:
    TempFolder folder_{"nubo-agent"};
    std::string socket_;
    std::string error_;
    bool running_ = false;
    BackgroundProcess process_;
};

// Writes an executable SSH_ASKPASS script at path that prints secret the first time it
// is asked, whatever the question, and fails after (a wrong secret is not tried forever).
// With SSH_ASKPASS_REQUIRE=force, OpenSSH's programs take passwords and
// passphrases from it without a terminal.
void writeAskpassScript(const std::string& path, const std::string& secret);

// Runs a command line through /bin/sh with extra environment ("NAME=value"); returns its
// exit status, and its standard output and error together in *output.
int runShell(const std::string& command, const std::vector<std::string>& environment,
             std::string* output);
// A word quoted for /bin/sh.
std::string shellQuoted(const std::string& word);

}  // namespace nubo::test
