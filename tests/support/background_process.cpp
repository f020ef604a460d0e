#include "tests/support/background_process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/support/test_util.h"

namespace nubo::test {

sockaddr_in loopbackAddress(unsigned port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

BackgroundProcess::~BackgroundProcess() {
    stop();
}

bool BackgroundProcess::start(const std::vector<std::string>& argv, const std::string& logFile) {
    std::vector<std::string> args = argv;
    std::vector<char*> pointers;
    for (std::string& arg : args)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        setpgid(0, 0);
        int fd = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0) {
            dup2(fd, 1);
            dup2(fd, 2);
        }
        execv(pointers[0], pointers.data());
        _exit(127);
    }
    if (pid_ > 0) {
        setpgid(pid_, pid_);  // also here, so stop() never races the child's own call
    }
    return pid_ > 0;
}

bool BackgroundProcess::alive() {
    if (pid_ <= 0) {
        return false;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
    }
    return true;
}

void BackgroundProcess::stop() {
    if (pid_ <= 0) {
        return;
    }
    kill(-pid_, SIGTERM);
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(-pid_, SIGKILL);
            waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(-pid_, SIGKILL);  // whatever it forked
    pid_ = -1;
}

unsigned freeLoopbackPort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopbackAddress(0);
    socklen_t length = sizeof address;
    unsigned port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    close(fd);
    return port;
}

unsigned freePortRange(unsigned count, const std::vector<std::string>& addresses) {
    constexpr unsigned kLowest = 20000, kBeyond = 32000;  // the outgoing ones start at 32768
    const auto takes = [&](unsigned port) {
        for (const std::string& text : addresses) {
            sockaddr_in address = loopbackAddress(port);
            if (inet_pton(AF_INET, text.c_str(), &address.sin_addr) != 1)
                return false;
            const int fd = socket(AF_INET, SOCK_STREAM, 0);
            const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
            close(fd);
            if (!bound)
                return false;
        }
        return true;
    };
    // A random start, so that tests running at once seldom try the same ports.
    unsigned start =
        static_cast<unsigned>(getpid()) * 7919u +
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 200 && count > 0 && count < kBeyond - kLowest; ++attempt) {
        const unsigned low =
            kLowest + (start + static_cast<unsigned>(attempt) * 997u) % (kBeyond - kLowest - count);
        unsigned port = low;
        while (port < low + count && takes(port))
            ++port;
        if (port == low + count)
            return low;
    }
    return 0;
}

bool waitForListener(unsigned port, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = loopbackAddress(port);
        bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        close(fd);
        if (ok) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

unsigned startPythonService(BackgroundProcess& process, const std::string& script,
                            const std::vector<std::string>& args, const std::string& portFile,
                            const std::string& logFile, std::string* error) {
    std::vector<std::string> argv = {"/usr/bin/python3",
                                     std::string(NUBO_TEST_SUPPORT_DIR) + "/" + script};
    argv.insert(argv.end(), args.begin(), args.end());
    if (!process.start(argv, logFile)) {
        *error = "cannot start /usr/bin/python3";
        return 0;
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        std::string text = readFile(portFile);
        if (!text.empty()) {
            return static_cast<unsigned>(std::strtoul(text.c_str(), nullptr, 10));
        }
        if (!process.alive()) {
            *error = script + " exited: " + readFile(logFile);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    *error = script + " did not start: " + readFile(logFile);
    return 0;
}

bool listensOn(unsigned port) {
    char wanted[8];
    std::snprintf(wanted, sizeof wanted, ":%04X", port);
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        std::ifstream in(table);
        std::string line;
        std::getline(in, line);  // the column titles
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            std::string slot, local, remote, state;
            fields >> slot >> local >> remote >> state;
            if (state == "0A" && local.size() > 5 && local.ends_with(wanted))
                return true;
        }
    }
    return false;
}

}  // namespace nubo::test
