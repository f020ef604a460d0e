// Local permissions: read for the properties box, changed with chmod, folders with
// their contents on request, links inside never followed.
#include "views/local_permissions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;

class LocalPermissionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(root + "/tree/inner");
        test::writeFile(root + "/tree/a.txt", "a");
        test::writeFile(root + "/tree/inner/b.txt", "b");
        test::writeFile(root + "/outside.txt", "o");
        ::chmod((root + "/outside.txt").c_str(), 0600);
        fs::create_symlink(root + "/outside.txt", root + "/tree/link");
        for (const char* path : {"/tree/a.txt", "/tree/inner/b.txt"})
            ::chmod((root + path).c_str(), 0600);
        ::chmod((root + "/tree/inner").c_str(), 0700);
        ::chmod((root + "/tree").c_str(), 0700);
    }
    void TearDown() override {
        ::chmod((root + "/tree").c_str(), 0700);
        ::chmod((root + "/tree/inner").c_str(), 0700);
    }
    uint16_t mode(const std::string& path) const {
        return LocalPermissions::modeOf(root + path).value_or(0xffff);
    }

    test::TempFolder temp{"nubo-perm"};
    std::string root = temp.path();
};

TEST_F(LocalPermissionsTest, ASelectionChangesAloneAndAFolderWithItsContentsOnRequest) {
    EXPECT_EQ(mode("/tree/a.txt"), 0600);
    EXPECT_FALSE(LocalPermissions::modeOf(root + "/missing"));

    EXPECT_TRUE(LocalPermissions::apply({root + "/tree"}, ModeChange{0050, 0, false}).empty());
    EXPECT_EQ(mode("/tree"), 0750);
    EXPECT_EQ(mode("/tree/a.txt"), 0600) << "contents only when asked";

    EXPECT_TRUE(LocalPermissions::apply({root + "/tree"}, ModeChange{0040, 0, true}).empty());
    EXPECT_EQ(mode("/tree/a.txt"), 0640);
    EXPECT_EQ(mode("/tree/inner"), 0740);
    EXPECT_EQ(mode("/tree/inner/b.txt"), 0640);
    EXPECT_EQ(mode("/outside.txt"), 0600) << "a link inside is not followed";
}

TEST_F(LocalPermissionsTest, TakingTheOwnersAccessAwayChangesTheContentsFirst) {
    // Done folder first, the walk could not read the folder any more.
    const auto refusals = LocalPermissions::apply({root + "/tree"}, ModeChange{0, 0500, true});
    EXPECT_TRUE(refusals.empty()) << refusals.front();
    EXPECT_EQ(mode("/tree"), 0200);
    ::chmod((root + "/tree").c_str(), 0700);
    EXPECT_EQ(mode("/tree/inner"), 0200);
    ::chmod((root + "/tree/inner").c_str(), 0700);
    EXPECT_EQ(mode("/tree/inner/b.txt"), 0200);
}

TEST_F(LocalPermissionsTest, WhatCannotBeChangedIsNamedWithItsReason) {
    const auto refusals = LocalPermissions::apply({root + "/missing", root + "/tree/a.txt"},
                                                  ModeChange{04, 0, false});
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals.front(), root + "/missing: No such file or directory");
    EXPECT_EQ(mode("/tree/a.txt"), 0604) << "the next one still changes";
}

}  // namespace
}  // namespace nubo
