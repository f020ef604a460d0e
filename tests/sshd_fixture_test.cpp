// The sshd fixture against OpenSSH's own client: each way of logging in, the known_hosts
// lines it writes, a changed host key, and that it leaves the system as it found it.

#include "tests/support/sshd_fixture.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/background_process.h"
#include "tests/support/tcp_delay_relay.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::SshAgent;
using test::SshdServer;

struct Outcome {
    int status = -1;
    std::string output;
};

// How the client logs in: its own options, before sftp's (the first value of an option
// wins, and -b sets BatchMode, which would forbid the askpass program).
struct Login {
    std::vector<std::string> options;
    std::vector<std::string> environment;
};

// Writes the known_hosts file a client trusts and the batch file, runs `sftp -b` against
// the server as root, and returns its status and words.
Outcome runSftp(const SshdServer& server, const std::string& knownHostsLine,
                const std::string& batch, const Login& login) {
    const std::string knownHosts = server.folder() + "/client_known_hosts";
    const std::string batchFile = server.folder() + "/batch";
    test::writeFile(knownHosts, knownHostsLine + "\n");
    test::writeFile(batchFile, batch);
    std::string command = "sftp -F /dev/null -P " + std::to_string(server.port()) +
                          " -o StrictHostKeyChecking=yes -o GlobalKnownHostsFile=/dev/null -o "
                          "UserKnownHostsFile=" +
                          test::shellQuoted(knownHosts);
    for (const std::string& option : login.options)
        command += " -o " + test::shellQuoted(option);
    command += " -b " + test::shellQuoted(batchFile) + " root@127.0.0.1";
    Outcome outcome;
    outcome.status = test::runShell(command, login.environment, &outcome.output);
    return outcome;
}

Login withUserKey(const SshdServer& server) {
    return {{"IdentityFile=" + server.userKeyPath(), "IdentitiesOnly=yes",
             "PreferredAuthentications=publickey"},
            {"SSH_AUTH_SOCK="}};
}

// A login by a password typed to the askpass program, with no key on offer.
Login withPassword(const SshdServer& server, const std::string& method,
                   const std::string& password) {
    const std::string askpass = server.folder() + "/client_askpass";
    test::writeAskpassScript(askpass, password);
    return {
        {"BatchMode=no", "PubkeyAuthentication=no", "PreferredAuthentications=" + method,
         "NumberOfPasswordPrompts=1"},
        {"SSH_ASKPASS=" + askpass, "SSH_ASKPASS_REQUIRE=force", "DISPLAY=none", "SSH_AUTH_SOCK="}};
}

// A file put to the server's folder and got back: both copies hold the same bytes.
void expectRoundTrip(const SshdServer& server, const Login& login, const std::string& line) {
    const std::string local = server.folder() + "/sent.bin";
    const std::string back = server.folder() + "/back.bin";
    const std::string content = test::patternBytes(3 * 1024 * 1024 + 17);
    test::writeFile(local, content);
    const std::string remote = server.root() + "/up.bin";
    const Outcome outcome = runSftp(
        server, line, "put " + local + " " + remote + "\nget " + remote + " " + back + "\n", login);
    ASSERT_EQ(outcome.status, 0) << outcome.output << "\nsshd:\n" << server.log();
    EXPECT_TRUE(test::readFile(remote) == content);
    EXPECT_TRUE(test::readFile(back) == content);
}

TEST(SshdFixtureTest, TheUserKeyLogsInTrustingThePlainAndTheHashedKnownHostsLine) {
    SshdServer server;
    ASSERT_TRUE(server.running()) << server.startError();
    const std::string line = server.knownHostsLine();
    EXPECT_EQ(line.rfind("[127.0.0.1]:" + std::to_string(server.port()) + " ssh-ed25519 AAAA", 0),
              0u)
        << line;
    expectRoundTrip(server, withUserKey(server), line);

    const std::string hashed = server.hashedKnownHostsLine();
    EXPECT_EQ(hashed.rfind("|1|", 0), 0u) << hashed;
    EXPECT_EQ(hashed.find("127.0.0.1"), std::string::npos) << hashed;
    const Outcome outcome = runSftp(server, hashed, "ls /\n", withUserKey(server));
    EXPECT_EQ(outcome.status, 0) << outcome.output;
}

