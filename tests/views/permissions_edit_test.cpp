// The permissions part of the properties box: what its boxes and octal field show for
// one entry, several, and entries without a mode, and the change OK sends.
#include "views/permissions_edit.h"

#include <gtest/gtest.h>

#include "engine/file_mode.h"

namespace nubo {
namespace {

using State = PermissionsEdit::State;

TEST(PermissionsEditTest, OneEntryShowsItsModeAndATickedBoxChangesOnlyThatBit) {
    PermissionsEdit edit({0644});
    EXPECT_EQ(edit.octalText(), "644");
    EXPECT_EQ(edit.state(0400), State::On);
    EXPECT_EQ(edit.state(0100), State::Off);
    EXPECT_EQ(edit.state(04000), State::Off);
    EXPECT_FALSE(edit.changed());

    edit.setBit(0020, true);
    EXPECT_EQ(edit.octalText(), "664");
    EXPECT_TRUE(edit.changed());
    const ModeChange change = edit.change(false);
    EXPECT_EQ(change.target(0644), 0664);
    EXPECT_EQ(change.target(0600), 0620) << "another entry keeps its other bits";

    edit.setBit(0020, false);
    EXPECT_FALSE(edit.changed()) << "back as it was: nothing to send";
}

TEST(PermissionsEditTest, EntriesThatDifferShowMixedBoxesAndNoOctalUntilDecided) {
    PermissionsEdit edit({0644, 0755});
    EXPECT_EQ(edit.state(0400), State::On);
    EXPECT_EQ(edit.state(0100), State::Mixed);
    EXPECT_EQ(edit.state(0002), State::Off);
    EXPECT_EQ(edit.octalText(), "");
    edit.setBit(0100, true);
    edit.setBit(0010, false);
    EXPECT_EQ(edit.octalText(), "") << "the others' execute still differs";
    edit.setBit(0001, false);
    EXPECT_EQ(edit.octalText(), "744");
    const ModeChange change = edit.change(true);
    EXPECT_TRUE(change.recursive);
    EXPECT_EQ(change.target(0644), 0744);
    EXPECT_EQ(change.target(0755), 0744);
}

TEST(PermissionsEditTest, AnOctalTextSetsEveryBitAndABadOneNothing) {
    PermissionsEdit edit({0644, 0755});
    EXPECT_FALSE(edit.setOctal("79"));
    EXPECT_FALSE(edit.changed());
    ASSERT_TRUE(edit.setOctal("2750"));
    EXPECT_EQ(edit.state(02000), State::On);
    EXPECT_EQ(edit.state(0004), State::Off);
    EXPECT_EQ(edit.octalText(), "2750");
    EXPECT_EQ(edit.change(false).target(0644), 02750);
}

TEST(PermissionsEditTest, WithoutAModeTheBoxesAreOpenAndOnlyAWholeChoiceIsSent) {
    PermissionsEdit edit({std::nullopt});
    EXPECT_EQ(edit.state(0400), State::Mixed);
    EXPECT_EQ(edit.state(04000), State::Off);
    EXPECT_EQ(edit.octalText(), "");
    edit.setBit(0400, true);
    EXPECT_FALSE(edit.change(false).target(std::nullopt)) << "eight bits would be guessed";
    ASSERT_TRUE(edit.setOctal("640"));
    EXPECT_EQ(edit.change(false).target(std::nullopt), 0640);

    PermissionsEdit some({0600, std::nullopt});
    EXPECT_EQ(some.state(0400), State::Mixed) << "one entry's mode is not the other's";
}

}  // namespace
}  // namespace nubo
