#include "shell/uninstall_record.h"

#include <gtest/gtest.h>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

TEST(UninstallRecordTest, ArgumentsKeepBlanksQuotesAndDashRAsTheyAre) {
    test::TempFolder temp("nubo-uninstall");
    const std::string folder = temp.path() + "/";
    std::string program;
    std::vector<std::string> arguments;
    EXPECT_FALSE(UninstallRecord::read(folder, &program, &arguments));  // none yet
    const std::vector<std::string> written = {"-rv", "/home/me/My Programs/Nubo -r 2.2",
                                              "say \"hi\"", ""};
    ASSERT_TRUE(UninstallRecord::write(folder, "/opt/nubo pro/nubopro", written));
    ASSERT_TRUE(UninstallRecord::read(folder, &program, &arguments));
    EXPECT_EQ(program, "/opt/nubo pro/nubopro");
    EXPECT_EQ(arguments, written);
    EXPECT_FALSE(UninstallRecord::write(folder, "", {}));
}

}  // namespace
}  // namespace nubo
