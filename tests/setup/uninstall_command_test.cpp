#include "setup/uninstall_command.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "setup/uninstall_record.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

class UninstallCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(copy + "/bin");
        test::writeFile(program, "#!/bin/sh\n");
        std::filesystem::create_directory_symlink(copy, temp.path() + "/linked");
    }
    bool command(std::vector<std::string>* arguments, std::string* why,
                 const std::string& running) const {
        return UninstallCommand::forRunningProgram(data, running, arguments, why);
    }
    test::TempFolder temp{"nubo-uninstall-command"};
    const std::string data = temp.path() + "/";
    const std::string copy = temp.path() + "/nubo";
    const std::string program = copy + "/bin/nubopro";
    const std::vector<std::string> uninstall = {"-rv", "1", "-rf", copy, "-rm", "/m/n.menu"};
};

TEST_F(UninstallCommandTest, OnlyARecordOfThisVeryProgramStartsIt) {
    std::vector<std::string> arguments;
    std::string why = "unset";
    EXPECT_FALSE(command(&arguments, &why, program));
    EXPECT_EQ(why, "");  // no record: the page explains how the copy was installed

    UninstallRecord record;
    record.program = temp.path() + "/linked/bin/nubopro";  // the same file through a link
    record.arguments = uninstall;
    ASSERT_TRUE(record.save(data));
    ASSERT_TRUE(command(&arguments, &why, program)) << why;
    EXPECT_EQ(arguments, uninstall);

    // Whatever else a record names is never started.
    record.program = "/bin/sh";
    record.arguments = {"-c", "rm -rf ~", "-rf", copy};
    ASSERT_TRUE(record.save(data));
    EXPECT_FALSE(command(&arguments, &why, program));
    EXPECT_TRUE(arguments.empty());
    EXPECT_NE(why.find("another copy of Nubo PRO (/bin/sh)"), std::string::npos) << why;

    record.program = program;  // ours, with arguments that are no uninstall
    for (const std::vector<std::string>& other : {std::vector<std::string>{"-c", "x", "-rf", copy},
                                                  {"-rv", "1"},
                                                  {"-rv", "1", "-rd", "/d/l.desktop"},
                                                  {"-rv", "1", "-rf", copy, "-o"}}) {
        record.arguments = other;
        ASSERT_TRUE(record.save(data));
        EXPECT_FALSE(command(&arguments, &why, program)) << other.size();
        EXPECT_NE(why.find("holds no uninstall command"), std::string::npos) << why;
    }
}

TEST_F(UninstallCommandTest, ARecordOthersCanWriteStartsNothing) {
    UninstallRecord record;
    record.program = program;
    record.arguments = uninstall;
    ASSERT_TRUE(record.save(data));
    ASSERT_EQ(::chmod((data + UninstallRecord::kFileName).c_str(), 0620), 0);
    std::vector<std::string> arguments;
    std::string why;
    EXPECT_FALSE(command(&arguments, &why, program));
    EXPECT_NE(why.find("is writable by group or others"), std::string::npos) << why;
}

}  // namespace
}  // namespace nubo
