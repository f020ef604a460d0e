#include "tests/support/proxy_daemon.h"

#include <unistd.h>

#include <filesystem>

#include "tests/support/test_util.h"

namespace nubo::test {

namespace {

std::string danteConfig(const std::string& folder, unsigned port) {
    const bool root = geteuid() == 0;
    return "logoutput: " + folder + "/danted.log\n" +
           "internal: 127.0.0.1 port = " + std::to_string(port) +
           "\n"
           "external: 127.0.0.1\n"
           "socksmethod: none\n"
           "clientmethod: none\n" +
           (root ? "user.privileged: root\nuser.unprivileged: nobody\n" : "") +
           "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n"
           "socks pass { from: 127.0.0.0/8 to: 0.0.0.0/0 command: bind connect bindreply }\n"
           "socks pass { from: 0.0.0.0/0 to: 127.0.0.0/8 command: bindreply }\n";
}

std::string ftpProxyConfig(const std::string& folder, unsigned port) {
    return "[-Global-]\n"
           "Listen 127.0.0.1\n"
           "Port " +
           std::to_string(port) +
           "\n"
           "ServerType standalone\n"
           "AllowMagicUser yes\n"
           "DestinationAddress 127.0.0.1\n"
           "DestinationTransferMode client\n"
           "User nobody\n"
           "Group nogroup\n"
           "PidFile " +
           folder + "/ftp-proxy.pid\n";
}

}  // namespace

ProxyDaemon::ProxyDaemon(Kind kind) {
    const char* program = kind == Kind::Dante        ? "/usr/sbin/danted"
                          : kind == Kind::MicroSocks ? "/usr/bin/microsocks"
                                                     : "/usr/sbin/ftp-proxy";
    if (access(program, X_OK) != 0) {
        error_ = std::string(program) + " is not installed (scripts/install-deps installs it)";
        return;
    }
    char pattern[] = "/tmp/nubo-proxy-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        error_ = "cannot make a temporary folder";
        return;
    }
    folder_ = pattern;
    const unsigned port = freeLoopbackPort();
    const std::string portText = std::to_string(port);
    std::vector<std::string> argv;
    if (kind == Kind::Dante) {
        writeFile(folder_ + "/danted.conf", danteConfig(folder_, port));
        argv = {program, "-f", folder_ + "/danted.conf", "-N", "1", "-p", folder_ + "/danted.pid"};
    } else if (kind == Kind::MicroSocks) {
        argv = {program, "-i", "127.0.0.1", "-p", portText, "-u", kUser, "-P", kPassword};
    } else {
        writeFile(folder_ + "/ftp-proxy.conf", ftpProxyConfig(folder_, port));
        argv = {program, "-f", folder_ + "/ftp-proxy.conf", "-d", "-n"};
    }
    if (!process_.start(argv, folder_ + "/output.log")) {
        error_ = std::string("cannot start ") + program;
        return;
    }
    if (!waitForListener(port) || !process_.alive()) {
        error_ = std::string(program) + " did not start: " + logText();
        return;
    }
    port_ = port;
}

ProxyDaemon::~ProxyDaemon() {
    process_.stop();
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

std::string ProxyDaemon::logText() const {
    return readFile(folder_ + "/output.log") + readFile(folder_ + "/danted.log");
}

}  // namespace nubo::test
