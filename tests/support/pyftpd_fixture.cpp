#include "tests/support/pyftpd_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "tests/support/test_util.h"

namespace nubo::test {

namespace {

constexpr const char* kPython = "/usr/bin/python3";

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

    std::vector<std::string> args = {kPython,  script,   "--root", root_,        "--port-file",
                                     portFile, "--user", kUser,    "--password", kPassword};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    if (std::find(extraArgs.begin(), extraArgs.end(), "--ipv6") != extraArgs.end()) {
        host_ = "[::1]";
    }
    if (!process_.start(args, logFile)) {
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
        if (!process_.alive()) {
            error_ = "pyftpdlib server exited: " + readFile(logFile);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    error_ = "pyftpdlib server did not start: " + readFile(logFile);
}

PyFtpdServer::~PyFtpdServer() {
    process_.stop();
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
    text += host_ + ":" + std::to_string(port_);
    if (!path.empty()) {
        text += "/" + path;
    }
    return text;
}

}  // namespace nubo::test