TEST(SshdFixtureTest, ThePasswordAloneLogsInAndAWrongOneIsRefused) {
    SshdServer::Options options;
    options.publickey = false;
    options.keyboardInteractive = false;
    SshdServer server(options);
    ASSERT_TRUE(server.running()) << server.startError();
    expectRoundTrip(server, withPassword(server, "password", SshdServer::kPassword),
                    server.knownHostsLine());

    const Outcome wrong = runSftp(server, server.knownHostsLine(), "ls /\n",
                                  withPassword(server, "password", "not-the-password"));
    EXPECT_NE(wrong.status, 0);
    EXPECT_NE(wrong.output.find("Permission denied"), std::string::npos) << wrong.output;
    // The server offers no key login: the user key is turned away.
    const Outcome key = runSftp(server, server.knownHostsLine(), "ls /\n", withUserKey(server));
    EXPECT_NE(key.status, 0) << key.output;
}

TEST(SshdFixtureTest, KeyboardInteractiveAloneLogsInThroughPam) {
    SshdServer::Options options;
    options.publickey = false;
    options.password = false;
    SshdServer server(options);
    ASSERT_TRUE(server.running()) << server.startError();
    const Login login = withPassword(server, "keyboard-interactive", SshdServer::kPassword);
    const Outcome outcome = runSftp(server, server.knownHostsLine(), "ls /\n", login);
    EXPECT_EQ(outcome.status, 0) << outcome.output << "\nsshd:\n" << server.log();
    EXPECT_NE(server.log().find("Accepted keyboard-interactive/pam for root"), std::string::npos)
        << server.log();
    // Plain password authentication is not offered.
    const Outcome password = runSftp(server, server.knownHostsLine(), "ls /\n",
                                     withPassword(server, "password", SshdServer::kPassword));
    EXPECT_NE(password.status, 0) << password.output;
}

TEST(SshdFixtureTest, AKeyWithAPassphraseLogsInThroughTheAgentOnly) {
    SshdServer::Options options;
    options.userKeyPassphrase = "agent-phrase";
    SshdServer server(options);
    ASSERT_TRUE(server.running()) << server.startError();
    SshAgent agent;
    ASSERT_TRUE(agent.running()) << agent.startError();
    EXPECT_FALSE(agent.addKey(server.userKeyPath(), "wrong phrase"));
    ASSERT_TRUE(agent.addKey(server.userKeyPath(), "agent-phrase")) << agent.startError();
    std::string fingerprint;
    test::runShell("ssh-keygen -l -f " + test::shellQuoted(server.userPublicKeyPath()), {},
                   &fingerprint);
    EXPECT_NE(agent.listedKeys().find(fingerprint.substr(0, fingerprint.find(" nubo-test"))),
              std::string::npos)
        << agent.listedKeys() << fingerprint;

    // The key file itself is locked and no passphrase is typed: only the agent signs.
    const Login viaAgent{{"IdentityFile=none", "PreferredAuthentications=publickey"},
                         {"SSH_AUTH_SOCK=" + agent.socketPath()}};
    expectRoundTrip(server, viaAgent, server.knownHostsLine());
    const Login noAgent{{"IdentityFile=" + server.userKeyPath(), "IdentitiesOnly=yes",
                         "PreferredAuthentications=publickey"},
                        {"SSH_AUTH_SOCK="}};
    EXPECT_NE(runSftp(server, server.knownHostsLine(), "ls /\n", noAgent).status, 0);
}

