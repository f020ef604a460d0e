#include "tests/support/sshd_fixture.h"

#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <dirent.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace nubo::test {

namespace {

constexpr const char* kPeers = "/opt/nubo-peers";

// kPassword's hash ("openssl passwd -6 -salt nubosshd sesame-7391").
constexpr const char* kPasswordHash =
    "$6$nubosshd$pm.tr2gaogfb5DBFC9Ns8D.4YMUFrnkovw.G99wMvXOg11EEHg9h0jKuwwc6ZfKi50xDTQDLQX6oS1j14"
    "ZwsZ/";

// The namespace's own files bound over the system's, /run replaced by a tmpfs holding
// the privilege separation folder, then sshd in its place. $1 is the fixture's folder,
// the rest sshd's command line.
constexpr const char* kNamespaceScript =
    "set -e\n"
    "mount --bind \"$1/etc/shadow\" /etc/shadow\n"
    "mount --bind \"$1/etc/passwd\" /etc/passwd\n"
    "mount --bind \"$1/etc/pam.d\" /etc/pam.d\n"
    "mount -t tmpfs -o mode=0755 nubo-sshd-run /run\n"
    "mkdir -m 0755 /run/sshd\n"
    "shift\n"
    "exec \"$@\"\n";

// The PAM service sshd asks: passwords of the (copied) shadow file, nothing else.
constexpr const char* kPamService =
    "auth required pam_unix.so nullok\n"
    "account required pam_unix.so\n"
    "session required pam_permit.so\n"
    "password required pam_deny.so\n";

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

// /etc/shadow with root's hash replaced (or a root line added).
std::string shadowWithRootPassword(const std::string& shadow) {
    std::istringstream lines(shadow);
    std::string out, line;
    bool replaced = false;
    while (std::getline(lines, line)) {
        if (line.rfind("root:", 0) == 0) {
            const size_t hashEnd = line.find(':', 5);
            line = "root:" + std::string(kPasswordHash) +
                   (hashEnd == std::string::npos ? ":::::::" : line.substr(hashEnd));
            replaced = true;
        }
        out += line + "\n";
    }
    if (!replaced)
        out += "root:" + std::string(kPasswordHash) + ":20000:0:99999:7:::\n";
    return out;
}

// /etc/passwd with the unprivileged user sshd's privilege separation runs as, unless
// it is there: a uid nobody holds.
std::string passwdWithSshdUser(const std::string& passwd) {
    std::istringstream lines(passwd);
    std::string line;
    std::vector<long> uids;
    while (std::getline(lines, line)) {
        if (line.rfind("sshd:", 0) == 0)
            return passwd;
        std::istringstream fields(line);
        std::string name, x, uid;
        if (std::getline(fields, name, ':') && std::getline(fields, x, ':') &&
            std::getline(fields, uid, ':'))
            uids.push_back(std::atol(uid.c_str()));
    }
    long uid = 64990;
    while (std::find(uids.begin(), uids.end(), uid) != uids.end())
        --uid;
    std::string out = passwd;
    if (!out.empty() && out.back() != '\n')
        out += "\n";
    return out + "sshd:x:" + std::to_string(uid) + ":65534::/run/sshd:/usr/sbin/nologin\n";
}

// The processes whose parent is pid (sshd's sessions, which leave its process group).
std::vector<pid_t> childrenOf(pid_t pid) {
    std::vector<pid_t> children;
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr)
        return children;
    while (const dirent* entry = ::readdir(proc)) {
        const pid_t candidate = std::atoi(entry->d_name);
        if (candidate <= 0)
            continue;
        // "pid (name) state ppid ...": the name may hold spaces, so read after ')'.
        const std::string stat = readFile("/proc/" + std::string(entry->d_name) + "/stat");
        const size_t close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream rest(stat.substr(close + 1));
        std::string state;
        pid_t parent = 0;
        if (rest >> state >> parent && parent == pid)
            children.push_back(candidate);
    }
    ::closedir(proc);
    return children;
}

// Connects and reads sshd's identification line: it serves, not merely listens.
bool greets(unsigned port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = loopbackAddress(port);
    bool ssh = false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        timeval limit{5, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        std::array<char, 64> banner{};
        const ssize_t got = ::recv(fd, banner.data(), banner.size() - 1, 0);
        ssh = got >= 4 && std::string(banner.data(), 4) == "SSH-";
    }
    ::close(fd);
    return ssh;
}

std::string keyTypeName(const std::string& type) {
    return "ssh_host_" + type + "_key";
}

}  // namespace

std::string shellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

