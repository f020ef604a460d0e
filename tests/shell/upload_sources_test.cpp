// What the command line's uploads take from the local side: regular files only, read
// as they are while they are sent (a file cut short meanwhile fails alone), and, for a
// folder, nothing from outside the folder.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "engine/trusted_certificates.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"
#include "tests/support/tls_certificate.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;

constexpr int kSent = 2, kPutFailed = 32;

class UploadSourcesTest : public ::testing::Test {
  protected:
    // pyftpdlib, over TLS with a certificate the home trusts when tls; extra arguments
    // after.
    void serve(bool tls, std::vector<std::string> extra = {}) {
        std::string print;
        if (tls) {
            const std::string pem = test::makeSelfSignedPem(temp.path(), &print);
            ASSERT_FALSE(pem.empty());
            extra.insert(extra.begin(), {"--tls-cert", pem});
        }
        server = std::make_unique<test::PyFtpdServer>(extra);
        ASSERT_TRUE(server->running()) << server->startError();
        url = server->url("", true) + "/";
        if (tls) {
            fs::create_directories(home.appData());
            TrustedCertificates store;
            ASSERT_TRUE(store.load(home.appData() + TrustedCertificates::kFileName));
            ASSERT_TRUE(store.add("127.0.0.1", server->port(), print));
            url.replace(0, 3, "ftpes");
        }
    }
    std::string local(const std::string& name) const { return home.work() + "/" + name; }
    std::string remote(const std::string& name) const { return server->root() + "/" + name; }

    test::TestHome home;
    test::TempFolder temp{"nubo-upload-sources"};
    std::unique_ptr<test::PyFtpdServer> server;
    std::string url;
};

// A log rotated by copy and truncate while it is being sent: the upload fails (it is
// not the file, and no resumption makes it so), and the next file of the batch goes.
TEST_F(UploadSourcesTest, AFileCutShortWhileSentFailsAloneOverTlsAndInClear) {
    test::writeFile(home.settingsFile(), "[Settings]\nSimultaneousTransfers=dword:00000001\n");
    for (bool tls : {true, false}) {
        SCOPED_TRACE(tls ? "over TLS" : "in clear");
        // Slow enough that the file is still being sent when it is cut, and larger than
        // what the sockets' buffers take in meanwhile.
        serve(tls, {"--rate", "4000000"});
        const std::string content = test::patternBytes(64 << 20);
        test::writeFile(local("rotated.log"), content);
        test::writeFile(local("after.txt"), "the next file\n");
        bool cut = false;
        const test::ProgramResult result = test::runNubopro(
            home, {"-z", "-p", "-u", url, "-d", home.work(), "-xi", "rotated.log", "after.txt"},
            120, false, [&](pid_t) {
                std::error_code error;
                if (!cut && fs::file_size(remote("rotated.log"), error) > 0 && !error) {
                    cut = ::truncate(local("rotated.log").c_str(), 1000) == 0;
                }
            });
        ASSERT_TRUE(cut) << result.errorText;
        ASSERT_GE(result.exitCode, 0) << "killed (a mapping read past its end):\n"
                                      << result.errorText;
        EXPECT_EQ(result.exitCode & (kSent | kPutFailed), kSent | kPutFailed) << result.errorText;
        EXPECT_NE(result.errorText.find("rotated.log shrank to 1000 bytes while being sent"),
                  std::string::npos)
            << result.errorText;
        EXPECT_EQ(result.errorText.find("Network error"), std::string::npos) << result.errorText;
        EXPECT_EQ(test::readFile(remote("after.txt")), "the next file\n");
        server.reset();
    }
}

TEST_F(UploadSourcesTest, OnlyRegularFilesAreSentAndAFolderKeepsToItsTree) {
    serve(false);
    // A FIFO would hold open() for ever; a device has no end (or none worth sending).
    ASSERT_EQ(::mkfifo(local("pipe").c_str(), 0600), 0);
    const test::ProgramResult device =
        test::runNubopro(home, {"-z", "-p", "-u", url, "-d", "/dev", "-xi", "zero"}, 60);
    ASSERT_GE(device.exitCode, 0) << device.errorText;
    EXPECT_EQ(device.exitCode & (kSent | kPutFailed), kPutFailed) << device.errorText;
    EXPECT_NE(device.errorText.find("*** Not a regular file, not sent: /dev/zero"),
              std::string::npos)
        << device.errorText;
    EXPECT_FALSE(fs::exists(remote("zero")));

    // A folder with a FIFO, links inside it and out of it, and one back into itself.
    const std::string tree = local("tree");
    fs::create_directories(tree + "/sub");
    test::writeFile(tree + "/a.txt", "in the tree\n");
    test::writeFile(tree + "/sub/b.txt", "deeper\n");
    test::writeFile(local("secret.txt"), "outside the tree\n");
    ASSERT_EQ(::mkfifo((tree + "/sub/fifo").c_str(), 0600), 0);
    fs::create_symlink("a.txt", tree + "/inside");
    fs::create_symlink("../secret.txt", tree + "/outside");
    fs::create_symlink(home.work(), tree + "/sub/home");
    fs::create_symlink("..", tree + "/sub/up");
    const test::ProgramResult folder = test::runNubopro(
        home, {"-z", "-p", "-u", url, "-d", home.work(), "-xi", "pipe", "tree"}, 60);
    ASSERT_GE(folder.exitCode, 0) << "still waiting for a writer to the FIFO:\n"
                                  << folder.errorText;
    EXPECT_EQ(folder.exitCode & (kSent | kPutFailed), kSent | kPutFailed) << folder.errorText;
    for (const char* path : {"/pipe", "/tree/sub/fifo"}) {
        EXPECT_NE(folder.errorText.find("*** Not a regular file, not sent: " + home.work() + path),
                  std::string::npos)
            << path << "\n"
            << folder.errorText;
    }
    EXPECT_NE(folder.errorText.find(tree + "/outside links out of the folder being sent"),
              std::string::npos)
        << folder.errorText;
    EXPECT_NE(folder.errorText.find(tree + "/sub/up leads back into a folder being sent"),
              std::string::npos)
        << folder.errorText;
    EXPECT_EQ(test::readFile(remote("tree/a.txt")), "in the tree\n");
    EXPECT_EQ(test::readFile(remote("tree/inside")), "in the tree\n");
    EXPECT_EQ(test::readFile(remote("tree/sub/b.txt")), "deeper\n");
    for (const char* absent :
         {"pipe", "tree/outside", "tree/sub/fifo", "tree/sub/home", "tree/sub/up", "secret.txt"}) {
        EXPECT_FALSE(fs::exists(remote(absent))) << absent;
    }
}

}  // namespace
}  // namespace nubo
