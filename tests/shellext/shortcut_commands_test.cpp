#include "shellext/shortcut_commands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "shellext/shortcut_object.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::readFile;
using test::TempFolder;
using test::writeFile;
using Arguments = std::vector<std::string>;

// Paths people and file managers really produce, with what a command string breaks on.
const std::string kAwkward = "it's a \"site\" $HOME \\ `x`";
const std::string kProgram = "/opt/Nubo PRO/bin/nubo\"pro";

class ShortcutCommandsTest : public ::testing::Test {
  protected:
    ShortcutCommandsTest()
        : commands_(
              [this](std::string* program, std::string* error) {
                  *program = kProgram;
                  *error = locateError_;
                  return locateError_.empty();
              },
              [this](const Arguments& arguments, const std::string& password, std::string* error) {
                  starts_.push_back(arguments);
                  passwords_.push_back(password);
                  *error = startError_;
                  return startError_.empty();
              }) {}

    std::string shortcut(const std::string& text) {
        const std::string path = folder_.path() + "/" + kAwkward + ".nubo";
        writeFile(path, text);
        return path;
    }

    TempFolder folder_{"nubosx-commands"};
    std::string locateError_;
    std::string startError_;
    std::vector<Arguments> starts_;
    std::vector<std::string> passwords_;
    ShortcutCommands commands_;
};

TEST_F(ShortcutCommandsTest, PasteGivesTheClipboardTextWithTheShortcutsFolderAndType) {
    const std::string folder = "/home/me/" + kAwkward;
    const std::string file =
        shortcut("[NuboShortcut]\nURL=ftp://stored.example.org/\nXDir=" + folder + "\nXMode=i");
    std::string error;
    ASSERT_TRUE(commands_.paste(file, "ftp.example.com", PasteCommand::Download, &error)) << error;
    ASSERT_TRUE(commands_.paste(file, "ftp.example.com", PasteCommand::Listing, &error)) << error;

    ASSERT_EQ(starts_.size(), 2u);
    EXPECT_EQ(starts_[0], (Arguments{kProgram, "-f", "ftp.example.com", "-d", folder, "-xi"}));
    EXPECT_EQ(starts_[1],
              (Arguments{kProgram, "-f", "ftp.example.com;type=d", "-d", folder, "-xi"}));
    EXPECT_EQ(commands_.started(), starts_[1]);
    // The shortcut itself is not changed by a paste.
    EXPECT_EQ(readFile(file),
              "[NuboShortcut]\nURL=ftp://stored.example.org/\nXDir=" + folder + "\nXMode=i");
}

TEST_F(ShortcutCommandsTest, PasteOfAnEmptyShortcutPassesTheUrlAlone) {
    std::string error;
    ASSERT_TRUE(
        commands_.paste(shortcut(""), "ftp://a.b/" + kAwkward, PasteCommand::Download, &error))
        << error;
    ASSERT_EQ(starts_.size(), 1u);
    EXPECT_EQ(starts_[0], (Arguments{kProgram, "-f", "ftp://a.b/" + kAwkward}));
}

