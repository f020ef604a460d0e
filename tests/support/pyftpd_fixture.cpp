#include "tests/support/pyftpd_fixture.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace nubo::test {

namespace {

constexpr const char* kPython = "/usr/bin/python3";

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

PyFtpdServer::PyFtpdServer(const std::vector<std::string>& extraArgs) {
    char pattern[] = "/tmp/nubo-pyftpd-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        error_ = "cannot make a temporary folder";
        return;
    }
    base_ = pattern;
    root_ = base_ + "/root";
    std::filesystem::create_directory(root_);
    const std::string portFile = base_ + "/port";
    const std::string logFile = base_ + "/server.log";
    const std::string script = std::string(NUBO_TEST_SUPPORT_DIR) + "/pyftpd_server.py";

    pid_ = fork();
    if (pid_ == 0) {
        int fd = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0) {
            dup2(fd, 1);
            dup2(fd, 2);
        }
        std::vector<std::string> args = {kPython,  script,   "--root", root_,        "--port-file",
                                         portFile, "--user", kUser,    "--password", kPassword};
        args.insert(args.end(), extraArgs.begin(), extraArgs.end());
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(kPython, argv.data());
        _exit(127);
    }
    if (pid_ < 0) {
        error_ = "cannot start " + std::string(kPython);
        return;
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        std::string text = readFile(portFile);
        if (!text.empty()) {
            port_ = static_cast<unsigned>(std::strtoul(text.c_str(), nullptr, 10));
            return;
        }
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            error_ = "pyftpdlib server exited: " + readFile(logFile);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    error_ = "pyftpdlib server did not start: " + readFile(logFile);
}

PyFtpdServer::~PyFtpdServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    if (!base_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(base_, ec);
    }
}

std::string PyFtpdServer::serverLog() const {
    return readFile(base_ + "/server.log");
}

std::string PyFtpdServer::url(const std::string& path, bool named) const {
    std::string text = "ftp://";
    if (named) {
        text += std::string(kUser) + ":" + kPassword + "@";
    }
    text += "127.0.0.1:" + std::to_string(port_);
    if (!path.empty()) {
        text += "/" + path;
    }
    return text;
}

}  // namespace nubo::test
