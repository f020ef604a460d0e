#include "shellext/shortcut_properties.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

using test::readFile;
using test::TempFolder;
using test::writeFile;

class ShortcutPropertiesTest : public ::testing::Test {
  protected:
    TempFolder folder_{"nubosx-properties"};
};

TEST_F(ShortcutPropertiesTest, ShowsTheNameAndValuesOfTheFile) {
    const std::string path = folder_.path() + "/My \"Site\" v1.2.nubo";
    writeFile(path,
              "[NuboShortcut]\r\n\r\nXDir=/home/me/in\r\nURL=ftp://h.example.org/\r\nUpdate=1");
    ShortcutProperties properties;
    ASSERT_TRUE(properties.load(path));
    EXPECT_EQ(properties.name(), "My \"Site\" v1.2");
    EXPECT_EQ(properties.url, "ftp://h.example.org/");
    EXPECT_EQ(properties.folder, "/home/me/in");
    EXPECT_EQ(properties.type, 0);
    EXPECT_TRUE(properties.update);
    EXPECT_FALSE(properties.differs());
}

TEST_F(ShortcutPropertiesTest, ApplyWritesOnlyWhenAValueDiffers) {
    const std::string path = folder_.path() + "/site.nubo";
    // Another editor's line ends: an Apply without a change must keep them.
    const std::string original = "[NuboShortcut]\r\nURL=ftp://h.example.org/\r\n";
    writeFile(path, original);
    ShortcutProperties properties;
    ASSERT_TRUE(properties.load(path));
    EXPECT_EQ(properties.apply(), ShortcutProperties::Applied::Unchanged);
    EXPECT_EQ(readFile(path), original);

    properties.type = 3;
    EXPECT_TRUE(properties.differs());
    EXPECT_EQ(properties.apply(), ShortcutProperties::Applied::Saved);
    EXPECT_EQ(readFile(path), "[NuboShortcut]\nURL=ftp://h.example.org/\nXMode=x");
    EXPECT_EQ(properties.apply(), ShortcutProperties::Applied::Unchanged);

    properties.type = 0;
    properties.update = true;
    properties.folder = "/srv/a b";
    EXPECT_EQ(properties.apply(), ShortcutProperties::Applied::Saved);
    EXPECT_EQ(readFile(path), "[NuboShortcut]\nURL=ftp://h.example.org/\nXDir=/srv/a b\nUpdate=1");
}

TEST_F(ShortcutPropertiesTest, OverlongTextIsCutToWhatTheFileKeeps) {
    const std::string path = folder_.path() + "/long.nubo";
    writeFile(path, "[NuboShortcut]");
    ShortcutProperties properties;
    ASSERT_TRUE(properties.load(path));
    properties.url = std::string(600, 'u');
    properties.folder = std::string(300, 'd');
    EXPECT_EQ(properties.apply(), ShortcutProperties::Applied::Saved);
    EXPECT_EQ(readFile(path),
              "[NuboShortcut]\nURL=" + std::string(511, 'u') + "\nXDir=" + std::string(259, 'd'));
    // What was cut is what is kept: the same long text again changes nothing.
    EXPECT_FALSE(properties.differs());
}

TEST_F(ShortcutPropertiesTest, AFailedSaveIsReportedAndTriedAgain) {
    const std::string path = folder_.path() + "/site.nubo";
    writeFile(path, "[NuboShortcut]\nURL=ftp://a.example.org");
    ShortcutProperties properties;
    ASSERT_TRUE(properties.load(path));
    // A folder in its place cannot be written, not even by root.
    ASSERT_EQ(::unlink(path.c_str()), 0);
    ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
    properties.type = 2;
    EXPECT_EQ(properties.apply(), ShortcutProperties::Applied::Failed);
    ASSERT_EQ(::rmdir(path.c_str()), 0);
    EXPECT_EQ(properties.apply(), ShortcutProperties::Applied::Saved);
    EXPECT_EQ(readFile(path), "[NuboShortcut]\nURL=ftp://a.example.org\nXMode=i");
}

TEST_F(ShortcutPropertiesTest, WhatIsNoShortcutIsNotLoaded) {
    ShortcutProperties properties;
    writeFile(folder_.path() + "/x.nubo", "[Nubo");
    EXPECT_FALSE(properties.load(folder_.path() + "/x.nubo"));
    EXPECT_FALSE(properties.load(folder_.path() + "/missing.nubo"));
    EXPECT_EQ(properties.name(), "missing");
}

}  // namespace
}  // namespace nubo
