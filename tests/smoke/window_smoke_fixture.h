#pragma once

// The real nubopro started on an X server of the test's own (Xvfb), as the desktop starts
// it, with a temporary home.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/smoke/x_server.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo::test {

class WindowSmokeFixture : public ::testing::Test {
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
            waitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, timeoutMs);
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
        waitFor(
            [&] {
                return !(id = x.xdotool("search --onlyvisible --name '" + title + "'")).empty();
            },
            30000);
        return id.substr(0, id.find('\n'));
    }
    // The window's place and size: "X", "Y", "WIDTH", "HEIGHT".
    std::map<std::string, int> windowGeometry(const std::string& window) const {
        std::map<std::string, int> geometry;
        std::istringstream lines(x.xdotool("getwindowgeometry --shell " + window));
        for (std::string line; std::getline(lines, line);) {
            const size_t equals = line.find('=');
            if (equals != std::string::npos)
                geometry[line.substr(0, equals)] = std::atoi(line.c_str() + equals + 1);
        }
        return geometry;
    }
    // Ctrl+Q to the window, again every 2 s until the program ends (a slow start, under
    // a sanitizer, may not take the first key yet); its exit code, -1 on time-out.
    int closeAndWait(const std::string& window, pid_t pid, int timeoutMs) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        int status = 0;
        while (std::chrono::steady_clock::now() < deadline) {
            x.xdotool("windowfocus --sync " + window + " key --clearmodifiers ctrl+q");
            if (waitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, 2000))
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        return waitExit(pid, 0);
    }

    XServer x;
    TestHome home;
};

}  // namespace nubo::test
