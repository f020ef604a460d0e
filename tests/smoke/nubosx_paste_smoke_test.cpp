// nubosx's paste commands on an X server of their own, reading a clipboard that another
// program holds, as they do when a file manager starts them. As in a Wayland session
// with XWayland, both displays are named and no Qt platform is chosen for nubosx: it
// must pick X itself.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/registry_key.h"
#include "tests/smoke/x_server.h"
#include "tests/support/background_process.h"
#include "tests/support/recording_program.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::ProgramResult;
using test::waitFor;
using test::writeFile;
using Arguments = std::vector<std::string>;

class NuboSxPasteSmokeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(x_.display().empty()) << "Xvfb did not start";
        program_ = home_.root() + "/it's \"Nubo\"/nubopro";
        test::writeRecordingProgram(program_, record());
        RegistryKey key(home_.settingsFile());
        key.subkey("Settings").setString("AppFile", program_);
        key.flush();
        shortcut_ = home_.work() + "/Site $1 'x'.nubo";
        writeFile(shortcut_,
                  "[NuboShortcut]\nURL=ftp://stored.example.org\nXDir=" + folder() + "\nXMode=i");
    }
    std::string record() const { return home_.root() + "/record"; }
    std::string folder() const { return home_.root() + "/in \"coming\" $HOME\\x"; }

    // Puts text on the clipboard (held by a program of its own) and runs nubosx.
    ProgramResult paste(const std::string& command, const std::string& text) {
        const std::string source = home_.root() + "/clipboard.txt";
        const std::string ready = home_.root() + "/clipboard.ready";
        std::filesystem::remove(ready);
        writeFile(source, text);
        test::BackgroundProcess holder;
        const std::string display = "DISPLAY=" + x_.display();
        if (!holder.start({"/usr/bin/env", display, "QT_QPA_PLATFORM=xcb", NUBO_CLIPBOARD_HOLDER,
                           source, ready},
                          home_.root() + "/holder.log")) {
            ADD_FAILURE() << "the clipboard holder did not start";
            return {};
        }
        if (!waitFor([&] { return std::filesystem::exists(ready); })) {
            ADD_FAILURE() << test::readFile(home_.root() + "/holder.log");
            return {};
        }
        // A runtime folder of its own, or Qt says on standard error that it has none.
        const std::string runtime = home_.root() + "/runtime";
        std::filesystem::create_directory(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        return test::runProgram(
            home_, NUBOSX_BINARY, {command, shortcut_}, 60, false, {},
            {{"DISPLAY", x_.display()}, {"QT_QPA_PLATFORM", "xcb"}, {"XDG_RUNTIME_DIR", runtime}});
    }
    Arguments started() {
        EXPECT_TRUE(waitFor([&] { return std::filesystem::exists(record()); }));
        return test::recordedArguments(record());
    }

    test::XServer x_;
    test::TestHome home_;
    std::string program_;
    std::string shortcut_;
};

TEST_F(NuboSxPasteSmokeTest, DownloadAndListingTakeTheClipboardsHostName) {
    ProgramResult result = paste("paste-download", "ftp.example.com");
    ASSERT_EQ(result.exitCode, 0) << result.errorText;
    EXPECT_EQ(started(), (Arguments{program_, "-f", "ftp.example.com", "-d", folder(), "-xi"}));

    std::filesystem::remove(record());
    result = paste("paste-listing", "ftp://ftp.example.com/pub/it's here");
    ASSERT_EQ(result.exitCode, 0) << result.errorText;
    EXPECT_EQ(started(), (Arguments{program_, "-f", "ftp://ftp.example.com/pub/it's here;type=d",
                                    "-d", folder(), "-xi"}));
}

TEST_F(NuboSxPasteSmokeTest, TextWithoutADotOrTooLongStartsNothing) {
    ProgramResult dotless = paste("paste-download", "localhost");
    EXPECT_EQ(dotless.exitCode, 1);
    EXPECT_EQ(dotless.errorText,
              "nubosx: the clipboard's text names no host (it holds no \".\")\n");
    ProgramResult tooLong = paste("paste-listing", "ftp.example.org/" + std::string(488, 'a'));
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_EQ(tooLong.errorText,
              "nubosx: the clipboard's text is too long for a URL (504 characters, at most 503)\n");
    EXPECT_FALSE(std::filesystem::exists(record()));
    // One character less is a URL.
    ProgramResult longest = paste("paste-download", "ftp.example.org/" + std::string(487, 'a'));
    EXPECT_EQ(longest.exitCode, 0) << longest.errorText;
    EXPECT_EQ(started().at(2), "ftp.example.org/" + std::string(487, 'a'));
}

}  // namespace
}  // namespace nubo
