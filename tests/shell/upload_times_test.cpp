// Uploads keep the local file's time on servers that let it be set (FEAT lists MFMT):
// the next Update-ONLY run finds the server's copy up to date.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "tests/support/proftpd_fixture.h"
#include "tests/support/pure_ftpd_fixture.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::patternBytes;
using test::ProgramResult;
using test::writeFile;

struct WritableServer {
    std::string folder;  // where uploads land, on disk
    std::string url;     // of that folder
    std::shared_ptr<void> keep;
};

using ServerMaker = WritableServer (*)();

WritableServer makePyftpd() {
    auto server = std::make_shared<test::PyFtpdServer>();
    EXPECT_TRUE(server->running()) << server->startError();
    fs::create_directories(server->root() + "/pub");
    return {server->root() + "/pub", server->url("/pub"), server};
}

WritableServer makePureFtpd() {
    // pure-ftpd lets no anonymous user set a time ("550 Anonymous users can not change
    // perms"): a user of its own.
    test::PureFtpdServer::Options options;
    options.virtualUser = true;
    auto server = std::make_shared<test::PureFtpdServer>(options);
    EXPECT_TRUE(server->running()) << server->startError();
    return {server->root() + "/incoming",
            std::string("ftp://") + test::PureFtpdServer::kUser + ":" +
                test::PureFtpdServer::kPassword + "@127.0.0.1:" + std::to_string(server->port()) +
                "/incoming",
            server};
}

WritableServer makeProftpd() {
    auto server = std::make_shared<test::ProftpdServer>(test::ProftpdServer::Options{});
    EXPECT_TRUE(server->running()) << server->startError();
    return {server->root() + "/incoming", server->url("ftp") + "/incoming", server};
}

int64_t modifiedSeconds(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int64_t>(st.st_mtime) : -1;
}

void setModified(const std::string& path, int64_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

// Named in test lists by the server, not by an address that changes from run to run.
void PrintTo(ServerMaker maker, std::ostream* out) {
    *out << (maker == &makePyftpd ? "pyftpdlib" : maker == &makePureFtpd ? "pure_ftpd" : "proftpd");
}

class UploadTimesTest : public ::testing::TestWithParam<ServerMaker> {};

TEST_P(UploadTimesTest, TheServersCopyTakesTheLocalTime) {
    WritableServer server = GetParam()();
    if (HasFailure())
        return;
    test::TestHome home;
    const std::string out = home.work() + "/out";
    fs::create_directories(out);
    const int64_t june2020 = test::utcSeconds(2020, 6, 1, 12, 34, 56);
    writeFile(out + "/photo.jpg", patternBytes(70000));
    writeFile(out + "/notes.txt", "some notes\n");
    setModified(out + "/photo.jpg", june2020);
    setModified(out + "/notes.txt", june2020 + 3600);

    ProgramResult result =
        runNubopro(home, {"-p", "-u", server.url, "-d", out, "photo.jpg", "notes.txt"}, 120);
    EXPECT_EQ(result.exitCode, 0) << result.errorText;
    EXPECT_NE(result.errorText.find("\n<MFMT 20200601123456 photo.jpg\n"), std::string::npos)
        << result.errorText;
    EXPECT_EQ(modifiedSeconds(server.folder + "/photo.jpg"), june2020) << result.errorText;
    EXPECT_EQ(modifiedSeconds(server.folder + "/notes.txt"), june2020 + 3600);

    // Neither copy is newer than the other now: an Update-ONLY download fetches nothing
    // (with the server's copies dated at the upload, both would come back).
    result =
        runNubopro(home, {"-g", "-v", "-u", server.url, "-d", out, "photo.jpg", "notes.txt"}, 120);
    EXPECT_EQ(test::countOf(result.errorText, "... Update-ONLY; skipping GET of "), 2u)
        << result.errorText;
}

INSTANTIATE_TEST_SUITE_P(Servers, UploadTimesTest,
                         ::testing::Values(&makePyftpd, &makePureFtpd, &makeProftpd),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

}  // namespace
}  // namespace nubo