int runShell(const std::string& command, const std::vector<std::string>& environment,
             std::string* output) {
    // env passes the assignments on; the command's input is empty, its errors go with its
    // output.
    std::string line = "env";
    for (const std::string& assignment : environment)
        line += " " + shellQuoted(assignment);
    line += " /bin/sh -c " + shellQuoted("exec </dev/null 2>&1; " + command);
    FILE* pipe = ::popen(line.c_str(), "r");
    if (pipe == nullptr)
        return -1;
    std::array<char, 4096> buffer{};
    std::string text;
    size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        text.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    if (output != nullptr)
        *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void writeAskpassScript(const std::string& path, const std::string& secret) {
    // Once only: ssh-add asks again and again after a wrong passphrase.
    const std::string used = path + ".used";
    std::filesystem::remove(used);
    writeFile(path, "#!/bin/sh\n[ -e " + shellQuoted(used) + " ] && exit 1\n: >" +
                        shellQuoted(used) + "\nprintf '%s\\n' " + shellQuoted(secret) + "\n");
    ::chmod(path.c_str(), 0700);
}

std::string SshdServer::sshdBinary() {
    const std::string path = std::string(kPeers) + "/usr/sbin/sshd";
    return ::access(path.c_str(), X_OK) == 0 ? path : std::string();
}

std::string SshdServer::sftpServerBinary() {
    const std::string path = std::string(kPeers) + "/usr/lib/openssh/sftp-server";
    return ::access(path.c_str(), X_OK) == 0 ? path : std::string();
}

SshdServer::SshdServer(const Options& options)
    : hostKeyType_(options.hostKeyTypes.empty() ? "ed25519" : options.hostKeyTypes.front()),
      changedHostKey_(options.changedHostKey) {
    if (sshdBinary().empty() || sftpServerBinary().empty()) {
        error_ = "no sshd or sftp-server under /opt/nubo-peers (scripts/install-deps unpacks them)";
        return;
    }
    if (::geteuid() != 0) {
        error_ = "sshd's mount namespace needs root";
        return;
    }
    if (folder_.path().empty()) {
        error_ = "no temporary folder";
        return;
    }
    root_ = folder_.path() + "/root";
    std::filesystem::create_directories(root_);
    if (!makeKeys(options) || !writeSystemFiles(options))
        return;
    // Another program may take the free port before sshd binds it: then again.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const unsigned port = freeLoopbackPort();
        writeConfig(options, port);
        if (startOn(port)) {
            port_ = port;
            return;
        }
        if (log().find("Address already in use") == std::string::npos)
            return;
    }
}

SshdServer::~SshdServer() {
    const pid_t listener = process_.pid();
    if (listener > 0) {
        // Each session is a child that left the listener's process group.
        for (const pid_t session : childrenOf(listener))
            ::kill(session, SIGTERM);
    }
    process_.stop();
}

bool SshdServer::makeKeys(const Options& options) {
    const std::string& base = folder_.path();
    std::string output;
    const auto keygen = [&](const std::string& type, const std::string& path,
                            const std::string& passphrase) {
        std::filesystem::remove(path);
        std::filesystem::remove(path + ".pub");
        const std::string command = "ssh-keygen -q -t " + type + " -N " + shellQuoted(passphrase) +
                                    " -C nubo-test -f " + shellQuoted(path);
        if (runShell(command, {}, &output) != 0) {
            error_ = "ssh-keygen failed: " + output;
            return false;
        }
        return true;
    };
    for (const std::string& type : options.hostKeyTypes) {
        if (!keygen(type, base + "/" + keyTypeName(type), ""))
            return false;
    }
    if (options.changedHostKey && !keygen(hostKeyType_, hostKeyPath(false), ""))
        return false;
    if (!keygen("ed25519", userKeyPath(), options.userKeyPassphrase))
        return false;
    std::filesystem::copy_file(userPublicKeyPath(), base + "/authorized_keys",
                               std::filesystem::copy_options::overwrite_existing);
    return true;
}

bool SshdServer::writeSystemFiles(const Options& options) {
    (void)options;
    const std::string etc = folder_.path() + "/etc";
    std::error_code failed;
    std::filesystem::create_directories(etc, failed);
    std::filesystem::copy("/etc/pam.d", etc + "/pam.d", std::filesystem::copy_options::recursive,
                          failed);
    if (failed) {
        error_ = "could not copy /etc/pam.d: " + failed.message();
        return false;
    }
    writeFile(etc + "/pam.d/sshd", kPamService);
    writeFile(etc + "/shadow", shadowWithRootPassword(readFile("/etc/shadow")));
    ::chmod((etc + "/shadow").c_str(), 0640);
    writeFile(etc + "/passwd", passwdWithSshdUser(readFile("/etc/passwd")));
    ::chmod((etc + "/passwd").c_str(), 0644);
    return true;
}

void SshdServer::writeConfig(const Options& options, unsigned port) const {
    const std::string& base = folder_.path();
    const auto yesNo = [](bool on) { return on ? "yes" : "no"; };
    std::string subsystem = "Subsystem sftp " + sftpServerBinary();
    for (const std::string& flag : options.sftpServerFlags)
        subsystem += " " + flag;
    std::string config = "ListenAddress 127.0.0.1\nPort " + std::to_string(port) + "\n";
    for (const std::string& type : options.hostKeyTypes)
        config += "HostKey " + base + "/" + keyTypeName(type) + "\n";
    config += subsystem + "\n" +
              "PidFile none\n"
              "StrictModes no\n"
              "AuthorizedKeysFile " +
              base +
              "/authorized_keys\n"
              "PermitRootLogin yes\n"
              "LogLevel VERBOSE\n"
              "UsePAM yes\n"
              "UseDNS no\n"
              "PrintMotd no\n"
              "PrintLastLog no\n"
              "X11Forwarding no\n"
              "MaxStartups 100\n"
              "PubkeyAuthentication " +
              yesNo(options.publickey) + "\nPasswordAuthentication " + yesNo(options.password) +
              "\nKbdInteractiveAuthentication " + yesNo(options.keyboardInteractive) + "\n";
    for (const std::string& line : options.configLines)
        config += line + "\n";
    writeFile(base + "/sshd_config", config);
}

