// What libssh 0.10 and libssh2 1.10 can do that an SFTP client needs, tried against the
// fixture's sshd rather than read from their documentation: host keys in known_hosts
// files (plain and hashed "[host]:port" lines, a changed key), agent and
// keyboard-interactive logins, ~/.ssh/config, the server's limits, renaming over a file,
// and sessions on several threads at once. Prints one line per library and question.

#include <libssh/libssh.h>
#include <libssh/sftp.h>
#include <libssh2.h>
#include <libssh2_sftp.h>

#include <fcntl.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "bench/sftp_sessions.h"
#include "tests/support/sshd_fixture.h"
#include "tests/support/test_util.h"

namespace {

using nubo::bench::Auth;
using nubo::bench::Libssh2Session;
using nubo::bench::LibsshSession;
using nubo::bench::Login;
using nubo::bench::Target;
using nubo::test::SshdServer;

void say(const char* library, const std::string& question, const std::string& answer) {
    std::printf("| %s | %s | %s |\n", library, question.c_str(), answer.c_str());
}

// Whether each library logs in to target with login: "yes", or its error.
template <typename Session>
std::string logsIn(const Target& target, const Login& login = {}) {
    Session session(target, login);
    return session.error.empty() ? "yes" : "no (" + session.error + ")";
}

void askBoth(const std::string& question, const Target& target, const Login& login = {}) {
    say("libssh", question, logsIn<LibsshSession>(target, login));
    say("libssh2", question, logsIn<Libssh2Session>(target, login));
}

// limits@openssh.com asked over libssh's SFTP channel by hand (0.10 has no call for it):
// the four limits, or why not.
std::string libsshLimits(LibsshSession& ssh) {
    if (sftp_extension_supported(ssh.sftp, "limits@openssh.com", "1") != 1)
        return "the server does not list limits@openssh.com";
    using namespace nubo::bench::wire;
    if (!send(ssh.sftp->channel,
              packet(SSH_FXP_EXTENDED, 0x7fff0001u, string("limits@openssh.com"))))
        return "could not send";
    // type, id, then four uint64: packet, read and write lengths, open handles.
    const std::vector<unsigned char> reply = receive(ssh.sftp->channel);
    if (reply.size() < 37 || reply[0] != SSH_FXP_EXTENDED_REPLY)
        return "refused";
    const auto u64 = [&](size_t at) { return nubo::bench::wire::u64(&reply[at]); };
    return "by hand over sftp->channel: packet " + std::to_string(u64(5)) + ", read " +
           std::to_string(u64(13)) + ", write " + std::to_string(u64(21)) + ", handles " +
           std::to_string(u64(29));
}

// n sessions on n threads at once, each downloading the same file whole.
template <typename Session>
std::string threadsAtOnce(const Target& target, const std::string& expected, int n,
                          const std::function<std::string(Session&, const std::string&)>& fetch) {
    std::vector<std::string> results(static_cast<size_t>(n));
    std::vector<std::thread> threads;
    for (int i = 0; i < n; ++i) {
        threads.emplace_back([&, i] {
            Session session(target);
            results[static_cast<size_t>(i)] =
                session.error.empty() ? fetch(session, target.remote) : session.error;
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    int whole = 0;
    for (const std::string& result : results)
        whole += result == expected ? 1 : 0;
    return std::to_string(whole) + " of " + std::to_string(n) + " sessions got the file whole";
}

std::string libsshFetch(LibsshSession& ssh, const std::string& path) {
    sftp_file file = sftp_open(ssh.sftp, path.c_str(), O_RDONLY, 0);
    std::string data;
    std::vector<char> buffer(32768);
    ssize_t got = 0;
    while (file != nullptr && (got = sftp_read(file, buffer.data(), buffer.size())) > 0)
        data.append(buffer.data(), static_cast<size_t>(got));
    if (file != nullptr)
        sftp_close(file);
    return data;
}

std::string libssh2Fetch(Libssh2Session& ssh, const std::string& path) {
    LIBSSH2_SFTP_HANDLE* file = libssh2_sftp_open(ssh.sftp, path.c_str(), LIBSSH2_FXF_READ, 0);
    std::string data;
    std::vector<char> buffer(1 << 20);
    ssize_t got = 0;
    while (file != nullptr && (got = libssh2_sftp_read(file, buffer.data(), buffer.size())) > 0)
        data.append(buffer.data(), static_cast<size_t>(got));
    if (file != nullptr)
        libssh2_sftp_close(file);
    return data;
}

}  // namespace

int main() {
    using namespace nubo::test;
    ssh_init();
    libssh2_init(0);
    SshdServer server;
    SshdServer::Options changedOptions;
    changedOptions.changedHostKey = true;
    SshdServer changed(changedOptions);
    if (!server.running() || !changed.running()) {
        std::fprintf(stderr, "sshd: %s%s\n", server.startError().c_str(),
                     changed.startError().c_str());
        return 1;
    }
    const std::string work = server.folder();
    Target target{server.port(), server.userKeyPath(), work + "/plain_known_hosts", {}, {}, {}};
    writeFile(target.knownHosts, server.knownHostsLine() + "\n");
    std::printf("| library | question | answer |\n|---|---|---|\n");
    askBoth("known_hosts, plain [127.0.0.1]:port line", target);

    Target hashed = target;
    hashed.knownHosts = work + "/hashed_known_hosts";
    writeFile(hashed.knownHosts, server.hashedKnownHostsLine() + "\n");
    askBoth("known_hosts, hashed [127.0.0.1]:port line", hashed);

    Target otherKey{
        changed.port(), changed.userKeyPath(), work + "/changed_known_hosts", {}, {}, {}};
    writeFile(otherKey.knownHosts, changed.rememberedKnownHostsLine() + "\n");
    {
        LibsshSession probe(otherKey);
        say("libssh", "a changed host key",
            probe.error.empty() ? "accepted!"
                                : "refused, ssh_session_is_known_server = " +
                                      std::to_string(ssh_session_is_known_server(probe.session)) +
                                      " (SSH_KNOWN_HOSTS_CHANGED = " +
                                      std::to_string(SSH_KNOWN_HOSTS_CHANGED) + ")");
        Libssh2Session probe2(otherKey);
        say("libssh2", "a changed host key",
            probe2.error.empty()
                ? "accepted!"
                : "refused, libssh2_knownhost_checkp = " + std::to_string(probe2.hostCheck) +
                      " (LIBSSH2_KNOWNHOST_CHECK_MISMATCH = " +
                      std::to_string(LIBSSH2_KNOWNHOST_CHECK_MISMATCH) + ")");
    }

    SshAgent agent;
    if (agent.running() && agent.addKey(server.userKeyPath())) {
        setenv("SSH_AUTH_SOCK", agent.socketPath().c_str(), 1);
        askBoth("agent login (SSH_AUTH_SOCK)", target, Login{Auth::Agent, {}, {}});
        unsetenv("SSH_AUTH_SOCK");
    }
    askBoth("keyboard-interactive login", target,
            Login{Auth::KeyboardInteractive, SshdServer::kPassword, {}});

    const std::string config = work + "/ssh_config";
    writeFile(config, "Host bench\n  HostName 127.0.0.1\n  Port " + std::to_string(server.port()) +
                          "\n  User root\n");
    say("libssh", "ssh_config: Host alias with HostName, Port, User",
        logsIn<LibsshSession>(target, Login{Auth::Key, {}, config}));
    say("libssh2", "ssh_config", "no parser: the client reads the file itself");

    writeFile(server.root() + "/a", "a");
    writeFile(server.root() + "/b", "b");
    writeFile(server.root() + "/c", "c");
    {
        LibsshSession ssh(target);
        say("libssh", "server extensions",
            std::to_string(sftp_extensions_get_count(ssh.sftp)) + " listed, posix-rename " +
                std::to_string(
                    sftp_extension_supported(ssh.sftp, "posix-rename@openssh.com", "1")) +
                ", limits " +
                std::to_string(sftp_extension_supported(ssh.sftp, "limits@openssh.com", "1")));
        const int renamed =
            sftp_rename(ssh.sftp, (server.root() + "/a").c_str(), (server.root() + "/b").c_str());
        say("libssh", "sftp_rename over an existing file",
            renamed == 0 && readFile(server.root() + "/b") == "a"
                ? "replaces it"
                : "fails (" + std::string(ssh_get_error(ssh.session)) + ")");
        say("libssh", "limits@openssh.com", libsshLimits(ssh));
    }
    {
        Libssh2Session ssh(target);
        const std::string from = server.root() + "/c", to = server.root() + "/b";
        const int renamed =
            libssh2_sftp_rename_ex(ssh.sftp, from.c_str(), static_cast<unsigned>(from.size()),
                                   to.c_str(), static_cast<unsigned>(to.size()),
                                   LIBSSH2_SFTP_RENAME_OVERWRITE | LIBSSH2_SFTP_RENAME_ATOMIC |
                                       LIBSSH2_SFTP_RENAME_NATIVE);
        say("libssh2", "libssh2_sftp_rename_ex(OVERWRITE) over an existing file",
            renamed == 0 && readFile(to) == "c"
                ? "replaces it"
                : "fails (" + std::to_string(libssh2_sftp_last_error(ssh.sftp)) + ")");
        say("libssh2", "limits@openssh.com / extensions",
            "no call lists or sends extensions; only by hand over libssh2_sftp_get_channel");
    }

    const std::string data = patternBytes(8 << 20);
    writeFile(server.root() + "/threads.bin", data);
    Target threaded = target;
    threaded.remote = server.root() + "/threads.bin";
    say("libssh", "4 sessions on 4 threads (after one ssh_init)",
        threadsAtOnce<LibsshSession>(threaded, data, 4, libsshFetch));
    say("libssh2", "4 sessions on 4 threads (after one libssh2_init)",
        threadsAtOnce<Libssh2Session>(threaded, data, 4, libssh2Fetch));
    libssh2_exit();
    ssh_finalize();
    return 0;
}
