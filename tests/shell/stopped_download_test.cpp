// A download interrupted by the user (Ctrl+C on the command line) keeps what arrived,
// and the same command run again resumes it from there, as `curl -C -` would.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <string>

#include "tests/support/pyftpd_fixture.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::ProgramResult;
using test::readFile;

TEST(StoppedDownloadTest, InterruptedThenRunAgainItResumesWhereItStopped) {
    test::PyFtpdServer server({"--rate", "250000", "--log-commands"});
    ASSERT_TRUE(server.running()) << server.startError();
    test::TestHome home;
    fs::create_directories(server.root() + "/pub");
    const std::string original = test::patternBytes(2'000'000);
    test::writeFile(server.root() + "/pub/big.bin", original);
    const std::string down = home.work() + "/down";
    fs::create_directories(down);
    const std::vector<std::string> command = {"-g", "-u",  server.url("/pub"), "-d",
                                              down, "-xi", "big.bin"};
    const std::string part = down + "/big.bin.part";

    bool interrupted = false;
    const ProgramResult first = runNubopro(home, command, 60, false, [&](pid_t pid) {
        std::error_code error;
        if (!interrupted && fs::file_size(part, error) >= 300'000 && !error)
            interrupted = ::kill(pid, SIGINT) == 0;
    });
    ASSERT_TRUE(interrupted) << first.errorText;
    EXPECT_EQ(first.exitCode, 1) << "16 >> 4: the download did not end\n" << first.errorText;
    EXPECT_NE(first.errorText.find("... stopped; big.bin.part keeps the "), std::string::npos)
        << first.errorText;
    EXPECT_FALSE(fs::exists(down + "/big.bin"));
    const std::string kept = readFile(part);
    ASSERT_GE(kept.size(), 300'000u);
    ASSERT_LT(kept.size(), original.size());
    EXPECT_TRUE(kept == original.substr(0, kept.size())) << "what arrived is the file's start";

    const ProgramResult second = runNubopro(home, command, 60);
    EXPECT_EQ(second.exitCode, 0) << second.errorText;
    EXPECT_NE(second.errorText.find("<REST " + std::to_string(kept.size())), std::string::npos)
        << second.errorText;
    EXPECT_NE(server.serverLog().find("REST " + std::to_string(kept.size())), std::string::npos);
    // The log counts what this run moved, not the bytes kept from the first.
    EXPECT_NE(second.errorText.find("... received " +
                                    std::to_string(original.size() - kept.size()) + " bytes in "),
              std::string::npos)
        << second.errorText;
    EXPECT_TRUE(readFile(down + "/big.bin") == original);
    EXPECT_FALSE(fs::exists(part));

    // Whole now: a third run has nothing kept to resume and fetches the file anew.
    const ProgramResult third = runNubopro(home, command, 60);
    EXPECT_EQ(third.exitCode, 0) << third.errorText;
    EXPECT_EQ(third.errorText.find("<REST "), std::string::npos) << third.errorText;
}

}  // namespace
}  // namespace nubo
