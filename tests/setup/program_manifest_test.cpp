#include "setup/program_manifest.h"

#include <unistd.h>

#include "tests/setup/setup_fixture.h"

namespace nubo {
namespace {

using ProgramManifestTest = test::SetupFixture;

TEST_F(ProgramManifestTest, OnlyTheFolderHoldingTheRunningProgramIsTaken) {
    ProgramManifest manifest;
    EXPECT_TRUE(manifest.load(copy, folders.programPath));
    EXPECT_EQ(manifest.files().size(), 5u);
    EXPECT_EQ(manifest.undeletableCount(), 0);
    // A copy whose list names the same files, while another program runs.
    const std::string other = unpack(home.root() + "/other");
    EXPECT_FALSE(manifest.load(other, folders.programPath));
    EXPECT_TRUE(manifest.files().empty());
    EXPECT_FALSE(manifest.why().empty());
    // The running program inside the folder, but not one of its listed files.
    put(copy + "/tools/nubopro", "x");
    EXPECT_FALSE(manifest.load(copy, copy + "/tools/nubopro"));
    EXPECT_FALSE(manifest.load(home.root() + "/missing", folders.programPath));
}

TEST_F(ProgramManifestTest, LinesLeadingOutOfTheFolderAreRefused) {
    const std::string outside = home.root() + "/outside";
    put(outside + "/precious.txt", "mine");
    ASSERT_EQ(::symlink(outside.c_str(), (copy + "/escape").c_str()), 0);
    put(copy + "/share/nubopro/manifest.txt",
        "bin/nubopro\n../outside/precious.txt\n" + outside +
            "/precious.txt\nescape/precious.txt\n./ReadMe.txt\nbin//nubopro\n"
            "ReadMe.txt\r\n");
    ProgramManifest manifest;
    ASSERT_TRUE(manifest.load(copy, folders.programPath));
    EXPECT_EQ(manifest.refused().size(), 5u);
    EXPECT_EQ(manifest.files().size(), 2u);  // bin/nubopro and ReadMe.txt
    EXPECT_EQ(manifest.removeAll(), 0);
    EXPECT_EQ(test::readFile(outside + "/precious.txt"), "mine");
    EXPECT_FALSE(exists(copy + "/bin"));
    EXPECT_TRUE(exists(copy + "/escape"));  // not listed, so the folder stays too
}

TEST(ProgramManifestPathTest, PlainRelativePathsOnly) {
    for (const char* good : {"a", "bin/nubopro", "share/x y/z.html", "..a/b", "a/.b"})
        EXPECT_TRUE(ProgramManifest::isPlainRelative(good)) << good;
    for (const char* bad : {"", "/etc/passwd", "a/../b", "..", "./a", "a//b", "a/", "a/."})
        EXPECT_FALSE(ProgramManifest::isPlainRelative(bad)) << bad;
}

}  // namespace
}  // namespace nubo
