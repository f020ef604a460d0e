#include "tests/support/test_home.h"

#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "tests/support/test_util.h"

namespace nubo::test {

namespace {

const char* const kVariables[] = {"HOME",          "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                  "XDG_DATA_DIRS", "DISPLAY",         "WAYLAND_DISPLAY"};

}  // namespace

TestHome::TestHome() {
    char pattern[] = "/tmp/nubo-home-XXXXXX";
    root_ = mkdtemp(pattern) != nullptr ? pattern : "/tmp/nubo-home-failed";
    for (const std::string& folder : {config(), data(), work()}) {
        std::filesystem::create_directories(folder);
    }
    for (const char* name : kVariables) {
        const char* value = std::getenv(name);
        if (value != nullptr) {
            saved_.emplace_back(name, value);
        } else {
            unset_.push_back(name);
        }
    }
    setenv("HOME", root_.c_str(), 1);
    setenv("XDG_CONFIG_HOME", config().c_str(), 1);
    setenv("XDG_DATA_HOME", data().c_str(), 1);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
}

void TestHome::hideSystemData() const {
    std::filesystem::create_directories(systemData());
    setenv("XDG_DATA_DIRS", systemData().c_str(), 1);
}

TestHome::~TestHome() {
    for (const auto& [name, value] : saved_) {
        setenv(name.c_str(), value.c_str(), 1);
    }
    for (const std::string& name : unset_) {
        unsetenv(name.c_str());
    }
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

ProgramResult runNubopro(const TestHome& home, const std::vector<std::string>& args,
                         int timeoutSeconds, bool onTerminal) {
    return runNubopro(home, args, timeoutSeconds, onTerminal, {});
}

ProgramResult runNubopro(const TestHome& home, const std::vector<std::string>& args,
                         int timeoutSeconds, bool onTerminal,
                         const std::function<void(pid_t)>& watch,
                         const std::vector<std::pair<std::string, std::string>>& environment) {
    return runProgram(home, NUBOPRO_BINARY, args, timeoutSeconds, onTerminal, watch, environment);
}

ProgramResult runProgram(const TestHome& home, const std::string& binary,
                         const std::vector<std::string>& args, int timeoutSeconds, bool onTerminal,
                         const std::function<void(pid_t)>& watch,
                         const std::vector<std::pair<std::string, std::string>>& environment) {
    ProgramResult result;
    const std::string errorFile = home.root() + "/stderr.txt";
    const std::string outputFile = home.root() + "/stdout.txt";
    std::vector<std::string> argvText = {binary};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argvText)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    int terminal = -1, terminalSide = -1;
    if (onTerminal && openpty(&terminal, &terminalSide, nullptr, nullptr, nullptr) != 0) {
        return result;
    }
    pid_t pid = fork();
    if (pid == 0) {
        // Without a display, as scripts and CI run it.
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            unsetenv(name);
        for (const auto& [name, value] : environment)
            setenv(name.c_str(), value.c_str(), 1);
        if (chdir(home.work().c_str()) != 0 || !freopen(outputFile.c_str(), "w", stdout) ||
            (onTerminal ? dup2(terminalSide, 2) < 0 : !freopen(errorFile.c_str(), "w", stderr))) {
            _exit(126);
        }
        execv(binary.c_str(), argv.data());
        _exit(127);
    }
    if (pid < 0) {
        return result;
    }
    std::string terminalText;
    if (onTerminal) {
        ::close(terminalSide);
        fcntl(terminal, F_SETFL, O_NONBLOCK);
    }
    const auto drain = [&] {
        char buffer[4096];
        ssize_t got;
        while (onTerminal && (got = ::read(terminal, buffer, sizeof buffer)) > 0)
            terminalText.append(buffer, static_cast<size_t>(got));
    };
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            result.errorText = readFile(errorFile) + "\n[killed after the time-out]";
            return result;
        }
        drain();
        if (watch)
            watch(pid);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    drain();
    if (onTerminal)
        ::close(terminal);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.errorText = onTerminal ? terminalText : readFile(errorFile);
    result.outputText = readFile(outputFile);
    return result;
}

}  // namespace nubo::test
