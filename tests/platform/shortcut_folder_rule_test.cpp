#include "platform/shortcut_folder_rule.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;

class ShortcutFolderRuleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* folder : {"home/Downloads/in", "home/.config/autostart", "home/.ssh",
                                   "home/archive/x", "media/usb/.hidden", "etc"})
            fs::create_directories(root + "/" + folder);
    }
    std::string why(const std::string& folder) const {
        std::string reason;
        return rule.allows(folder, &reason) ? "allowed" : reason;
    }
    test::TempFolder temp{"nubo-folder-rule"};
    const std::string root = temp.path();
    const std::string home = root + "/home";
    const ShortcutFolderRule rule{home, {root + "/media", root + "/mnt"}};
};

TEST_F(ShortcutFolderRuleTest, TheHomeOutsideItsHiddenFoldersAndMountedVolumesAreAllowed) {
    EXPECT_EQ(why(home), "allowed");
    EXPECT_EQ(why(home + "/Downloads/in"), "allowed");
    EXPECT_EQ(why(home + "/Downloads/not made yet"), "allowed");
    EXPECT_EQ(why(home + "/archive/x/../../Downloads/"), "allowed");
    EXPECT_EQ(why(root + "/media/usb"), "allowed");
    EXPECT_EQ(why(root + "/media/usb/.hidden"), "allowed");  // hidden is the home's rule
}

TEST_F(ShortcutFolderRuleTest, HiddenFoldersOfTheHomeAndEverythingElseAreRefused) {
    EXPECT_EQ(why(home + "/.config/autostart"), "lies in a hidden folder of the home (.config)");
    EXPECT_EQ(why(home + "/.ssh"), "lies in a hidden folder of the home (.ssh)");
    EXPECT_EQ(why(home + "/Downloads/.cache/x"), "lies in a hidden folder of the home (.cache)");
    EXPECT_EQ(why(home + "/archive/x/../../.config/autostart"),
              "lies in a hidden folder of the home (.config)");
    EXPECT_EQ(why(root + "/etc"), "lies outside the home and the mounted volumes");
    EXPECT_EQ(why(root + "/media"), "lies outside the home and the mounted volumes");
    EXPECT_EQ(why("/"), "lies outside the home and the mounted volumes");
    EXPECT_EQ(why("relative/folder"), "is no absolute folder");
}

TEST_F(ShortcutFolderRuleTest, ALinkIsJudgedByWhereItLeads) {
    fs::create_directory_symlink(home + "/.config/autostart", home + "/archive/x/dl");
    fs::create_directory_symlink(root + "/etc", home + "/Downloads/out");
    fs::create_directory_symlink(home + "/Downloads", root + "/media/usb/in");
    EXPECT_EQ(why(home + "/archive/x/dl"),
              "leads through a link (to " + home +
                  "/.config/autostart) in a hidden folder of the home (.config)");
    EXPECT_EQ(
        why(home + "/Downloads/out/sub"),
        "leads through a link (to " + root + "/etc/sub) outside the home and the mounted volumes");
    EXPECT_EQ(why(root + "/media/usb/in"), "allowed");
}

TEST_F(ShortcutFolderRuleTest, ARelativeFolderBelongsToTheShortcutsOwnFolder) {
    const std::string shortcut = home + "/archive/x/site.nubo";
    EXPECT_EQ(ShortcutFolderRule::resolve(shortcut, "../../.config/autostart"),
              home + "/.config/autostart");
    EXPECT_EQ(ShortcutFolderRule::resolve(shortcut, "in"), home + "/archive/x/in");
    EXPECT_EQ(ShortcutFolderRule::resolve(shortcut, "/srv/in"), "/srv/in");
    EXPECT_EQ(ShortcutFolderRule::resolve(shortcut, ""), "");
}

// Files are written by path after the check: a folder someone else may rename could be
// swapped for a link in between, so it is not used.
TEST_F(ShortcutFolderRuleTest, AFolderOtherUsersCanChangeIsRefused) {
    fs::permissions(home + "/archive", fs::perms::all);
    EXPECT_EQ(why(home + "/archive/x"),
              "lies in a folder other users can change (" + home + "/archive)");
    EXPECT_EQ(why(home + "/archive/not made yet"),
              "lies in a folder other users can change (" + home + "/archive)");
    fs::permissions(root + "/media/usb", fs::perms::all);
    EXPECT_EQ(why(root + "/media/usb/.hidden"),
              "lies in a folder other users can change (" + root + "/media/usb)");
    // Sticky: every name in it stays its owner's, as in /tmp.
    fs::permissions(home + "/archive", fs::perms::all | fs::perms::sticky_bit);
    EXPECT_EQ(why(home + "/archive/x"), "allowed");
    EXPECT_EQ(why(home + "/Downloads/in"), "allowed");
}

}  // namespace
}  // namespace nubo