TEST(SshdFixtureTest, AChangedHostKeyIsRefusedAndTheFingerprintIsTheServedKeys) {
    SshdServer::Options options;
    options.changedHostKey = true;
    SshdServer server(options);
    ASSERT_TRUE(server.running()) << server.startError();
    EXPECT_NE(server.rememberedKnownHostsLine(), server.knownHostsLine());

    const Outcome changed =
        runSftp(server, server.rememberedKnownHostsLine(), "ls /\n", withUserKey(server));
    EXPECT_NE(changed.status, 0);
    EXPECT_NE(changed.output.find("REMOTE HOST IDENTIFICATION HAS CHANGED"), std::string::npos)
        << changed.output;
    EXPECT_EQ(runSftp(server, server.knownHostsLine(), "ls /\n", withUserKey(server)).status, 0);

    // ssh-keyscan hears the same key the fingerprint describes.
    std::string scanned;
    ASSERT_EQ(test::runShell("ssh-keyscan -t ed25519 -p " + std::to_string(server.port()) +
                                 " 127.0.0.1 2>/dev/null | ssh-keygen -l -E sha256 -f -",
                             {}, &scanned),
              0)
        << scanned;
    EXPECT_EQ(server.hostKeyFingerprint().rfind("SHA256:", 0), 0u);
    EXPECT_NE(scanned.find(server.hostKeyFingerprint()), std::string::npos)
        << scanned << " vs " << server.hostKeyFingerprint();
}

TEST(SshdFixtureTest, RsaAndEcdsaHostKeysAreServedAndTheFirstIsDescribed) {
    SshdServer::Options options;
    options.hostKeyTypes = {"rsa", "ecdsa"};
    SshdServer server(options);
    ASSERT_TRUE(server.running()) << server.startError();
    EXPECT_NE(server.knownHostsLine().find(" ssh-rsa AAAA"), std::string::npos);
    Login login = withUserKey(server);
    login.options.push_back("HostKeyAlgorithms=rsa-sha2-512");
    EXPECT_EQ(runSftp(server, server.knownHostsLine(), "ls /\n", login).status, 0);
    std::string scanned;
    test::runShell("ssh-keyscan -p " + std::to_string(server.port()) + " 127.0.0.1 2>/dev/null", {},
                   &scanned);
    EXPECT_NE(scanned.find("ecdsa-sha2-nistp256"), std::string::npos) << scanned;
    EXPECT_EQ(scanned.find("ssh-ed25519"), std::string::npos) << scanned;
}

TEST(SshdFixtureTest, SftpServerFlagsReachTheSubsystem) {
    SshdServer::Options options;
    options.sftpServerFlags = {"-R"};  // read-only
    SshdServer server(options);
    ASSERT_TRUE(server.running()) << server.startError();
    test::writeFile(server.root() + "/here.txt", "here");
    const std::string local = server.folder() + "/local.txt";
    test::writeFile(local, "up");
    const Outcome put =
        runSftp(server, server.knownHostsLine(), "put " + local + " " + server.root() + "/up.txt\n",
                withUserKey(server));
    EXPECT_NE(put.status, 0) << put.output;
    EXPECT_FALSE(std::filesystem::exists(server.root() + "/up.txt"));
    const Outcome get =
        runSftp(server, server.knownHostsLine(),
                "get " + server.root() + "/here.txt " + local + "\n", withUserKey(server));
    EXPECT_EQ(get.status, 0) << get.output;
    EXPECT_EQ(test::readFile(local), "here");
}

// The namespace's files never show outside it, and the destructor ends the sessions too.
TEST(SshdFixtureTest, TheSystemIsUntouchedAndStoppingEndsEverySession) {
    const std::string shadow = test::readFile("/etc/shadow");
    const bool hadRunSshd = std::filesystem::exists("/run/sshd");
    test::BackgroundProcess session;
    pid_t listener = 0;
    {
        SshdServer server;
        ASSERT_TRUE(server.running()) << server.startError();
        listener = server.pid();
        EXPECT_EQ(test::readFile("/etc/shadow"), shadow);
        EXPECT_EQ(std::filesystem::exists("/run/sshd"), hadRunSshd);
        EXPECT_EQ(test::readFile("/proc/self/mountinfo").find(server.folder()), std::string::npos);

        const std::string knownHosts = server.folder() + "/client_known_hosts";
        test::writeFile(knownHosts, server.knownHostsLine() + "\n");
        ASSERT_TRUE(
            session.start({"/usr/bin/ssh", "-F", "/dev/null", "-p", std::to_string(server.port()),
                           "-o", "BatchMode=yes", "-o", "UserKnownHostsFile=" + knownHosts, "-i",
                           server.userKeyPath(), "root@127.0.0.1", "echo in; exec sleep 600"},
                          server.folder() + "/session.log"));
        ASSERT_TRUE(test::waitFor([&] {
            return test::readFile(server.folder() + "/session.log").find("in\n") == 0;
        })) << test::readFile(server.folder() + "/session.log")
            << server.log();
    }
    EXPECT_NE(::kill(listener, 0), 0);
    // The client sees its connection close rather than waiting out the sleep.
    EXPECT_TRUE(test::waitFor([&] { return !session.alive(); }, 20000));
}

}  // namespace
}  // namespace nubo

