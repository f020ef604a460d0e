#include "shell/progress_display.h"

#include <gtest/gtest.h>

namespace nubo {
namespace {

TEST(ProgressDisplayTest, TrayIconsBarAndTitleForEachValue) {
    using Kind = TransferProgress::Kind;
    struct Case {
        TransferProgress progress;
        const char* status;  // null: none
        int icon;
        int bar;
    };
    const Case cases[] = {
        {{Kind::Get, "a", 0, 200, 0}, "GET a (0%)", ProgressDisplay::kBaseIcon, 0},
        {{Kind::Get, "a", 10, 200, 5}, "GET a (5%)", 1, 5},
        {{Kind::Put, "a", 74, 200, 37}, "PUT a (37%)", 4, 37},
        {{Kind::Get, "a", 200, 200, 100}, "GET a (100%)", 10, 100},
        // No size known: the kilobytes so far, the bar going round.
        {{Kind::Get, "a", 150 * 1024 + 1000, -1, -1}, "GET a (150KB)", 10, 50},
        // A name is shown as it is, percent signs and all.
        {{Kind::Get, "100%_%s%n", 1, 2, 50}, "GET 100%_%s%n (50%)", 6, 50},
        // A batch over several connections counts its files and all their bytes.
        {{Kind::Get, "last.dat", 480, 1000, 48, 12, 1000}, "GET 12 of 1000 files (48%)", 5, 48},
        {{Kind::Put, "x", 3 * 1024, -1, -1, 2, 3}, "PUT 2 of 3 files (3KB)", 1, 3},
        {{}, nullptr, ProgressDisplay::kProgramIcon, 0},
    };
    for (const Case& c : cases) {
        const ProgressDisplay::Update u = ProgressDisplay::progress(c.progress);
        EXPECT_TRUE(u.moves) << c.progress.name;
        EXPECT_EQ(u.icon, c.icon) << c.progress.name;
        EXPECT_EQ(u.bar, c.bar) << c.progress.name;
        EXPECT_EQ(u.hasStatus, c.status != nullptr);
        EXPECT_EQ(u.status, c.status != nullptr ? c.status : "");
    }
    // A listing's running count only sets the text.
    const ProgressDisplay::Update listing = ProgressDisplay::progress({Kind::List, "pub", 120});
    EXPECT_FALSE(listing.moves);
    EXPECT_EQ(listing.status, "LIST pub (120 entries)");
    EXPECT_EQ(ProgressDisplay::title(""), "Nubo 2.2");
    EXPECT_EQ(ProgressDisplay::title("GET a"), "GET a - Nubo 2.2");
}

TEST(ProgressDisplayTest, LongTitlesAndTipsAreCutOnCharacterBoundaries) {
    const std::string title80(80, 'x');
    EXPECT_EQ(ProgressDisplay::trayTip(title80), std::string(60, 'x') + "...");
    EXPECT_EQ(ProgressDisplay::trayTip(std::string(63, 'y')), std::string(63, 'y'));
    // 59 ASCII bytes then a two-byte letter across the 60-byte mark: the letter goes.
    const std::string accented = std::string(59, 'a') + "\xc3\xa9" + std::string(20, 'b');
    EXPECT_EQ(ProgressDisplay::trayTip(accented), std::string(59, 'a') + "...");
    std::string longText;
    for (int i = 0; i < 300; ++i)
        longText += "\xc3\xa9";
    const std::string title = ProgressDisplay::title(longText);
    EXPECT_LE(title.size(), ProgressDisplay::kMaxTitle);
    EXPECT_EQ(title.size() % 2, 0u);  // whole letters only
}

// The title counts a batch whole from the session's queue, every connection's files, and
// says when some failed; a single file, a listing and the end stay as they came.
TEST(ProgressDisplayTest, ABatchIsCountedWholeFromItsQueue) {
    using Kind = TransferProgress::Kind;
    BatchProgress batch;
    batch.running = true;
    batch.serial = 1;
    batch.filesEnded = 12;
    batch.filesTotal = 300;
    batch.filesFailed = 1;
    batch.bytes = 480;
    batch.expected = 1000;
    // What one connection reported: its own file and its own count.
    const TransferProgress own{Kind::Get, "f7.bin", 50, 100, 50, 3, 75};
    const TransferProgress whole = ProgressDisplay::wholeBatch(own, batch);
    EXPECT_EQ(ProgressDisplay::text(whole), "GET 12 of 300 files, 1 failed (48%)");
    EXPECT_EQ(ProgressDisplay::progress(whole).bar, 48);
    batch.expected = 0;
    EXPECT_EQ(ProgressDisplay::text(ProgressDisplay::wholeBatch({Kind::Put, "x", 3 * 1024}, batch)),
              "PUT 12 of 300 files, 1 failed (0KB)");
    batch.expected = 1000;
    batch.filesFailed = 0;
    EXPECT_EQ(ProgressDisplay::text(ProgressDisplay::wholeBatch(own, batch)),
              "GET 12 of 300 files (48%)");
    // Not a batch of several files, or none running: as reported.
    const TransferProgress listing{Kind::List, "pub", 120};
    EXPECT_EQ(ProgressDisplay::text(ProgressDisplay::wholeBatch(listing, batch)),
              "LIST pub (120 entries)");
    batch.filesTotal = 1;
    EXPECT_EQ(ProgressDisplay::text(ProgressDisplay::wholeBatch(own, batch)),
              "GET 3 of 75 files (50%)");
    batch.filesTotal = 300;
    batch.running = false;
    EXPECT_EQ(ProgressDisplay::text(ProgressDisplay::wholeBatch(own, batch)),
              "GET 3 of 75 files (50%)");
}

}  // namespace
}  // namespace nubo
