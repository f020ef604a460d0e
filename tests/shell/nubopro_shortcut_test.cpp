// The real nubopro started on a ".nubo" shortcut ("-o", as the desktop opens one) that
// came from somewhere else: against pyftpdlib, in a temporary home.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/pyftpd_fixture.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::ProgramResult;
using test::readFile;
using test::writeFile;

class NuboproShortcutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.startError();
        fs::create_directories(server.root() + "/sub");
        writeFile(server.root() + "/sub/evil.desktop", "[Desktop Entry]\nExec=evil\n");
        fs::create_directories(archive);
        fs::create_directories(home.root() + "/.config/autostart");
        fs::create_directories(home.root() + "/.ssh");
    }
    // A shortcut in a folder unpacked from an archive, on the server's "sub" folder.
    std::string shortcut(const std::string& folder, const std::string& name = "site.nubo") {
        const std::string path = archive + "/" + name;
        writeFile(path, "[NuboShortcut]\nURL=ftp://127.0.0.1:" + std::to_string(server.port()) +
                            "/sub/\nXDir=" + folder + "\nXMode=i");
        return path;
    }
    std::string downloads() const { return home.root() + "/Downloads"; }

    test::TestHome home;
    test::PyFtpdServer server;
    const std::string archive = home.work() + "/unpacked/archive";
};

// A folder that leads into a hidden folder of the home (where programs keep what runs at
// login, or the keys that let others in), or out of the home, is not used: the run says
// why and the file goes to the downloads folder.
TEST_F(NuboproShortcutTest, AFolderInAHiddenFolderOrOutsideTheHomeIsNotUsed) {
    fs::create_directory_symlink(home.root() + "/.config/autostart", archive + "/dl");
    const test::TempFolder outside("nubo-outside-home");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"../../../.config/autostart", home.root() + "/.config/autostart"},
        {home.root() + "/.ssh", home.root() + "/.ssh"},
        {"dl", archive + "/dl"},
        {outside.path(), outside.path()},
    };
    for (const auto& [folder, named] : cases) {
        fs::remove(downloads() + "/evil.desktop");
        const ProgramResult result =
            test::runNubopro(home, {"-o", shortcut(folder), "-g", "evil.desktop"}, 60);
        EXPECT_EQ(result.exitCode, 0) << folder << "\n" << result.errorText;
        EXPECT_TRUE(fs::exists(downloads() + "/evil.desktop")) << folder << "\n"
                                                               << result.errorText;
        EXPECT_NE(result.errorText.find("*** The shortcut's folder " + named + " is not used: it "),
                  std::string::npos)
            << result.errorText;
        EXPECT_NE(result.errorText.find("; files go to " + downloads() + "\n"), std::string::npos)
            << result.errorText;
    }
    EXPECT_FALSE(fs::exists(home.root() + "/.config/autostart/evil.desktop"));
    EXPECT_FALSE(fs::exists(home.root() + "/.ssh/evil.desktop"));
    EXPECT_FALSE(fs::exists(outside.path() + "/evil.desktop"));
}

// A relative folder is the shortcut's own, not the one the program was started in.
TEST_F(NuboproShortcutTest, ARelativeFolderBelongsToTheShortcut) {
    fs::create_directories(archive + "/in");
    fs::create_directories(home.work() + "/in");
    shortcut("in");
    const ProgramResult run =
        test::runNubopro(home, {"-o", "unpacked/archive/site.nubo", "-g", "evil.desktop"}, 60);
    EXPECT_EQ(run.exitCode, 0) << run.errorText;
    EXPECT_TRUE(fs::exists(archive + "/in/evil.desktop")) << run.errorText;
    EXPECT_FALSE(fs::exists(home.work() + "/in/evil.desktop"));
    EXPECT_EQ(run.errorText.find("is not used"), std::string::npos) << run.errorText;
}