TEST_F(ShortcutCommandsTest, ClipboardTextWithoutADotOrTooLongStartsNothing) {
    const std::string file = shortcut("[NuboShortcut]\nXMode=a");
    std::string error;
    EXPECT_FALSE(commands_.paste(file, "localhost", PasteCommand::Download, &error));
    EXPECT_NE(error.find("no \".\""), std::string::npos) << error;
    EXPECT_FALSE(commands_.paste(file, "", PasteCommand::Listing, &error));
    EXPECT_NE(error.find("no text"), std::string::npos) << error;

    const std::string longest = "ftp.example.org/" + std::string(503 - 16, 'a');
    ASSERT_EQ(longest.size(), 503u);
    EXPECT_FALSE(commands_.paste(file, longest + "a", PasteCommand::Download, &error));
    EXPECT_NE(error.find("504 characters"), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
    EXPECT_TRUE(starts_.empty());

    // One shorter is still a URL, and a listing may pass the limit with ";type=d".
    ASSERT_TRUE(commands_.paste(file, longest, PasteCommand::Listing, &error)) << error;
    ASSERT_EQ(starts_.size(), 1u);
    EXPECT_EQ(starts_[0], (Arguments{kProgram, "-f", longest + ";type=d", "-xa"}));
}

TEST_F(ShortcutCommandsTest, UploadGivesTheUrlUpdateModeAndEveryPathInOrder) {
    const std::string file =
        shortcut("[NuboShortcut]\r\nUpdate=1\r\n\r\nURL=ftp://host.example.org/in/\r\nXMode=x");
    const std::string first = folder_.path() + "/" + kAwkward + " 1.txt";
    const std::string second = folder_.path() + "/b\\$(rm -rf ~).txt";
    std::string error;
    ASSERT_TRUE(commands_.upload(file, {first, second}, &error)) << error;
    ASSERT_EQ(starts_.size(), 1u);
    EXPECT_EQ(starts_[0], (Arguments{kProgram, "-u", "ftp://host.example.org/in/", "-xx", "-v",
                                     first, second}));
}

// The argument list is every local user's to read: a URL's password travels beside it.
TEST_F(ShortcutCommandsTest, TheUrlsPasswordIsHandedOverOutsideTheArguments) {
    const std::string file =
        shortcut("[NuboShortcut]\nURL=ftp://me:p%40ss:w@host.example.org:2121/in/\nXMode=i");
    std::string error;
    ASSERT_TRUE(commands_.upload(file, {"/a"}, &error)) << error;
    ASSERT_TRUE(
        commands_.paste(file, "ftp://you:@other.example.org/x", PasteCommand::Download, &error))
        << error;
    ASSERT_TRUE(commands_.paste(file, "you@other.example.org/x", PasteCommand::Listing, &error))
        << error;
    ASSERT_EQ(starts_.size(), 3u);
    // Escaped as the URL wrote it: NuboPRO reads it as it would read the URL.
    EXPECT_EQ(starts_[0],
              (Arguments{kProgram, "-u", "ftp://me@host.example.org:2121/in/", "-xi", "/a"}));
    EXPECT_EQ(passwords_[0], "p%40ss:w");
    EXPECT_EQ(commands_.startedPassword(), "");
    EXPECT_EQ(starts_[1], (Arguments{kProgram, "-f", "ftp://you@other.example.org/x", "-xi"}));
    EXPECT_EQ(passwords_[1], "");
    EXPECT_EQ(starts_[2], (Arguments{kProgram, "-f", "you@other.example.org/x;type=d", "-xi"}));
    EXPECT_EQ(passwords_[2], "");
}

TEST_F(ShortcutCommandsTest, UploadNamesRelativePathsInFull) {
    const std::string file = shortcut("[NuboShortcut]\nURL=ftp://h.example.org\nUpdate=1");
    const std::string saved = std::filesystem::current_path().string();
    ASSERT_EQ(chdir(folder_.path().c_str()), 0);
    std::string error;
    const bool started = commands_.upload(file, {"sub/../x y.txt", "./'q'.bin"}, &error);
    ASSERT_EQ(chdir(saved.c_str()), 0);
    ASSERT_TRUE(started) << error;
    EXPECT_EQ(starts_.at(0), (Arguments{kProgram, "-u", "ftp://h.example.org", "-v",
                                        folder_.path() + "/x y.txt", folder_.path() + "/'q'.bin"}));
}

TEST_F(ShortcutCommandsTest, WhatIsNoShortcutOrNamesNoSiteStartsNothing) {
    std::string error;
    const std::string notShortcut = folder_.path() + "/other.nubo";
    writeFile(notShortcut, "[NuboShortcu]\nURL=ftp://x.example.org");
    EXPECT_FALSE(commands_.upload(notShortcut, {"/a"}, &error));
    EXPECT_NE(error.find("not a readable Nubo shortcut"), std::string::npos) << error;
    EXPECT_FALSE(commands_.paste(folder_.path() + "/missing.nubo", "ftp.example.org",
                                 PasteCommand::Download, &error));
    EXPECT_NE(error.find("missing.nubo"), std::string::npos) << error;
    EXPECT_FALSE(commands_.upload(shortcut("[NuboShortcut]\nXMode=i"), {"/a"}, &error));
    EXPECT_NE(error.find("names no site"), std::string::npos) << error;
    EXPECT_FALSE(commands_.upload(shortcut("[NuboShortcut]\nURL=ftp://x.org"), {}, &error));
    // A path longer than the object keeps would be cut to another file's name.
    EXPECT_FALSE(commands_.upload("/tmp/" + std::string(260, 'n') + ".nubo", {"/a"}, &error));
    EXPECT_NE(error.find("too long"), std::string::npos) << error;
    EXPECT_TRUE(starts_.empty());
}

TEST_F(ShortcutCommandsTest, AMissingProgramOrAFailedStartIsReported) {
    const std::string file = shortcut("[NuboShortcut]\nURL=ftp://x.example.org");
    std::string error;
    locateError_ = "NuboPRO not found";
    EXPECT_FALSE(commands_.upload(file, {"/a"}, &error));
    EXPECT_EQ(error, "NuboPRO not found");
    EXPECT_TRUE(starts_.empty());

    locateError_.clear();
    startError_ = "cannot start";
    EXPECT_FALSE(commands_.paste(file, "x.example.org", PasteCommand::Download, &error));
    EXPECT_EQ(error, "cannot start");
    EXPECT_TRUE(commands_.started().empty());
}

}  // namespace
}  // namespace nubo
