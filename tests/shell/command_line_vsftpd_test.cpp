// The command line against a real vsftpd: replies that quote the file's name.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/test_home.h"
#include "tests/support/test_util.h"
#include "tests/support/vsftpd_fixture.h"

namespace nubo {
namespace {

using test::patternBytes;
using test::readFile;
using test::writeFile;

TEST(CommandLineVsftpdTest, ANumberInParenthesesInTheNameIsNoTransferSize) {
    test::TestHome home;
    test::VsftpdServer server;
    ASSERT_TRUE(server.running()) << server.startError();
    // vsftpd answers "150 Opening BINARY mode data connection for photo (1).jpg
    // (100000 bytes)."
    writeFile(server.root() + "/photo (1).jpg", patternBytes(100000));
    const std::string in = home.work() + "/in";
    std::filesystem::create_directories(in);
    const test::ProgramResult result =
        runNubopro(home,
                   {"-g", "-u", "ftp://127.0.0.1:" + std::to_string(server.port()) + "/", "-d", in,
                    "-xi", "photo (1).jpg"},
                   120);
    EXPECT_EQ(result.exitCode, 0) << result.errorText;
    EXPECT_TRUE(readFile(in + "/photo (1).jpg") == patternBytes(100000));
    EXPECT_EQ(result.errorText.find("Transfer size mismatch"), std::string::npos)
        << result.errorText;
    EXPECT_EQ(result.errorText.find("logging in again"), std::string::npos) << result.errorText;
}

}  // namespace
}  // namespace nubo
