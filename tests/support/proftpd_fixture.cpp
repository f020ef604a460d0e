#include "tests/support/proftpd_fixture.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "tests/support/test_util.h"

namespace nubo::test {

namespace {

// The SHA-256 crypt of the password, as proftpd's AuthUserFile takes it.
std::string passwordHash(const std::string& folder) {
    const std::string file = folder + "/hash";
    const std::string command = std::string("openssl passwd -5 -salt nubotest ") +
                                ProftpdServer::kPassword + " > " + file + " 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        return {};
    std::string hash = readFile(file);
    while (!hash.empty() && (hash.back() == '\n' || hash.back() == '\r'))
        hash.pop_back();
    return hash;
}

}  // namespace

std::string ProftpdServer::binary() {
    for (const char* path : {"/usr/sbin/proftpd", "/opt/nubo-peers/usr/sbin/proftpd"}) {
        if (::access(path, X_OK) == 0)
            return path;
    }
    return {};
}

ProftpdServer::ProftpdServer(const Options& options) {
    const std::string program = binary();
    if (program.empty()) {
        error_ = "no proftpd (scripts/install-deps unpacks one)";
        return;
    }
    // Its modules lie beside it: /usr/sbin -> /usr/lib/proftpd.
    const std::string modules =
        std::filesystem::path(program).parent_path().parent_path().string() + "/lib/proftpd";
    if (!options.pem.empty() && ::access((modules + "/mod_tls.so").c_str(), R_OK) != 0) {
        error_ = "no mod_tls in " + modules;
        return;
    }
    if (!makeServerFolders("proftpd", &base_, &root_)) {
        error_ = "no temporary folder";
        return;
    }
    const std::string hash = passwordHash(base_);
    const passwd* self = ::getpwuid(::geteuid());
    const group* own = ::getgrgid(::getegid());
    if (hash.empty() || self == nullptr || own == nullptr) {
        error_ = "no password hash or no name for the current user";
        return;
    }
    const std::string uid = std::to_string(::geteuid());
    const std::string gid = std::to_string(::getegid());
    // The one user logs in as the current user, so no change of user is needed.
    writeFile(base_ + "/passwd", std::string(kUser) + ":" + hash + ":" + uid + ":" + gid +
                                     "::" + root_ + ":/bin/sh\n");
    writeFile(base_ + "/group", std::string("nubo:x:") + gid + ":" + kUser + "\n");
    ::chmod((base_ + "/passwd").c_str(), 0600);
    ::chmod((base_ + "/group").c_str(), 0600);
    const bool root = ::geteuid() == 0;
    const unsigned port = freeLoopbackPort();
    std::string conf =
        "ServerType standalone\nServerName \"nubo test\"\nDefaultServer on\n"
        "Port " +
        std::to_string(port) +
        "\nDefaultAddress 127.0.0.1\nSocketBindTight on\nUseIPv6 off\n"
        "User " +
        self->pw_name + "\nGroup " + own->gr_name + "\nPidFile " + base_ +
        "/proftpd.pid\nScoreboardFile " + base_ + "/proftpd.scoreboard\nSystemLog " + base_ +
        "/proftpd.log\nTransferLog none\nWtmpLog off\nUseReverseDNS off\n"
        "DelayEngine off\nMaxInstances 60\nUmask 022\nAllowOverwrite on\n"
        "AuthOrder mod_auth_file.c\nAuthUserFile " +
        base_ + "/passwd\nAuthGroupFile " + base_ + "/group\nRequireValidShell off\n";
    // Only root can change root (and log the user in as root).
    if (root)
        conf += "RootLogin on\nDefaultRoot ~\n";
    if (!options.pem.empty()) {
        conf += "ModulePath " + modules + "\nLoadModule mod_tls.c\nTLSEngine on\nTLSLog " + base_ +
                "/tls.log\nTLSProtocol " + options.protocols + "\nTLSRSACertificateFile " +
                options.pem + "\nTLSRSACertificateKeyFile " + options.pem +
                "\nTLSRequired on\nTLSVerifyClient off\n";
    }
    writeFile(base_ + "/proftpd.conf", conf);
    const std::string log = base_ + "/proftpd.out";
    if (!process_.start({program, "--nodaemon", "--config", base_ + "/proftpd.conf"}, log)) {
        error_ = "proftpd did not start";
        return;
    }
    if (!waitFor([&] { return listensOn(port) || !process_.alive(); }, 10000) ||
        !process_.alive()) {
        error_ = "proftpd did not listen: " + readFile(log) + readFile(base_ + "/proftpd.log");
        return;
    }
    port_ = port;
}

ProftpdServer::~ProftpdServer() {
    process_.stop();
    if (!base_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
    }
}

std::string ProftpdServer::url(const std::string& scheme) const {
    return scheme + "://" + kUser + ":" + kPassword + "@127.0.0.1:" + std::to_string(port_);
}

std::string ProftpdServer::tlsLog() const {
    return readFile(base_ + "/tls.log");
}

}  // namespace nubo::test
