#include "setup/uninstall_record.h"

#include <gtest/gtest.h>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

using Kind = UninstallRecord::Kind;

TEST(UninstallRecordTest, ArgumentsAndCreatedPathsKeepBlanksQuotesAndDashRAsTheyAre) {
    test::TempFolder temp("nubo-uninstall");
    const std::string folder = temp.path() + "/";
    UninstallRecord read;
    EXPECT_FALSE(UninstallRecord::load(folder, &read));  // none yet
    UninstallRecord written;
    written.program = "/opt/nubo pro/nubopro";
    written.arguments = {"-rv", "/home/me/My Programs/Nubo -r 2.2", "say \"hi\"", ""};
    written.created = {{Kind::Menu, "/m/x.menu"},
                       {Kind::DesktopLink, "/d/Nubo 2.2.desktop"},
                       {Kind::Folder, "/m/"},
                       {Kind::Extra, "/s/f:g"}};
    ASSERT_TRUE(written.save(folder));
    ASSERT_TRUE(UninstallRecord::load(folder, &read));
    EXPECT_EQ(read, written);
    EXPECT_EQ(read.paths(Kind::Menu), std::vector<std::string>{"/m/x.menu"});
    EXPECT_TRUE(read.lists(Kind::DesktopLink, "/d/Nubo 2.2.desktop"));
    EXPECT_FALSE(read.lists(Kind::Menu, "/d/Nubo 2.2.desktop"));

    EXPECT_TRUE(UninstallRecord::remove(folder));
    EXPECT_FALSE(UninstallRecord::exists(folder));
}

TEST(UninstallRecordTest, ANulInAFieldOrANamelessProgramIsRefusedAndDamageIsNotRead) {
    test::TempFolder temp("nubo-uninstall");
    const std::string folder = temp.path() + "/";
    UninstallRecord record;
    EXPECT_FALSE(record.save(folder));  // no program
    record.program = "/bin/nubopro";
    record.arguments = {std::string("a\0b", 3)};
    EXPECT_FALSE(record.save(folder));
    record.arguments = {"-rv", "1"};
    record.created = {{Kind::Menu, std::string("/x\0/y", 5)}};
    EXPECT_FALSE(record.save(folder));
    record.created.clear();
    ASSERT_TRUE(record.save(folder));

    // A count beyond the fields, an unknown kind, a last field without its NUL.
    for (const std::string& text : {std::string("/bin/nubopro\0"
                                                "9\0-rv\0",
                                                19),
                                    std::string("/p\0"
                                                "0\0z:/a\0",
                                                10),
                                    std::string("/p\0"
                                                "0\0m:/a",
                                                9)}) {
        test::writeFile(folder + UninstallRecord::kFileName, text);
        UninstallRecord damaged;
        EXPECT_FALSE(UninstallRecord::load(folder, &damaged)) << text.size();
    }
}

}  // namespace
}  // namespace nubo
