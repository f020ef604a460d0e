// Renames that never replace: through renameat2's flag and through the way taken where
// a file system refuses it, each case runs both.
#include "platform/rename_no_replace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;

using Rename = bool (*)(const std::string&, const std::string&);

class RenameNoReplaceTest : public ::testing::TestWithParam<Rename> {
  protected:
    void SetUp() override { ASSERT_FALSE(root.empty()); }
    bool rename(const std::string& from, const std::string& to) {
        return GetParam()(root + "/" + from, root + "/" + to);
    }
    test::TempFolder temp{"nubo-rename"};
    const std::string root = temp.path();
};

TEST_P(RenameNoReplaceTest, ATakenNameIsNeverReplaced) {
    writeFile(root + "/a.txt", "a");
    writeFile(root + "/b.txt", "b");
    fs::create_directories(root + "/full/inner");
    fs::create_directories(root + "/empty");
    EXPECT_FALSE(rename("a.txt", "b.txt"));
    EXPECT_EQ(errno, EEXIST);
    // A plain rename would put a folder in place of an empty one.
    EXPECT_FALSE(rename("full", "empty"));
    EXPECT_FALSE(rename("a.txt", "empty"));
    EXPECT_FALSE(rename("empty", "a.txt"));
    EXPECT_EQ(readFile(root + "/a.txt"), "a");
    EXPECT_EQ(readFile(root + "/b.txt"), "b");
    EXPECT_TRUE(fs::is_directory(root + "/full/inner"));
    EXPECT_TRUE(fs::is_empty(root + "/empty"));
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 4);
}

TEST_P(RenameNoReplaceTest, FilesFoldersAndLinksMoveToAFreeName) {
    writeFile(root + "/a.txt", "a");
    fs::create_directories(root + "/full/inner");
    fs::create_symlink("a.txt", root + "/link");
    EXPECT_TRUE(rename("a.txt", "c.txt"));
    EXPECT_TRUE(rename("full", "moved"));
    EXPECT_TRUE(rename("link", "link2"));
    EXPECT_EQ(readFile(root + "/c.txt"), "a");
    EXPECT_FALSE(fs::exists(root + "/a.txt"));
    EXPECT_TRUE(fs::is_directory(root + "/moved/inner"));
    EXPECT_FALSE(fs::exists(root + "/full"));
    // The link itself moved, still naming what it named.
    EXPECT_EQ(fs::read_symlink(root + "/link2"), "a.txt");
    EXPECT_FALSE(fs::is_symlink(root + "/link"));
    // Nothing to rename: nothing is left behind at the new name.
    EXPECT_FALSE(rename("absent", "claimed"));
    EXPECT_FALSE(fs::exists(root + "/claimed"));
}

INSTANTIATE_TEST_SUITE_P(BothWays, RenameNoReplaceTest,
                         ::testing::Values(&renameNoReplace, &renameByReservation),
                         [](const ::testing::TestParamInfo<Rename>& info) {
                             return std::string(info.param == &renameNoReplace ? "Flag"
                                                                               : "Reservation");
                         });

}  // namespace
}  // namespace nubo
