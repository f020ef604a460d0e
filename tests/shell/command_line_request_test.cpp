#include "shell/command_line_request.h"

#include <gtest/gtest.h>

#include "base/config_store.h"
#include "platform/shortcut_folder_rule.h"

namespace nubo {
namespace {

CommandLineRequest parsed(const std::vector<std::string>& args) {
    CommandLineRequest request;
    request.parse(args);
    return request;
}

TEST(CommandLineRequestTest, TheModeFollowsTheUrlAndThePlainArguments) {
    EXPECT_EQ(parsed({}).mode, CommandLineRequest::kNothing);
    EXPECT_EQ(parsed({"-u", "ftp://h"}).mode, CommandLineRequest::kConnect);

    CommandLineRequest drop = parsed({"-u", "ftp://h", "one.txt", "two.txt"});
    EXPECT_EQ(drop.mode, CommandLineRequest::kTransferListed);
    EXPECT_EQ(drop.slot(2), "one.txt");
    EXPECT_EQ(drop.slot(3), "two.txt");
    EXPECT_EQ(drop.nextSlot, 4u);

    CommandLineRequest fetch = parsed({"-f", "-"});
    EXPECT_EQ(fetch.mode, CommandLineRequest::kFetch);
    EXPECT_EQ(fetch.slot(0), "");

    // The automatic choice applies only while the mode is still 0.
    EXPECT_EQ(parsed({"-p", "-u", "ftp://h", "a"}).mode, CommandLineRequest::kPutNames);
    EXPECT_EQ(parsed({"-u", "ftp://h", "-g", "a"}).mode, CommandLineRequest::kGetNames);
    // ... and only when no switch still waits for its argument.
    CommandLineRequest trailing = parsed({"-u", "ftp://h", "-d"});
    EXPECT_EQ(trailing.mode, CommandLineRequest::kNothing);
    EXPECT_EQ(trailing.pending, "d");
}

TEST(CommandLineRequestTest, ASiteGivenAloneIsTheUrl) {
    CommandLineRequest site = parsed({"ftp://files.example.org/pub"});
    EXPECT_EQ(site.slot(0), "ftp://files.example.org/pub");
    EXPECT_EQ(site.mode, CommandLineRequest::kConnect);
    // Files after it are the listed files; a URL switch keeps its meaning.
    CommandLineRequest drop = parsed({"FTP://h/in", "a.txt"});
    EXPECT_EQ(drop.slot(0), "FTP://h/in");
    EXPECT_EQ(drop.slot(2), "a.txt");
    EXPECT_EQ(drop.mode, CommandLineRequest::kTransferListed);
    CommandLineRequest switched = parsed({"-u", "ftp://h", "ftp://other/"});
    EXPECT_EQ(switched.slot(0), "ftp://h");
    EXPECT_EQ(switched.slot(2), "ftp://other/");
    // Not URLs: file names stay file names.
    EXPECT_EQ(parsed({"notes.txt"}).slot(2), "notes.txt");
    EXPECT_EQ(parsed({"a://b"}).slot(0), "a://b");
    EXPECT_FALSE(CommandLineRequest::isUrl("://x"));
    EXPECT_FALSE(CommandLineRequest::isUrl("dir/x://y"));
}

TEST(CommandLineRequestTest, SwitchesCountByTheirFirstLettersInEitherCase) {
    CommandLineRequest request =
        parsed({"-U", "ftp://h", "-XI", "-V", "-Z", "-q", "-Dir", "/tmp/x", "-url2"});
    EXPECT_EQ(request.slot(0), "ftp://h");
    EXPECT_EQ(request.transferType, 2);
    EXPECT_EQ(request.flags, CommandLineRequest::kUpdateOnly);
    EXPECT_TRUE(request.fullExitCode);
    EXPECT_EQ(request.slot(1), "/tmp/x");  // an absolute path is a value, not a switch
    EXPECT_EQ(request.pending, "u");       // "-url2" waits for its URL

    EXPECT_EQ(parsed({"-xa"}).transferType, 1);
    EXPECT_EQ(parsed({"-xx"}).transferType, 3);
    EXPECT_EQ(parsed({"-xq"}).transferType, 0);
    EXPECT_EQ(parsed({"-x"}).transferType, 0);
}

TEST(CommandLineRequestTest, AnArgumentLosesOneLeadingDash) {
    CommandLineRequest request = parsed({"-d", "--weird", "-u", "-"});
    EXPECT_EQ(request.slot(1), "-weird");
    EXPECT_EQ(request.slot(0), "");
    EXPECT_EQ(request.mode, CommandLineRequest::kNothing);
    // A switch's argument is taken whatever it looks like.
    CommandLineRequest taken = parsed({"-u", "-p"});
    EXPECT_EQ(taken.slot(0), "p");
    EXPECT_EQ(taken.mode, CommandLineRequest::kConnect);
}

TEST(CommandLineRequestTest, PlainArgumentsStartingWithASlashArePaths) {
    CommandLineRequest request = parsed({"-u", "ftp://h", "/home/me/a.txt", "/tmp/b"});
    EXPECT_EQ(request.mode, CommandLineRequest::kTransferListed);
    EXPECT_EQ(request.slot(2), "/home/me/a.txt");
    EXPECT_EQ(request.slot(3), "/tmp/b");
}

TEST(CommandLineRequestTest, SetupSwitches) {
    CommandLineRequest uninstall =
        parsed({"-rf", "/opt/nubo", "-rv", "2.1", "-rm", "menu", "-rd", "desk.nubo"});
    EXPECT_EQ(uninstall.flags, CommandLineRequest::kUninstall);
    EXPECT_EQ(uninstall.slot(1), "2.1");
    EXPECT_EQ(uninstall.slot(2), "/opt/nubo");
    EXPECT_EQ(uninstall.slot(3), "menu");
    EXPECT_EQ(uninstall.slot(4), "desk.nubo");
    EXPECT_TRUE(uninstall.setupMode());
    EXPECT_EQ(parsed({"-i"}).flags, CommandLineRequest::kInstall);
    EXPECT_EQ(parsed({"-r"}).flags, CommandLineRequest::kUninstall);
    EXPECT_FALSE(parsed({"-u", "x"}).setupMode());
}

TEST(CommandLineRequestTest, HelpAndVersionDoNotClashWithTheSwitchTable) {
    CommandLineRequest help = parsed({"--help"});
    EXPECT_TRUE(help.helpRequested);
    EXPECT_EQ(help.mode, CommandLineRequest::kNothing);
    CommandLineRequest version = parsed({"--version"});
    EXPECT_TRUE(version.versionRequested);
    EXPECT_EQ(version.flags, 0u);  // not "-v"
    // As a switch's argument it is just a value.
    CommandLineRequest value = parsed({"-d", "--help"});
    EXPECT_FALSE(value.helpRequested);
    EXPECT_EQ(value.slot(1), "-help");
}

TEST(CommandLineRequestTest, ShortcutValuesFillEmptyPlacesOnly) {
    CommandLineRequest request;
    request.flags = 0x10;
    request.parse({"-d", "/keep", "-o", "s.nubo"},
                  [](const std::string& path, ShortcutValues* values, std::string*) {
                      EXPECT_EQ(path, "s.nubo");
                      values->url = "ftp://s";
                      values->transferType = 1;
                      values->updateMode = 1;
                      return true;
                  });
    EXPECT_EQ(request.slot(0), "ftp://s");
    EXPECT_EQ(request.slot(1), "/keep");  // the shortcut has no folder
    EXPECT_EQ(request.transferType, 1);
    EXPECT_EQ(request.flags, 0x11u);
    EXPECT_EQ(request.mode, CommandLineRequest::kConnect);
}

// Which folder came from a shortcut: the "-o" file's, or any "-d" when the desktop
// handlers started the run; a "-d" typed after "-o" is the user's own.
TEST(CommandLineRequestTest, AShortcutsFolderIsVettedAndATypedOneIsNot) {
    const CommandLineRequest::ShortcutReader reader = [](const std::string&, ShortcutValues* values,
                                                         std::string*) {
        values->url = "ftp://s";
        values->transferDir = "/srv/hidden";
        return true;
    };
    const ShortcutFolderRule refuseAll("/nonexistent-home", {});
    const auto downloads = [] { return std::string("/home/me/Downloads"); };

    CommandLineRequest shortcut;
    shortcut.parse({"-o", "s.nubo", "-g", "a"}, reader);
    EXPECT_TRUE(shortcut.fromShortcut());
    shortcut.vetShortcutFolder(refuseAll, downloads);
    EXPECT_EQ(shortcut.slot(1), "/home/me/Downloads");
    EXPECT_EQ(shortcut.folderRefusal,
              "The shortcut's folder /srv/hidden is not used: it lies outside the home and the "
              "mounted volumes; files go to /home/me/Downloads");

    CommandLineRequest typed;
    typed.parse({"-o", "s.nubo", "-d", "/srv/mine", "-g", "a"}, reader);
    EXPECT_TRUE(typed.fromShortcut());  // the login rule still holds
    typed.vetShortcutFolder(refuseAll, downloads);
    EXPECT_EQ(typed.slot(1), "/srv/mine");
    EXPECT_EQ(typed.folderRefusal, "");

    CommandLineRequest handler;
    handler.startedByHandler = true;
    handler.parse({"-f", "ftp://h/x", "-d", "/srv/hidden"});
    EXPECT_TRUE(handler.fromShortcut());
    handler.vetShortcutFolder(refuseAll, downloads);
    EXPECT_EQ(handler.slot(1), "/home/me/Downloads");

    CommandLineRequest plain;
    plain.parse({"-f", "ftp://h/x", "-d", "/srv/hidden"});
    EXPECT_FALSE(plain.fromShortcut());
    plain.vetShortcutFolder(refuseAll, downloads);
    EXPECT_EQ(plain.slot(1), "/srv/hidden");
}

TEST(CommandLineRequestTest, StoredValuesAndExitCodes) {
    ConfigStore config;
    CommandLineRequest get = parsed({"-u", "ftp://h", "-d", "/in", "-g", "a", "-xx", "-v"});
    get.storeInto(config);
    EXPECT_EQ(config.GetInt("CLConnect"), 1);
    EXPECT_EQ(config.GetInt("CLStart"), 1);
    EXPECT_EQ(config.GetInt("CLOnly"), 1);
    EXPECT_EQ(config.GetInt("CLXMode"), 3);
    EXPECT_EQ(config.GetInt("CLXFlags"), 1);
    EXPECT_EQ(config.GetString("CLXDir"), "/in");

    ConfigStore other;
    other.SetString("CLXDir", "/before");
    parsed({"-f", "ftp://h/x"}).storeInto(other);
    EXPECT_EQ(other.GetInt("CLStart"), 1);
    EXPECT_EQ(other.GetInt("CLOnly"), 0);
    EXPECT_EQ(other.GetString("CLXDir"), "/before");  // an empty folder is not stored

    // One download failed and one succeeded.
    EXPECT_EQ(get.exitCode(16 | 1), 1);
    EXPECT_EQ(get.exitCode(64), 4);
    EXPECT_EQ(get.exitCode(128), 8);
    EXPECT_EQ(parsed({"-z"}).exitCode(16 | 1), 17);
}

}  // namespace
}  // namespace nubo