// A shortcut without a folder never sends files to the folder the run was started in
// (a file manager's, wherever it stands): they go to the downloads folder.
TEST_F(NuboproShortcutTest, AShortcutWithoutAFolderUsesTheDownloadsFolder) {
    shortcut("");
    const ProgramResult run =
        test::runNubopro(home, {"-o", "unpacked/archive/site.nubo", "-g", "evil.desktop"}, 60);
    EXPECT_EQ(run.exitCode, 0) << run.errorText;
    EXPECT_TRUE(fs::exists(downloads() + "/evil.desktop")) << run.errorText;
    EXPECT_FALSE(fs::exists(home.work() + "/evil.desktop"));
    EXPECT_NE(run.errorText.find("... the shortcut names no folder; files go to " + downloads()),
              std::string::npos)
        << run.errorText;
}

// A shortcut names its host, which can be anyone's: the netrc's "default" login is
// never handed to it (over ftp:// in clear), only a "machine" entry that names it.
TEST_F(NuboproShortcutTest, ARunOnAShortcutGetsNoNetrcDefaultLogin) {
    const std::string netrc = home.root() + "/.netrc";
    writeFile(netrc, "default login alice password wonderland\n");
    ASSERT_EQ(::chmod(netrc.c_str(), 0600), 0);
    const std::string url = "ftp://127.0.0.1:" + std::to_string(server.port()) + "/sub/";

    const ProgramResult onShortcut =
        test::runNubopro(home, {"-o", shortcut(home.work()), "-g", "evil.desktop"}, 60);
    EXPECT_EQ(onShortcut.exitCode, 0) << onShortcut.errorText;
    EXPECT_NE(onShortcut.errorText.find("<USER anonymous"), std::string::npos)
        << onShortcut.errorText;
    EXPECT_EQ(onShortcut.errorText.find("<USER alice"), std::string::npos) << onShortcut.errorText;
    EXPECT_NE(onShortcut.errorText.find("\"default\" login not used for 127.0.0.1"),
              std::string::npos)
        << onShortcut.errorText;

    // Started by the desktop handlers: the same, whatever the command line says.
    const ProgramResult handed = test::runNubopro(home, {"-f", url + "evil.desktop"}, 60, false, {},
                                                  {{"NUBOPRO_FROM_SHORTCUT", "1"}});
    EXPECT_EQ(handed.exitCode, 0) << handed.errorText;
    EXPECT_NE(handed.errorText.find("<USER anonymous"), std::string::npos) << handed.errorText;

    // Typed, the default serves as ftp, curl and lftp have it; a "machine" entry that
    // names the host serves a shortcut too.
    const ProgramResult typed = test::runNubopro(home, {"-f", url + "evil.desktop"}, 60);
    EXPECT_EQ(typed.exitCode, 0) << typed.errorText;
    EXPECT_NE(typed.errorText.find("<USER alice"), std::string::npos) << typed.errorText;
    writeFile(netrc, "machine 127.0.0.1 login alice password wonderland\n");
    const ProgramResult named =
        test::runNubopro(home, {"-o", shortcut(home.work()), "-g", "evil.desktop"}, 60);
    EXPECT_EQ(named.exitCode, 0) << named.errorText;
    EXPECT_NE(named.errorText.find("<USER alice"), std::string::npos) << named.errorText;
}

// A shortcut that is a FIFO would keep the program waiting for a writer: refused at once.
TEST_F(NuboproShortcutTest, AShortcutThatIsAFifoIsRefusedAtOnce) {
    const std::string fifo = home.work() + "/fifo.nubo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const ProgramResult result = test::runNubopro(home, {"-o", "fifo.nubo"}, 15);
    EXPECT_EQ(result.exitCode, 1) << "killed after 15 s when -1\n" << result.errorText;
    EXPECT_NE(result.errorText.find(
                  "nubopro: fifo.nubo: not a readable Nubo shortcut (it is a FIFO, not a regular "
                  "file)\n"),
              std::string::npos)
        << result.errorText;
    const ProgramResult fetch = test::runNubopro(home, {"-o", "fifo.nubo", "-g", "x"}, 15);
    EXPECT_NE(fetch.exitCode, -1) << fetch.errorText;
    EXPECT_NE(fetch.errorText.find("*** fifo.nubo: not a readable Nubo shortcut"),
              std::string::npos)
        << fetch.errorText;
}

}  // namespace
}  // namespace nubo