bool SshdServer::startOn(unsigned port) {
    const std::string& base = folder_.path();
    process_.stop();
    // sshd re-executes itself for every connection, so it needs its absolute path.
    const std::vector<std::string> argv = {"/usr/bin/unshare",
                                           "--mount",
                                           "--propagation",
                                           "private",
                                           "/bin/sh",
                                           "-c",
                                           kNamespaceScript,
                                           "nubo-sshd",
                                           base,
                                           sshdBinary(),
                                           "-D",
                                           "-e",
                                           "-f",
                                           base + "/sshd_config"};
    if (!process_.start(argv, base + "/sshd.log")) {
        error_ = "could not start unshare";
        return false;
    }
    const bool serving = waitFor([&] { return !process_.alive() || greets(port); }, 20000);
    if (serving && process_.alive())
        return true;
    error_ = "sshd did not serve on port " + std::to_string(port) + ": " + log();
    return false;
}

std::string SshdServer::log() const {
    return readFile(folder_.path() + "/sshd.log");
}

std::string SshdServer::hostKeyPath(bool served) const {
    const std::string path = folder_.path() + "/" + keyTypeName(hostKeyType_);
    return served || !changedHostKey_ ? path
                                      : folder_.path() + "/previous_" + keyTypeName(hostKeyType_);
}

namespace {

// "[127.0.0.1]:PORT TYPE BASE64" of a public key file ("TYPE BASE64 COMMENT").
std::string knownHostsLineOf(const std::string& publicKeyPath, unsigned port) {
    std::istringstream key(readFile(publicKeyPath));
    std::string type, blob;
    key >> type >> blob;
    return "[127.0.0.1]:" + std::to_string(port) + " " + type + " " + blob;
}

}  // namespace

std::string SshdServer::knownHostsLine() const {
    return knownHostsLineOf(hostKeyPath(true) + ".pub", port_);
}

std::string SshdServer::rememberedKnownHostsLine() const {
    return knownHostsLineOf(hostKeyPath(false) + ".pub", port_);
}

std::string SshdServer::hashedKnownHostsLine() const {
    const std::string path = folder_.path() + "/known_hosts_hashed";
    writeFile(path, knownHostsLine() + "\n");
    std::string output;
    if (runShell("ssh-keygen -H -f " + shellQuoted(path), {}, &output) != 0)
        return {};
    return firstLine(readFile(path));
}

std::string SshdServer::hostKeyFingerprint() const {
    std::string output;
    if (runShell("ssh-keygen -l -E sha256 -f " + shellQuoted(hostKeyPath(true) + ".pub"), {},
                 &output) != 0)
        return {};
    // "256 SHA256:... comment (ED25519)"
    std::istringstream words(output);
    std::string bits, fingerprint;
    words >> bits >> fingerprint;
    return fingerprint;
}

SshAgent::SshAgent() {
    if (folder_.path().empty()) {
        error_ = "no temporary folder";
        return;
    }
    socket_ = folder_.path() + "/agent.sock";
    if (!process_.start({"/usr/bin/ssh-agent", "-D", "-a", socket_},
                        folder_.path() + "/agent.log")) {
        error_ = "could not start ssh-agent";
        return;
    }
    std::string output;
    // Ready once ssh-add reaches it: 1 is "no identities", 2 "cannot connect".
    running_ = waitFor(
                   [&] {
                       return !process_.alive() ||
                              runShell("ssh-add -l", {"SSH_AUTH_SOCK=" + socket_}, &output) != 2;
                   },
                   10000) &&
               process_.alive();
    if (!running_)
        error_ = "ssh-agent did not answer: " + readFile(folder_.path() + "/agent.log") + output;
}

SshAgent::~SshAgent() {
    process_.stop();
}

bool SshAgent::addKey(const std::string& keyPath, const std::string& passphrase) {
    const std::string askpass = folder_.path() + "/askpass";
    writeAskpassScript(askpass, passphrase);
    std::string output;
    const int status = runShell("ssh-add " + shellQuoted(keyPath),
                                {"SSH_AUTH_SOCK=" + socket_, "SSH_ASKPASS=" + askpass,
                                 "SSH_ASKPASS_REQUIRE=force", "DISPLAY=none"},
                                &output);
    if (status != 0)
        error_ = trimmed(output);
    return status == 0;
}

std::string SshAgent::listedKeys() const {
    std::string output;
    runShell("ssh-add -l", {"SSH_AUTH_SOCK=" + socket_}, &output);
    return output;
}

}  // namespace nubo::test
