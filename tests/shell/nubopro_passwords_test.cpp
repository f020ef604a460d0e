// Where a script's password comes from and where it never shows: the real nubopro
// against pyftpdlib, with ~/.netrc in a temporary home, watched through /proc and ps
// while it runs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "tests/support/pyftpd_fixture.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::ProgramResult;
using test::PyFtpdServer;
using test::readFile;
using test::writeFile;

// A file of /proc/PID with its NUL separators shown as spaces.
std::string procText(pid_t pid, const char* file) {
    std::string text = readFile("/proc/" + std::to_string(pid) + "/" + file);
    for (char& c : text)
        c = c == '\0' ? ' ' : c;
    return text;
}

// What `ps -o args=` shows of a process.
std::string psArgs(pid_t pid) {
    std::string text;
    if (FILE* ps = popen(("ps -o args= -p " + std::to_string(pid)).c_str(), "r")) {
        std::array<char, 4096> buffer{};
        while (fgets(buffer.data(), buffer.size(), ps) != nullptr)
            text += buffer.data();
        pclose(ps);
    }
    return text;
}

class NuboproPasswordsTest : public ::testing::Test {
  protected:
    explicit NuboproPasswordsTest(std::vector<std::string> serverArgs = {}) : server(serverArgs) {}

    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        std::filesystem::create_directories(server.root() + "/sub");
        writeFile(server.root() + "/sub/hello.txt", "hello");
    }
    std::string hostPort() const { return "127.0.0.1:" + std::to_string(server.port()); }
    void writeNetrc(const std::string& text, mode_t mode = 0600) {
        writeFile(netrc(), text);
        ASSERT_EQ(chmod(netrc().c_str(), mode), 0);
    }
    std::string netrc() const { return home.root() + "/.netrc"; }
    std::string fetched() const { return readFile(home.work() + "/hello.txt"); }

    test::TestHome home;
    PyFtpdServer server;
};

TEST_F(NuboproPasswordsTest, AScriptTakesItsPasswordFromTheNetrc) {
    writeNetrc("machine 127.0.0.1 login alice password wonderland\n");
    ProgramResult named =
        test::runNubopro(home, {"-f", "ftp://alice@" + hostPort() + "/sub/hello.txt"});
    ASSERT_EQ(named.exitCode, 0) << named.errorText;
    EXPECT_EQ(fetched(), "hello");
    EXPECT_NE(named.errorText.find("... user alice and password from " + netrc()),
              std::string::npos)
        << named.errorText;
    EXPECT_NE(named.errorText.find("<PASS ****"), std::string::npos);

    // Without a user the netrc's login is taken; "default" serves any other host.
    std::filesystem::remove(home.work() + "/hello.txt");
    writeNetrc(
        "machine ftp.example.org login bob password x\n"
        "default login alice password wonderland\n");
    ProgramResult unnamed =
        test::runNubopro(home, {"-f", "ftp://" + hostPort() + "/sub/hello.txt"});
    ASSERT_EQ(unnamed.exitCode, 0) << unnamed.errorText;
    EXPECT_EQ(fetched(), "hello");
    EXPECT_NE(unnamed.errorText.find("<USER alice"), std::string::npos) << unnamed.errorText;
}

TEST_F(NuboproPasswordsTest, AnotherUsersEntryOrAReadableNetrcGivesNoPassword) {
    writeNetrc("machine 127.0.0.1 login bob password wonderland\n");
    ProgramResult mismatch =
        test::runNubopro(home, {"-f", "ftp://alice@" + hostPort() + "/sub/hello.txt"});
    EXPECT_EQ(mismatch.exitCode, 4) << mismatch.errorText;  // login failed
    EXPECT_EQ(mismatch.errorText.find("password from"), std::string::npos) << mismatch.errorText;
    EXPECT_FALSE(std::filesystem::exists(home.work() + "/hello.txt"));

    writeNetrc("machine 127.0.0.1 login alice password wonderland\n", 0640);
    ProgramResult readable =
        test::runNubopro(home, {"-f", "ftp://alice@" + hostPort() + "/sub/hello.txt"});
    EXPECT_EQ(readable.exitCode, 4) << readable.errorText;
    EXPECT_NE(readable.errorText.find("\n*** " + netrc() +
                                      " not used: it is readable by group or others (mode 0640)\n"),
              std::string::npos)
        << readable.errorText;
    EXPECT_FALSE(std::filesystem::exists(home.work() + "/hello.txt"));
}

// A server slow to change directories keeps the program running long enough to be
// looked at from outside, as another user would with ps.
class NuboproRunningTest : public NuboproPasswordsTest {
  protected:
    NuboproRunningTest() : NuboproPasswordsTest({"--slow-cwd", "1.5"}) {}

    // Runs nubopro and, once it has logged in, keeps what /proc and ps show of it.
    ProgramResult runWatched(const std::vector<std::string>& args,
                             const std::vector<std::pair<std::string, std::string>>& env = {}) {
        const std::string log = home.root() + "/stderr.txt";
        return test::runNubopro(
            home, args, 120, false,
            [&](pid_t pid) {
                if (readFile(log).find("logged in") == std::string::npos)
                    return;
                const std::string cmdline = procText(pid, "cmdline");
                if (cmdline.empty())
                    return;  // just ended
                seen.cmdline = cmdline;
                seen.environ = procText(pid, "environ");
                if (seen.ps.empty())
                    seen.ps = psArgs(pid);
            },
            env);
    }

    struct {
        std::string cmdline, environ, ps;
    } seen;
};

TEST_F(NuboproRunningTest, APasswordInTheUrlIsMaskedInTheArgumentList) {
    const ProgramResult result =
        runWatched({"-f", "ftp://alice:wonderland@" + hostPort() + "/sub/hello.txt"});
    ASSERT_EQ(result.exitCode, 0) << result.errorText;
    EXPECT_EQ(fetched(), "hello");
    ASSERT_FALSE(seen.cmdline.empty()) << "never seen running";
    EXPECT_EQ(seen.cmdline.find("wonderland"), std::string::npos) << seen.cmdline;
    EXPECT_NE(seen.cmdline.find(" -f ftp://alice:**********@" + hostPort() + "/sub/hello.txt"),
              std::string::npos)
        << seen.cmdline;
    EXPECT_EQ(seen.ps.find("wonderland"), std::string::npos) << seen.ps;
    EXPECT_NE(seen.ps.find("ftp://alice:**********@"), std::string::npos) << seen.ps;
}

TEST_F(NuboproRunningTest, AHandedPasswordLeavesTheEnvironment) {
    const ProgramResult result = runWatched({"-f", "ftp://alice@" + hostPort() + "/sub/hello.txt"},
                                            {{"NUBOPRO_PASSWORD", "wonderland"}});
    ASSERT_EQ(result.exitCode, 0) << result.errorText;
    EXPECT_EQ(fetched(), "hello");
    ASSERT_FALSE(seen.environ.empty()) << "never seen running";
    EXPECT_EQ(seen.environ.find("wonderland"), std::string::npos);
    EXPECT_EQ(seen.cmdline.find("wonderland"), std::string::npos);
}

}  // namespace
}  // namespace nubo