namespace nubo {
namespace {

// A target that reads everything until the end, then answers with it reversed and
// closes: what crosses the relay, in order, and both ends.
TEST(TcpDelayRelayTest, BytesAndEndsCrossBothWaysInOrder) {
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = test::loopbackAddress(0);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const auto readAll = [](int fd) {
        std::string data(65536, '\0'), all;
        ssize_t got = 0;
        while ((got = ::recv(fd, data.data(), data.size(), 0)) > 0)
            all.append(data.data(), static_cast<size_t>(got));
        return all;
    };
    std::string heard;
    std::thread target([&] {
        const int peer = ::accept(listener, nullptr, nullptr);
        heard = readAll(peer);
        const std::string answer(heard.rbegin(), heard.rend());
        for (size_t done = 0; done < answer.size();)
            done +=
                static_cast<size_t>(::send(peer, answer.data() + done, answer.size() - done, 0));
        ::close(peer);
    });
    const std::string sent = test::patternBytes(5 * 1024 * 1024 + 3);
    std::string answer;
    {
        test::TcpDelayRelay relay(ntohs(address.sin_port), 5);
        ASSERT_TRUE(relay.running()) << relay.startError();
        const int client = ::socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in through = test::loopbackAddress(relay.port());
        ASSERT_EQ(::connect(client, reinterpret_cast<const sockaddr*>(&through), sizeof through),
                  0);
        std::thread writer([&] {
            for (size_t done = 0; done < sent.size();)
                done +=
                    static_cast<size_t>(::send(client, sent.data() + done, sent.size() - done, 0));
            ::shutdown(client, SHUT_WR);
        });
        answer = readAll(client);  // ends only when the target's close crossed too
        writer.join();
        ::close(client);
        EXPECT_EQ(relay.connections(), 1u);
    }
    target.join();
    ::close(listener);
    EXPECT_TRUE(heard == sent) << heard.size() << " of " << sent.size();
    EXPECT_TRUE(answer == std::string(sent.rbegin(), sent.rend())) << answer.size();
}

TEST(TcpDelayRelayTest, AnSftpSessionCrossesItWhole) {
    SshdServer server;
    ASSERT_TRUE(server.running()) << server.startError();
    test::TcpDelayRelay relay(server.port(), 10);
    ASSERT_TRUE(relay.running()) << relay.startError();
    const std::string line = server.knownHostsLine();
    const std::string relayed =
        "[127.0.0.1]:" + std::to_string(relay.port()) + line.substr(line.find(' '));
    const std::string local = server.folder() + "/sent.bin";
    const std::string content = test::patternBytes(2 * 1024 * 1024 + 5);
    test::writeFile(local, content);
    const std::string knownHosts = server.folder() + "/relay_known_hosts";
    test::writeFile(knownHosts, relayed + "\n");
    std::string output;
    const int status = test::runShell(
        "sftp -F /dev/null -P " + std::to_string(relay.port()) + " -i " +
            test::shellQuoted(server.userKeyPath()) +
            " -o IdentitiesOnly=yes -o StrictHostKeyChecking=yes -o UserKnownHostsFile=" +
            test::shellQuoted(knownHosts) + " -b - root@127.0.0.1 <<'END'\nput " + local + " " +
            server.root() + "/up.bin\nget " + server.root() + "/up.bin " + server.folder() +
            "/back.bin\nEND",
        {"SSH_AUTH_SOCK="}, &output);
    ASSERT_EQ(status, 0) << output;
    EXPECT_TRUE(test::readFile(server.root() + "/up.bin") == content);
    EXPECT_TRUE(test::readFile(server.folder() + "/back.bin") == content);
    EXPECT_EQ(relay.connections(), 1u);
}

}  // namespace
}  // namespace nubo
