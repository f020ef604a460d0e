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

#include "tests/smoke/window_smoke_fixture.h"
#include "tests/support/background_process.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/scripted_ftp_server.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;

class WindowSmokeTest : public test::WindowSmokeFixture {};

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
    std::map<std::string, int> geometry = windowGeometry(window);
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
        .expectListing("-rw-r--r-- 1 u g 5 Jun 21 2020 a.txt\r\n")
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

// Opened on a shortcut whose folder lies in a hidden folder of the home, the window
// says so, as a terminal run logs it, and its transfers go to the Downloads folder.
TEST_F(WindowSmokeTest, AShortcutsHiddenFolderIsRefusedInAMessage) {
    fs::create_directories(home.root() + "/.config/autostart");
    test::writeFile(home.work() + "/site.nubo", "[NuboShortcut]\nXDir=../.config/autostart\n");
    const pid_t pid = start({"-o", "site.nubo"});
    ASSERT_FALSE(findWindow("^Nubo 2\\.2$").empty()) << test::readFile(home.root() + "/stderr.txt");
    EXPECT_FALSE(findWindow("^Nubo PRO$").empty()) << test::readFile(home.root() + "/stderr.txt");
    EXPECT_TRUE(fs::is_directory(home.root() + "/Downloads"));
    kill(pid, SIGTERM);
    EXPECT_EQ(waitExit(pid, 15000), 0) << test::readFile(home.root() + "/stderr.txt");
}

// A transfer started on such a shortcut ("Paste URL for Download") waits for the user:
// Cancel fetches nothing, Yes fetches into the Downloads folder, never the shortcut's.
TEST_F(WindowSmokeTest, ATransferOnARefusedShortcutFolderAsksBeforeUsingDownloads) {
    test::PyFtpdServer server;
    ASSERT_TRUE(server.running()) << server.startError();
    test::writeFile(server.root() + "/evil.desktop", "[Desktop Entry]\n");
    fs::create_directories(home.root() + "/.config/autostart");
    test::writeFile(home.work() + "/site.nubo", "[NuboShortcut]\nXDir=../.config/autostart\n");
    const std::string fetched = home.root() + "/Downloads/evil.desktop";
    for (const char* answer : {"Escape", "alt+t"}) {
        const pid_t pid = start({"-o", "site.nubo", "-f", server.url("/evil.desktop")});
        const std::string box = findWindow("^Nubo PRO$");
        ASSERT_FALSE(box.empty()) << test::readFile(home.root() + "/stderr.txt");
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_FALSE(fs::exists(fetched)) << "nothing is fetched before the answer";
        x.xdotool("windowfocus --sync " + box + " key --clearmodifiers " + answer);
        const bool yes = std::string(answer) == "alt+t";
        EXPECT_EQ(test::waitFor([&] { return fs::exists(fetched); }, yes ? 20000 : 1500), yes)
            << answer << "\n"
            << test::readFile(home.root() + "/stderr.txt");
        // Either way the run ends by itself: Cancel as a download that failed.
        EXPECT_EQ(waitExit(pid, 15000), yes ? 0 : 1) << test::readFile(home.root() + "/stderr.txt");
    }
    EXPECT_EQ(test::readFile(fetched), "[Desktop Entry]\n");
    EXPECT_FALSE(fs::exists(home.root() + "/.config/autostart/evil.desktop"));
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
