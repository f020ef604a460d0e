// "-f URL;type=d" writes the listing of the folder the URL names, against real servers:
// a folder that is not there writes nothing and fails, never its parent's listing.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "tests/support/proftpd_fixture.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"
#include "tests/support/vsftpd_fixture.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::ProgramResult;
using test::readFile;
using test::writeFile;

// A server with a folder "pub" holding "inside.txt" and a root holding "outside.txt":
// its root, and the URL of a path on it.
struct ListedServer {
    std::string root;
    std::function<std::string(const std::string&)> url;
    std::shared_ptr<void> keep;
};

using ServerMaker = ListedServer (*)();

ListedServer makeVsftpd() {
    auto server = std::make_shared<test::VsftpdServer>();
    EXPECT_TRUE(server->running()) << server->startError();
    const unsigned port = server->port();
    return {server->root(),
            [port](const std::string& path) {
                return "ftp://127.0.0.1:" + std::to_string(port) + "/" + path;
            },
            server};
}

ListedServer makePyftpd() {
    auto server = std::make_shared<test::PyFtpdServer>();
    EXPECT_TRUE(server->running()) << server->startError();
    test::PyFtpdServer* raw = server.get();
    return {server->root(), [raw](const std::string& path) { return raw->url("/" + path); },
            server};
}

ListedServer makeProftpd() {
    auto server = std::make_shared<test::ProftpdServer>(test::ProftpdServer::Options{});
    EXPECT_TRUE(server->running()) << server->startError();
    const std::string base = server->url("ftp");
    return {server->root(), [base](const std::string& path) { return base + "/" + path; }, server};
}

// Named in test lists by the server, not by an address that changes from run to run.
void PrintTo(ServerMaker maker, std::ostream* out) {
    *out << (maker == &makeVsftpd ? "vsftpd" : maker == &makePyftpd ? "pyftpdlib" : "proftpd");
}

class ListingFileTest : public ::testing::TestWithParam<ServerMaker> {
  protected:
    void SetUp() override {
        server = GetParam()();
        fs::create_directories(server.root + "/pub");
        writeFile(server.root + "/pub/inside.txt", "in pub");
        writeFile(server.root + "/outside.txt", "in the root");
        fs::create_directories(out());
    }
    ProgramResult list(const std::string& path) {
        ProgramResult result =
            runNubopro(home, {"-f", server.url(path) + ";type=d", "-d", out()}, 120);
        EXPECT_NE(result.exitCode, -1) << result.errorText;
        return result;
    }
    std::string out() const { return home.work() + "/lists"; }
    std::string listFile() const { return out() + "/127.0.0.1.txt"; }

    test::TestHome home;
    ListedServer server;
};

TEST_P(ListingFileTest, TheFolderNamedOrNoFileAtAll) {
    ProgramResult result = list("pub");
    EXPECT_EQ(result.exitCode, 0) << result.errorText;
    const std::string listing = readFile(listFile());
    EXPECT_NE(listing.find(" inside.txt\n"), std::string::npos) << listing;
    EXPECT_EQ(listing.find("outside.txt"), std::string::npos) << listing;
    fs::remove(listFile());

    result = list("nonexistent");
    EXPECT_EQ(result.exitCode, 1) << "a failed download (16 >> 4)\n" << result.errorText;
    EXPECT_FALSE(fs::exists(listFile())) << readFile(listFile());
    EXPECT_NE(result.errorText.find("*** Unable to enter "), std::string::npos) << result.errorText;
}

INSTANTIATE_TEST_SUITE_P(Servers, ListingFileTest,
                         ::testing::Values(&makeVsftpd, &makePyftpd, &makeProftpd),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

}  // namespace
}  // namespace nubo
