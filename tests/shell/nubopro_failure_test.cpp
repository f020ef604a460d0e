// The real nubopro against scripted servers that fail it on purpose: whatever did not
// run to success must show in the exit code, and nothing a server names may reach the
// terminal raw.
#include <gtest/gtest.h>

#include <signal.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/support/scripted_ftp_server.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::ProgramResult;
using test::readFile;
using test::ScriptedFtpServer;
using test::writeFile;

constexpr int kReceived = 1, kGetFailed = 16, kPutFailed = 32, kConnectFailed = 128;

class NuboproFailureTest : public ::testing::Test {
  protected:
    std::string url(const std::string& path) const {
        return "ftp://127.0.0.1:" + std::to_string(server.port()) + path;
    }
    std::string local(const std::string& name) const { return home.work() + "/" + name; }
    // The greeting and an anonymous login as a command-line run sends it.
    ScriptedFtpServer& login() {
        return server.reply("220 hi")
            .expect("USER anonymous")
            .reply("331 pw")
            .expect("PASS *")
            .reply("230 in")
            .expectFeatRefused();
    }
    // Login, then PWD and the listing of "/" holding the given lines.
    ScriptedFtpServer& loginAndList(const std::string& listing) {
        login().expect("PWD").reply("257 \"/\" is the current directory");
        return server.expectListing(listing);
    }
    ProgramResult run(const std::vector<std::string>& args, bool onTerminal = false) {
        server.start();
        ProgramResult result = runNubopro(home, args, 60, onTerminal);
        EXPECT_TRUE(server.waitDone(20000)) << result.errorText;
        EXPECT_TRUE(server.failures().empty()) << server.failures().front() << "\n"
                                               << result.errorText;
        return result;
    }

    test::TestHome home;
    ScriptedFtpServer server;
};

TEST_F(NuboproFailureTest, AConnectionClosedBeforeTheTransferFailsTheDownload) {
    login().expect("PWD").drop();
    ProgramResult result = run({"-z", "-g", "-u", url("/"), "-d", home.work(), "a.txt"});
    EXPECT_EQ(result.exitCode, kGetFailed | kConnectFailed) << result.errorText;
}

TEST_F(NuboproFailureTest, A421BeforeTheTransferFailsTheUpload) {
    writeFile(local("up.txt"), "up");
    login().expect("PWD").reply("421 Service not available, closing control connection.");
    ProgramResult result = run({"-z", "-p", "-u", url("/"), "-d", home.work(), "up.txt"});
    EXPECT_EQ(result.exitCode, kPutFailed | kConnectFailed) << result.errorText;
}

TEST_F(NuboproFailureTest, ABarePassiveReplyFailsAGet) {
    // A reply line of three characters reads as a broken control connection.
    login().expect("PWD").reply("257 \"/\"").expect("PASV").reply("227").expectClose();
    ProgramResult result = run({"-g", "-u", url("/"), "-d", home.work(), "f.txt"});
    EXPECT_EQ(result.exitCode, 1 | 8) << result.errorText;
    EXPECT_NE(result.errorText.find("... [CONTROL] Receive failed"), std::string::npos);
}

TEST_F(NuboproFailureTest, APassiveReplyWithoutAnAddressFailsAFetch) {
    login()
        .expect("CWD f.txt")
        .reply("550 Not a directory.")
        .expect("PWD")
        .reply("257 \"/\"")
        .expect("PASV")
        .reply("227 Entering Passive Mode.")
        .expect("QUIT")
        .reply("221 bye");
    ProgramResult result = run({"-z", "-f", url("/f.txt"), "-d", home.work()});
    EXPECT_EQ(result.exitCode, kGetFailed) << result.errorText;
    EXPECT_NE(result.errorText.find("... invalid PASV reply: 227 Entering Passive Mode."),
              std::string::npos);
    EXPECT_FALSE(fs::exists(local("f.txt")));
}

TEST_F(NuboproFailureTest, AListingIntoAMissingFolderIsAFailedDownload) {
    loginAndList("-rw-r--r-- 1 u g 5 Jun 21 2020 a.txt\r\n").expect("QUIT").reply("221 bye");
    const std::string missing = local("no/such/folder");
    ProgramResult result = run({"-z", "-f", url("/;type=d"), "-d", missing});
    EXPECT_EQ(result.exitCode, kGetFailed) << result.errorText;
    EXPECT_NE(result.errorText.find("... Open failed on " + missing), std::string::npos)
        << result.errorText;
}

