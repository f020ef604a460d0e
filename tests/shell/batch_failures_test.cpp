// A command-line batch in which the server refuses one file, on one connection and on
// four: the run ends by naming that file with the server's words and summing the batch
// up, and a folder upload does the same for what it cannot send.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "tests/support/pyftpd_fixture.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::ProgramResult;
using test::writeFile;

class BatchFailuresTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        fs::create_directories(home.config() + "/Tkwa");
        writeFile(home.settingsFile(), "[Settings]\nSimultaneousTransfers=dword:0000000" +
                                           std::to_string(GetParam()) + "\n");
    }
    test::PyFtpdServer server{{"--refuse-retr", "f17.bin"}};
    test::TestHome home;
};

TEST_P(BatchFailuresTest, TheRefusedFileIsNamedWithItsReasonAndTheBatchSummedUp) {
    fs::create_directories(server.root() + "/pub/tree/sub");
    for (const char* name : {"tree/a.bin", "tree/f17.bin", "tree/sub/c.bin", "tree/sub/d.bin"})
        writeFile(server.root() + "/pub/" + name, test::patternBytes(5000));
    const std::string down = home.work() + "/down";
    fs::create_directories(down);
    const ProgramResult result =
        runNubopro(home, {"-g", "-u", server.url("/pub"), "-d", down, "-xi", "tree"});
    EXPECT_EQ(result.exitCode, 1) << "16 >> 4: a download failed\n" << result.errorText;
    const std::string& log = result.errorText;
    EXPECT_NE(log.find("*** f17.bin: 550 Permission denied."), std::string::npos) << log;
    EXPECT_NE(log.find("... batch done: 3 transferred, 1 failed, 0 skipped of 4"),
              std::string::npos)
        << log;
    // Said once, after the dialogue, and the three others arrived.
    EXPECT_EQ(test::countOf(log, "batch done:"), 1u) << log;
    EXPECT_GT(log.rfind("... batch done:"), log.rfind("<RETR "));
    EXPECT_TRUE(fs::exists(down + "/tree/sub/d.bin"));
}

TEST_P(BatchFailuresTest, AnUploadNamesWhatItCouldNotSend) {
    const std::string up = home.work() + "/up";
    fs::create_directories(up + "/tree");
    writeFile(up + "/tree/one.txt", "one\n");
    writeFile(up + "/tree/two.txt", "two\n");
    ASSERT_EQ(::mkfifo((up + "/tree/pipe").c_str(), 0600), 0);
    fs::create_directories(server.root() + "/pub");
    const ProgramResult result =
        runNubopro(home, {"-p", "-u", server.url("/pub"), "-d", up, "-xi", "tree"});
    EXPECT_EQ(result.exitCode, 2) << "32 >> 4: an upload failed\n" << result.errorText;
    const std::string& log = result.errorText;
    EXPECT_NE(log.find("*** pipe: Not a regular file, not sent: " + up + "/tree/pipe"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("... batch done: 2 transferred, 1 failed, 0 skipped of 3"),
              std::string::npos)
        << log;
}

std::string connectionsName(const ::testing::TestParamInfo<int>& info) {
    return info.param == 1 ? "OneConnection" : "FourConnections";
}

INSTANTIATE_TEST_SUITE_P(Connections, BatchFailuresTest, ::testing::Values(1, 4), connectionsName);

}  // namespace
}  // namespace nubo
