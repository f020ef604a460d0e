// Permission bits: read from listings (LIST's letters, MLSD's UNIX.mode), written for
// SITE CHMOD, and what a change from the properties box does to each entry.
#include "engine/file_mode.h"

#include <gtest/gtest.h>

#include "engine/listing_parser.h"
#include "engine/mlsx_parser.h"
#include "engine/mode_change.h"
#include "engine/server_features.h"

namespace nubo {
namespace {

TEST(FileModeTest, ListingLettersGiveTheBitsSpecialOnesWithAndWithoutExecute) {
    EXPECT_EQ(file_mode::fromListing("drwxr-xr-x"), 0755);
    EXPECT_EQ(file_mode::fromListing("-rw-r-----"), 0640);
    EXPECT_EQ(file_mode::fromListing("rwx------"), 0700) << "nine letters alone";
    EXPECT_EQ(file_mode::fromListing("-rwsr-xr-x"), 04755);
    EXPECT_EQ(file_mode::fromListing("-rwSr--r--"), 04644) << "S: set-user-ID without execute";
    EXPECT_EQ(file_mode::fromListing("drwxrwsr-x"), 02775);
    EXPECT_EQ(file_mode::fromListing("drwxrwxrwt"), 01777);
    EXPECT_EQ(file_mode::fromListing("drwxrwxrwT"), 01776);
    EXPECT_EQ(file_mode::fromListing("drwxr-xr-x+"), 0755) << "an ACL mark after the letters";
    EXPECT_EQ(file_mode::fromListing("-rw-r--r--@"), 0644);
    for (const char* wrong : {"", "drwxr-xr-", "drwxr-xr-xx", "-rwxr-xr-q", "-wrxr-xr-x",
                              "-rwxr-xr-s" /* s is no letter for others */, "drwxr-xr-x!"})
        EXPECT_FALSE(file_mode::fromListing(wrong)) << wrong;
}

TEST(FileModeTest, OctalTextsBothWays) {
    EXPECT_EQ(file_mode::fromOctal("755"), 0755);
    EXPECT_EQ(file_mode::fromOctal("0644"), 0644);
    EXPECT_EQ(file_mode::fromOctal("4755"), 04755);
    EXPECT_EQ(file_mode::fromOctal("07777"), 07777);
    for (const char* wrong : {"", "8", "7a5", "17777", "-755", "000000"})
        EXPECT_FALSE(file_mode::fromOctal(wrong)) << wrong;
    EXPECT_EQ(file_mode::toOctal(0644), "644");
    EXPECT_EQ(file_mode::toOctal(0), "000");
    EXPECT_EQ(file_mode::toOctal(01777), "1777") << "a fourth digit only for special bits";
    EXPECT_EQ(file_mode::toOctal(0100755), "755") << "the file type's bits are not sent";
    for (uint16_t mode = 0; mode <= 07777; mode += 0111) {
        EXPECT_EQ(file_mode::fromOctal(file_mode::toOctal(mode)), mode);
        EXPECT_EQ(file_mode::fromListing(file_mode::toSymbolic(mode)), mode);
    }
    EXPECT_EQ(file_mode::toSymbolic(02750), "rwxr-s---");
    EXPECT_EQ(file_mode::toSymbolic(05644), "rwSr--r-T");
}

TEST(FileModeTest, ListingsCarryTheModeWhenTheyGiveOne) {
    RemoteEntry entry;
    std::string pending;
    ASSERT_TRUE(parseListingLine("drwxr-s---   2 ann  staff      4096 Jun 14 12:30 docs", pending,
                                 entry, ListingLocaleData(), 1781000000));
    EXPECT_EQ(entry.permissions(), 02750);
    entry.reset();
    ASSERT_TRUE(parseListingLine("06-14-26  12:30PM       <DIR>          docs", pending, entry,
                                 ListingLocaleData(), 1781000000));
    EXPECT_FALSE(entry.permissions()) << "MS-DOS listings give none";

    ASSERT_TRUE(parseMlsxLine("type=file;size=5;UNIX.mode=0640; a.txt", entry));
    EXPECT_EQ(entry.permissions(), 0640);
    ASSERT_TRUE(parseMlsxLine("type=dir;unix.mode=0o2755; b", entry)) << "as pyftpdlib writes it";
    EXPECT_EQ(entry.permissions(), 02755);
    ASSERT_TRUE(parseMlsxLine("type=file;size=5;unix.mode=rw-; a.txt", entry))
        << "a mode that is no number leaves the entry as it is";
    EXPECT_FALSE(entry.permissions());
    ASSERT_TRUE(parseMlsxLine("type=file;size=5; a.txt", entry));
    EXPECT_FALSE(entry.permissions()) << "a reused entry forgets the last one's mode";
}

TEST(FileModeTest, MlsdIsAskedForTheModeOnlyWhenOfferedAndNotSent) {
    ServerFeatures features;
    features.parse(
        {"211-Features:", " MLST type*;perm*;size*;modify*;unix.mode;unix.uid;", "211 End"});
    EXPECT_EQ(features.mlstOptionsWithMode(), "type;perm;size;modify;unix.mode;");
    features.parse({"211-Features:", " MLST type*;size*;UNIX.mode*;", "211 End"});
    EXPECT_EQ(features.mlstOptionsWithMode(), "") << "sent already";
    features.parse({"211-Features:", " MLST type*;size*;modify*;", "211 End"});
    EXPECT_EQ(features.mlstOptionsWithMode(), "") << "not offered";
}

TEST(ModeChangeTest, OnlyTheChangedBitsMoveAndAnUnknownModeNeedsAllNine) {
    const ModeChange groupWrite{020, 0, false};
    EXPECT_EQ(groupWrite.target(0644), 0664);
    EXPECT_EQ(groupWrite.target(0755), 0775);
    EXPECT_FALSE(groupWrite.target(0664)) << "nothing to send for a mode that stays";
    EXPECT_FALSE(groupWrite.target(std::nullopt)) << "the other bits would be guessed";

    const ModeChange full{0750, 0027, false};  // every permission bit named
    EXPECT_EQ(full.target(std::nullopt), 0750);
    EXPECT_EQ(full.target(04777), 04750) << "a special bit nobody touched stays";

    const ModeChange clearSticky{0, 01000, false};
    EXPECT_EQ(clearSticky.target(01777), 0777);
}

TEST(ModeChangeTest, AFolderIsChangedAfterItsContentsOnlyWhenTheOwnerLosesAccess) {
    EXPECT_TRUE((ModeChange{020, 0, true}.folderBeforeContents()));
    EXPECT_TRUE((ModeChange{0, 0007, true}.folderBeforeContents())) << "others only";
    EXPECT_FALSE((ModeChange{0, 0100, true}.folderBeforeContents())) << "owner's execute goes";
    EXPECT_FALSE((ModeChange{0, 0400, true}.folderBeforeContents()));
    EXPECT_TRUE((ModeChange{0100, 0400, true}.folderBeforeContents()))
        << "what it grants the walk needs first";
}

}  // namespace
}  // namespace nubo