TEST_F(NuboproFailureTest, NonFtpSchemesAreRefusedBeforeAnythingIsSent) {
    for (const char* scheme : {"sftp", "http", "ftps2"}) {
        ProgramResult result = runNubopro(
            home,
            {"-z", "-g", "-u", std::string(scheme) + "://user:secret@" + url("/").substr(6), "-d",
             home.work(), "a.txt"},
            10);
        EXPECT_EQ(result.exitCode, kConnectFailed) << result.errorText;
        EXPECT_NE(result.errorText.find("*** Invalid URL: "), std::string::npos)
            << result.errorText;
        EXPECT_EQ(result.errorText.find("secret"), std::string::npos) << result.errorText;
    }
    // The server was never even connected to.
    EXPECT_TRUE(server.transcript().empty());
}

TEST_F(NuboproFailureTest, EscapeSequencesInNamesNeverReachTheTerminal) {
    const std::string hostile = "x\x1b]0;owned\x07\x1b[2J.bin";
    const std::string content(200000, 'z');
    loginAndList("-rw-r--r-- 1 u g 200000 Jun 21 2020 " + hostile + "\r\n")
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR " + hostile)
        .reply("150 Opening BINARY mode data connection (200000 bytes).")
        .sendData(content)
        .reply("226 Transfer complete.")
        .expect("QUIT")
        .reply("221 bye");
    ProgramResult result =
        run({"-z", "-xi", "-g", "-u", url("/"), "-d", home.work(), hostile}, true);
    EXPECT_EQ(result.exitCode, kReceived) << result.errorText;
    EXPECT_EQ(result.errorText.find('\x1b'), std::string::npos) << result.errorText;
    EXPECT_EQ(result.errorText.find('\x07'), std::string::npos) << result.errorText;
    EXPECT_EQ(readFile(local(hostile)), content);
}

TEST_F(NuboproFailureTest, ADamagedSettingsFileIsReportedKeptAndMended) {
    fs::create_directories(fs::path(home.settingsFile()).parent_path());
    writeFile(home.settingsFile(),
              "[Settings]\nEMail=\"stray@example.org\nLastXDir=/kept\n[Hosts]\n");
    ProgramResult result = runNubopro(home, {"-f", "-"});
    EXPECT_NE(result.errorText.find("*** The settings file was damaged"), std::string::npos)
        << result.errorText;
    bool copied = false;
    for (const auto& entry : fs::directory_iterator(fs::path(home.settingsFile()).parent_path()))
        copied = copied || entry.path().filename().string().rfind("Nubo.conf.bad-", 0) == 0;
    EXPECT_TRUE(copied);
    const std::string mended = readFile(home.settingsFile());
    EXPECT_NE(mended.find("LastXDir=/kept"), std::string::npos) << mended;
    EXPECT_NE(mended.find("stray@example.org"), std::string::npos) << mended;
}

TEST_F(NuboproFailureTest, SigtermEndsAStalledRunWithQuitAndSavesTheSettings) {
    std::atomic<bool> stalled{false};
    loginAndList("-rw-r--r-- 1 u g 5000 Jun 21 2020 slow.bin\r\n")
        .expect("TYPE I")
        .reply("200 Binary.")
        .expectPasv()
        .expect("RETR slow.bin")
        .reply("150 Opening BINARY mode data connection.")
        .startData(std::string(1000, 's'))
        .run([&] { stalled = true; })
        .expect("ABOR")
        .endData()
        .reply("426 Transfer aborted.")
        .reply("226 ABOR successful.")
        .expect("QUIT")
        .reply("221 bye");
    server.start();
    bool signalled = false;
    ProgramResult result =
        runNubopro(home, {"-z", "-xi", "-g", "-u", url("/"), "-d", home.work(), "slow.bin"}, 60,
                   false, [&](pid_t pid) {
                       if (stalled && !signalled) {
                           std::this_thread::sleep_for(std::chrono::milliseconds(200));
                           signalled = kill(pid, SIGTERM) == 0;
                       }
                   });
    EXPECT_TRUE(signalled);
    EXPECT_TRUE(server.waitDone(20000)) << result.errorText;
    EXPECT_TRUE(server.failures().empty()) << server.failures().front() << result.errorText;
    EXPECT_EQ(result.exitCode, kGetFailed) << result.errorText;
    EXPECT_NE(result.errorText.find("... interrupted; logging off"), std::string::npos);
    EXPECT_TRUE(fs::exists(home.settingsFile()));
    EXPECT_NE(readFile(home.settingsFile()).find("Options="), std::string::npos);
}

}  // namespace
}  // namespace nubo
