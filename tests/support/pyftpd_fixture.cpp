#include "tests/support/pyftpd_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/test_util.h"

namespace nubo::test {

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
    std::vector<std::string> args = {"--root", root_, "--port-file", portFile,
                                     "--user", kUser, "--password",  kPassword};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    if (std::find(extraArgs.begin(), extraArgs.end(), "--ipv6") != extraArgs.end()) {
        host_ = "[::1]";
    }
    port_ = startPythonService(process_, "pyftpd_server.py", args, portFile, logFile, &error_);
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
