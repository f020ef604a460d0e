// The real nubopro in a real X server (Xvfb), driven with xdotool as a person would.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include "tests/smoke/x_server.h"
#include "tests/support/background_process.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;

class WindowSmokeTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(x.display().empty()) << "Xvfb did not start"; }
    // Starts nubopro on the X server, without a terminal, as the desktop would; with the
    // environment's variables set on top.
    pid_t start(const std::vector<std::string>& args,
                const std::vector<std::pair<std::string, std::string>>& environment = {}) {
        pid_t pid = fork();
        if (pid == 0) {
            setenv("DISPLAY", x.display().c_str(), 1);
            unsetenv("QT_QPA_PLATFORM");
            unsetenv("WAYLAND_DISPLAY");
            for (const auto& [name, value] : environment)
                setenv(name.c_str(), value.c_str(), 1);
            if (chdir(home.work().c_str()) != 0 ||
                !freopen((home.root() + "/stderr.txt").c_str(), "w", stderr))
                _exit(126);
            std::vector<char*> argv = {const_cast<char*>(NUBOPRO_BINARY)};
            for (const std::string& arg : args)
                argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(NUBOPRO_BINARY, argv.data());
            _exit(127);
        }
        return pid;
    }
    // The program's exit code, or -1 when it did not end in time (it is then killed).
    static int waitExit(pid_t pid, int timeoutMs) {
        int status = 0;
        const bool ended =
            test::waitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, timeoutMs);
        if (!ended) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // The id of the window whose title matches, waiting for it to appear.
    std::string findWindow(const std::string& title) {
        std::string id;
        test::waitFor(
            [&] {
                return !(id = x.xdotool("search --onlyvisible --name '" + title + "'")).empty();
            },
            30000);
        return id.substr(0, id.find('\n'));
    }
    // Ctrl+Q to the window, again every 2 s until the program ends (a slow start, under
    // a sanitizer, may not take the first key yet); its exit code, -1 on time-out.
    int closeAndWait(const std::string& window, pid_t pid, int timeoutMs) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        int status = 0;
        while (std::chrono::steady_clock::now() < deadline) {
            x.xdotool("windowfocus --sync " + window + " key --clearmodifiers ctrl+q");
            if (test::waitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, 2000))
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        return waitExit(pid, 0);
    }

    test::XServer x;
    test::TestHome home;
};

TEST_F(WindowSmokeTest, TheWindowOpensAndACloseRequestSavesTheSettings) {
    const pid_t pid = start({});
    const std::string window = findWindow("^Nubo 2\\.2$");
    ASSERT_FALSE(window.empty()) << test::readFile(home.root() + "/stderr.txt");
    EXPECT_EQ(x.xdotool("getwindowname " + window), "Nubo 2.2");
    EXPECT_EQ(closeAndWait(window, pid, 20000), 0) << test::readFile(home.root() + "/stderr.txt");
    EXPECT_NE(test::readFile(home.settingsFile()).find("Options="), std::string::npos);
}

// Twice the scale (a high-resolution screen, or a user who wants it larger): the window
// opens within the screen, not beyond its edges.
TEST_F(WindowSmokeTest, AtTwiceTheScaleTheWindowOpensWithinTheScreen) {
    const pid_t pid = start({}, {{"QT_SCALE_FACTOR", "2"}});
    const std::string window = findWindow("^Nubo 2\\.2$");
    ASSERT_FALSE(window.empty()) << test::readFile(home.root() + "/stderr.txt");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // mapped and laid out
    // "X=..", "Y=..", "WIDTH=..", "HEIGHT=.." lines; the screen as "WIDTH HEIGHT".
    std::map<std::string, int> geometry;
    std::istringstream lines(x.xdotool("getwindowgeometry --shell " + window));
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            geometry[line.substr(0, equals)] = std::atoi(line.c_str() + equals + 1);
    }
    int screenWidth = 0, screenHeight = 0;
    std::istringstream(x.xdotool("getdisplaygeometry")) >> screenWidth >> screenHeight;
    ASSERT_GT(screenWidth, 0);
    ASSERT_GT(geometry["WIDTH"], 0);
    EXPECT_GE(geometry["X"], 0);
    EXPECT_GE(geometry["Y"], 0);
    EXPECT_LE(geometry["X"] + geometry["WIDTH"], screenWidth);
    EXPECT_LE(geometry["Y"] + geometry["HEIGHT"], screenHeight);
    EXPECT_EQ(closeAndWait(window, pid, 20000), 0) << test::readFile(home.root() + "/stderr.txt");
}

TEST_F(WindowSmokeTest, ClosingWithAConnectedSessionSendsQuitAndExitsPromptly) {
    test::ScriptedFtpServer server;
    server.expectLogin()
        .expect("PWD")
        .reply("257 \"/\" is the current directory")
        .expectPasv()
        .expect("LIST")
        .reply("150 Here comes the listing.")
        .sendData("-rw-r--r-- 1 u g 5 Jun 21 2020 a.txt\r\n")
        .reply("226 Listing done.")
        .expect("QUIT")
        .reply("221 Goodbye.");
    server.start();
    // A URL alone: the window opens, logs in and lists on its own.
    const pid_t pid = start({"ftp://127.0.0.1:" + std::to_string(server.port()) + "/"});
    const std::string window = findWindow("Nubo 2\\.2$");
    ASSERT_FALSE(window.empty()) << test::readFile(home.root() + "/stderr.txt");
    // Logged in and the folder listed: the session is connected and idle.
    ASSERT_TRUE(test::waitFor([&] {
        const auto lines = server.transcript();
        return std::find(lines.begin(), lines.end(), "LIST") != lines.end();
    })) << test::readFile(home.root() + "/stderr.txt");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(closeAndWait(window, pid, 20000), 0) << test::readFile(home.root() + "/stderr.txt");
    EXPECT_TRUE(server.waitDone(5000));
    for (const std::string& failure : server.failures())
        ADD_FAILURE() << failure;
}

TEST_F(WindowSmokeTest, SigtermRunsTheExitSequence) {
    const pid_t pid = start({});
    ASSERT_FALSE(findWindow("^Nubo 2\\.2$").empty()) << test::readFile(home.root() + "/stderr.txt");
    kill(pid, SIGTERM);
    EXPECT_EQ(waitExit(pid, 15000), 0) << test::readFile(home.root() + "/stderr.txt");
    EXPECT_NE(test::readFile(home.settingsFile()).find("Options="), std::string::npos);
}

TEST_F(WindowSmokeTest, ClosingNeverHangsOnAServerThatDoesNotAnswer) {
    test::ScriptedFtpServer silent;
    silent.delay(8000);  // accepts, then says nothing: the login waits for its greeting
    silent.start();
    const pid_t pid = start({"-u", "ftp://127.0.0.1:" + std::to_string(silent.port()) + "/"});
    const std::string window = findWindow("Nubo 2\\.2$");
    ASSERT_FALSE(window.empty()) << test::readFile(home.root() + "/stderr.txt");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_GE(closeAndWait(window, pid, 20000), 0) << test::readFile(home.root() + "/stderr.txt");
    EXPECT_NE(test::readFile(home.settingsFile()).find("Options="), std::string::npos);
}

}  // namespace
}  // namespace nubo
