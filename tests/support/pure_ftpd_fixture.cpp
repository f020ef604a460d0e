#include "tests/support/pure_ftpd_fixture.h"

#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "tests/support/test_util.h"

namespace nubo::test {

std::string PureFtpdServer::binary() {
    for (const char* path : {"/usr/sbin/pure-ftpd", "/opt/nubo-peers/usr/sbin/pure-ftpd"}) {
        if (::access(path, X_OK) == 0)
            return path;
    }
    return {};
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
                                     "-e",
                                     "-M",
                                     "-H",
                                     "-c",
                                     std::to_string(options.maxClients)};
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
