#include "tests/support/pure_ftpd_fixture.h"

#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "tests/support/test_util.h"

namespace nubo::test {

namespace {

// A program of pure-ftpd's package: Debian's, or the copy unpacked beside vsftpd.
std::string pureProgram(const std::string& name) {
    for (const std::string folder : {"/usr/", "/opt/nubo-peers/usr/"}) {
        for (const char* sub : {"sbin/", "bin/"}) {
            const std::string path = folder + sub + name;
            if (::access(path.c_str(), X_OK) == 0)
                return path;
        }
    }
    return {};
}

// kPassword's hash ("openssl passwd -6 -salt nubotest wonderland").
constexpr const char* kPasswordHash =
    "$6$nubotest$cplX2oEhtvj4Ec4gm2Lcaw7de7AerBSERNEzUzbRFp/"
    "GMpi2wAROm4ZEu8WrghT9DMEB9irZXoFOwRlHcr5po/";

}  // namespace

std::string PureFtpdServer::binary() {
    return pureProgram("pure-ftpd");
}

PureFtpdServer::PureFtpdServer(const Options& options) {
    const std::string program = binary();
    if (program.empty()) {
        error_ = "no pure-ftpd (scripts/install-deps unpacks one)";
        return;
    }
    const passwd* ftp = ::getpwnam("ftp");
    if (ftp == nullptr || !std::filesystem::is_directory(ftp->pw_dir)) {
        error_ = "no ftp account with a home folder";
        return;
    }
    const std::string home = ftp->pw_dir;
    if (!makeServerFolders("pureftpd", &base_, &root_)) {
        error_ = "no temporary folder";
        return;
    }
    // Anonymous users may write only where the ftp account may.
    ::chmod(root_.c_str(), 0755);
    ::chmod((root_ + "/incoming").c_str(), 0777);
    const std::string users = base_ + "/users.pdb";
    if (options.virtualUser) {
        // The user's line written here with a SHA-512 crypt hash: pure-pw's own argon2
        // hash costs seconds of CPU at every login.
        const passwd* account = ::getpwnam("ftp");
        writeFile(base_ + "/users.passwd",
                  std::string(kUser) + ":" + kPasswordHash + ":" + std::to_string(account->pw_uid) +
                      ":" + std::to_string(account->pw_gid) + "::" + root_ + "/./::::::::::::\n");
        const std::string make = "\"" + pureProgram("pure-pw") + "\" mkdb \"" + users + "\" -f \"" +
                                 base_ + "/users.passwd\" >/dev/null";
        if (std::system(make.c_str()) != 0) {
            error_ = "pure-pw could not make the user database";
            return;
        }
    }
    const unsigned port = freeLoopbackPort();
    // -e anonymous only, -M anonymous users make folders, -H no name look-ups.
    std::vector<std::string> argv = {"/usr/bin/unshare",
                                     "--mount",
                                     "--propagation",
                                     "private",
                                     "/bin/sh",
                                     "-c",
                                     "mount --bind \"$0\" \"$1\" && shift && exec \"$@\"",
                                     root_,
                                     home,
                                     program,
                                     "-S",
                                     "127.0.0.1," + std::to_string(port),
                                     options.virtualUser ? "-E" : "-e",
                                     "-M",
                                     "-H",
                                     "-c",
                                     std::to_string(options.maxClients)};
    if (options.virtualUser) {
        argv.push_back("-l");
        argv.push_back("puredb:" + users);
    }
    if (options.maxPerIp > 0) {
        argv.push_back("-C");
        argv.push_back(std::to_string(options.maxPerIp));
    }
    const std::string log = base_ + "/pure-ftpd.log";
    if (!process_.start(argv, log)) {
        error_ = "pure-ftpd did not start";
        return;
    }
    // Ready once it listens (a trial connection would count against maxPerIp).
    if (!waitFor([&] { return listensOn(port) || !process_.alive(); }, 10000) ||
        !process_.alive()) {
        error_ = "pure-ftpd did not listen: " + readFile(log);
        return;
    }
    port_ = port;
}

PureFtpdServer::~PureFtpdServer() {
    process_.stop();
    if (!base_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
    }
}

}  // namespace nubo::test
