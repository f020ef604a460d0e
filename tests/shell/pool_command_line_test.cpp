// The command line's folders over several connections, against a server that takes
// only two from one address: learned once, never asked beyond again.
#include <gtest/gtest.h>

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
using test::writeFile;

TEST(PoolCommandLineTest, AHostThatTakesTwoConnectionsIsLearnedAndNeverAskedForMore) {
    test::PyFtpdServer server({"--refuse-login-beyond", "2"});
    ASSERT_TRUE(server.running()) << server.startError();
    test::TestHome home;
    fs::create_directories(server.root() + "/pub/tree/inner");
    for (int i = 0; i < 20; ++i) {
        writeFile(server.root() + "/pub/tree/" + (i % 2 ? "inner/" : "") + "f" + std::to_string(i) +
                      ".dat",
                  test::patternBytes(3000 + static_cast<size_t>(i) * 17));
    }
    fs::create_directories(home.config() + "/Tkwa");
    writeFile(home.settingsFile(), "[Settings]\nSimultaneousTransfers=dword:00000004\n");
    const std::string down = home.work() + "/down";
    const auto fetch = [&] {
        fs::remove_all(down);
        fs::create_directories(down);
        return runNubopro(home, {"-g", "-u", server.url("/pub"), "-d", down, "-xi", "tree"});
    };
    const auto sameTree = [&] {
        int files = 0;
        for (const auto& item : fs::recursive_directory_iterator(server.root() + "/pub/tree")) {
            if (!item.is_regular_file())
                continue;
            ++files;
            const std::string relative = fs::relative(item.path(), server.root() + "/pub").string();
            EXPECT_TRUE(readFile(item.path().string()) == readFile(down + "/" + relative))
                << relative;
        }
        return files;
    };

    ProgramResult first = fetch();
    EXPECT_EQ(first.exitCode, 0) << first.errorText;
    EXPECT_EQ(sameTree(), 20);
    EXPECT_EQ(first.errorText.find("failed to log in"), std::string::npos) << first.errorText;
    const std::string afterFirst = server.serverLog();
    EXPECT_GE(test::countOf(afterFirst, "refused for load"), 1u) << first.errorText;
    EXPECT_NE(readFile(home.settingsFile())
                  .find("ConnectionLimits=\"127.0.0.1:" + std::to_string(server.port()) + "=2\""),
              std::string::npos)
        << readFile(home.settingsFile());

    ProgramResult second = fetch();
    EXPECT_EQ(second.exitCode, 0) << second.errorText;
    EXPECT_EQ(sameTree(), 20);
    EXPECT_EQ(test::countOf(server.serverLog(), "refused for load"),
              test::countOf(afterFirst, "refused for load"))
        << second.errorText;
    EXPECT_NE(second.errorText.find("[2] <RETR"), std::string::npos) << second.errorText;
}

}  // namespace
}  // namespace nubo
