#include "shell/progress_display.h"

#include <gtest/gtest.h>

namespace nubo {
namespace {

TEST(ProgressDisplayTest, TrayIconsBarAndTitleForEachValue) {
    struct Case {
        int64_t value;
        const char* format;
        int icon;
        int bar;
    };
    const Case cases[] = {
        {0, "GET a (%d%%)", ProgressDisplay::kBaseIcon, 0},
        {5, "GET a (%d%%)", 1, 5},
        {37, "GET a (%d%%)", 4, 37},
        {100, "GET a (%d%%)", 10, 100},
        {150, "GET a (%dKB)", 10, 50},
        {0, nullptr, ProgressDisplay::kProgramIcon, 0},
    };
    for (const Case& c : cases) {
        const ProgressDisplay::Update u = ProgressDisplay::progress(c.value, c.format);
        EXPECT_TRUE(u.moves) << c.value;
        EXPECT_EQ(u.icon, c.icon) << c.value;
        EXPECT_EQ(u.bar, c.bar) << c.value;
        EXPECT_EQ(u.hasStatus, c.format != nullptr);
    }
    EXPECT_EQ(ProgressDisplay::progress(37, "GET a (%d%%)").status, "GET a (37%)");
    // A negative value only sets the text: a listing's running count.
    const ProgressDisplay::Update listing = ProgressDisplay::progress(-120, "LIST (%d entries)");
    EXPECT_FALSE(listing.moves);
    EXPECT_EQ(listing.status, "LIST (120 entries)");
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

}  // namespace
}  // namespace nubo
