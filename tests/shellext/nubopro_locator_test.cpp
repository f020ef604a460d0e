#include "shellext/nubopro_locator.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/registry_key.h"
#include "shellext/detached_start.h"
#include "tests/support/recording_program.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::readFile;
using test::TempFolder;
using test::waitFor;
using test::writeFile;

std::string recordingProgram(const std::string& path, const std::string& record) {
    test::writeRecordingProgram(path, record);
    return path;
}

class NuboproLocatorTest : public ::testing::Test {
  protected:
    std::string settings() const { return folder_.path() + "/Tkwa/Nubo.conf"; }
    // Written as NuboPRO writes it, through its settings key.
    void setAppFile(const std::string& value) {
        RegistryKey key(settings());
        key.subkey("Settings").setString("AppFile", value);
        key.flush();
    }
    std::string program(const std::string& relative) {
        const std::string path = folder_.path() + "/" + relative;
        return recordingProgram(path, folder_.path() + "/record");
    }

    TempFolder folder_{"nubosx-locator"};
};

TEST_F(NuboproLocatorTest, TheProgramsOwnRecordWinsOverThePath) {
    const std::string recorded = program("opt/it's \"Nubo\" $x\\y, ;z/nubopro");
    const std::string onPath = program("bin/nubopro");
    setAppFile(recorded);
    NuboproLocator locator(settings(), folder_.path() + "/bin");
    EXPECT_EQ(locator.appFile(), recorded);
    std::string found;
    std::string error;
    ASSERT_TRUE(locator.locate(&found, &error)) << error;
    EXPECT_EQ(found, recorded);
}

TEST_F(NuboproLocatorTest, ARecordThatIsNoProgramFallsBackToThePath) {
    const std::string onPath = program("bin/nubopro");
    const std::string notExecutable = folder_.path() + "/plain";
    writeFile(notExecutable, "text");
    std::string found;
    std::string error;
    for (const std::string& record : {notExecutable, std::string("nubopro"), folder_.path()}) {
        setAppFile(record);
        // Relative and empty entries would mean the file manager's current folder.
        NuboproLocator locator(settings(),
                               "::relative:" + folder_.path() + "/none:" + folder_.path() + "/bin");
        ASSERT_TRUE(locator.locate(&found, &error)) << record;
        EXPECT_EQ(found, onPath);
    }
}

// An unpacked copy that has never run: no record, not on the PATH, but beside nubosx.
TEST_F(NuboproLocatorTest, WithoutARecordTheProgramBesideTheHelperComesBeforeThePath) {
    const std::string beside = program("copy/bin/nubopro");
    program("bin/nubopro");
    std::string found;
    std::string error;
    NuboproLocator locator(settings(), folder_.path() + "/bin", folder_.path() + "/copy/bin");
    ASSERT_TRUE(locator.locate(&found, &error)) << error;
    EXPECT_EQ(found, beside);
    // The record still wins.
    const std::string recorded = program("other/nubopro");
    setAppFile(recorded);
    ASSERT_TRUE(locator.locate(&found, &error)) << error;
    EXPECT_EQ(found, recorded);
}

TEST_F(NuboproLocatorTest, NothingFoundIsOneLineAndTheSettingsAreLeftAlone) {
    std::filesystem::create_directories(folder_.path() + "/relative");
    program("relative/nubopro");
    NuboproLocator locator(settings(), "relative:" + folder_.path() + "/none");
    std::string found;
    std::string error;
    EXPECT_FALSE(locator.locate(&found, &error));
    EXPECT_NE(error.find("NuboPRO not found"), std::string::npos);
    EXPECT_EQ(error.find('\n'), std::string::npos);
    // Reading never creates the settings file.
    EXPECT_FALSE(std::filesystem::exists(settings()));

    setAppFile(folder_.path() + "/gone/nubopro");
    const std::string before = readFile(settings());
    EXPECT_FALSE(locator.locate(&found, &error));
    EXPECT_NE(error.find(folder_.path() + "/gone/nubopro"), std::string::npos) << error;
    EXPECT_EQ(readFile(settings()), before);
}

TEST_F(NuboproLocatorTest, ASettingsPathThatIsNoFileIsNotRead) {
    std::filesystem::create_directories(settings());
    NuboproLocator locator(settings(), "");
    EXPECT_EQ(locator.appFile(), "");
}

TEST(DetachedStartTest, TheProgramGetsEachArgumentAsItIs) {
    TempFolder folder("nubosx-start");
    const std::string record = folder.path() + "/record";
    const std::string program = recordingProgram(folder.path() + "/a b'c/nubopro", record);
    const std::vector<std::string> arguments = {
        program, "-u", "ftp://h/;type=d", "$HOME", "a\\b c", "\"q\"", "it's", "*"};
    std::string error;
    ASSERT_TRUE(startDetached(arguments, &error)) << error;
    ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(record); }));
    std::string expected;
    for (const std::string& argument : arguments) {
        expected += argument + "\n";
    }
    EXPECT_EQ(readFile(record), expected);
}

TEST(DetachedStartTest, AProgramThatCannotRunIsReported) {
    TempFolder folder("nubosx-start");
    std::string error;
    EXPECT_FALSE(startDetached({folder.path() + "/missing"}, &error));
    EXPECT_NE(error.find(folder.path() + "/missing"), std::string::npos) << error;
    writeFile(folder.path() + "/plain", "not a program");
    EXPECT_FALSE(startDetached({folder.path() + "/plain"}, &error));
    EXPECT_FALSE(startDetached({}, &error));
}

}  // namespace
}  // namespace nubo
