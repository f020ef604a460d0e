// What the window remembers of itself: the texts it keeps among the settings, and where
// a kept window opens again (its screen, within the free area, never below its least).
#include "views/window_memory.h"

#include <gtest/gtest.h>

#include "base/config_store.h"
#include "platform/registry_key.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using Rect = WindowMemory::Rect;
constexpr Rect kArea{0, 30, 1920, 1050};  // a top panel of 30 pixels
constexpr WindowMemory::Margins kFrame{4, 28, 4, 4};

WindowMemory::Placement kept(Rect normal, const std::string& screen = "HDMI-1") {
    return {normal, false, screen};
}

TEST(WindowMemoryTest, AKeptWindowOpensWhereItWasOnItsOwnScreenOnly) {
    const Rect normal{300, 200, 1000, 700};
    EXPECT_EQ(WindowMemory::fit(kept(normal), "HDMI-1", kArea, kFrame, 400, 300), normal);
    EXPECT_FALSE(WindowMemory::fit(kept(normal), "DP-2", kArea, kFrame, 400, 300))
        << "another screen: the window opens as it does the first time";
    EXPECT_FALSE(WindowMemory::fit(kept({0, 0, 0, 0}), "HDMI-1", kArea, kFrame, 400, 300));
}

TEST(WindowMemoryTest, AWindowPartlyOffTheScreenIsMovedThenShrunkIntoItsFreeArea) {
    // Past the right and bottom edges: moved back in, the frame included.
    EXPECT_EQ(WindowMemory::fit(kept({1500, 900, 1000, 700}), "HDMI-1", kArea, kFrame, 400, 300),
              (Rect{916, 376, 1000, 700}));
    // Above the panel and left of the screen: moved below and right of them.
    EXPECT_EQ(WindowMemory::fit(kept({-50, 0, 800, 600}), "HDMI-1", kArea, kFrame, 400, 300),
              (Rect{4, 58, 800, 600}));
    // Larger than the screen (kept on a larger one of the same name): shrunk to it.
    EXPECT_EQ(WindowMemory::fit(kept({0, 0, 3000, 2000}), "HDMI-1", kArea, kFrame, 400, 300),
              (Rect{4, 58, 1912, 1018}));
    // A screen smaller than the window's least size: the least size holds.
    const Rect small{0, 0, 640, 480};
    EXPECT_EQ(WindowMemory::fit(kept({10, 10, 900, 700}), "HDMI-1", small, kFrame, 700, 500),
              (Rect{4, 28, 700, 500}));
}

TEST(WindowMemoryTest, TextsRoundTripAndDamagedOnesGiveNothing) {
    const WindowMemory::Placement placement{{-10, 20, 800, 600}, true, "Virtual,1"};
    const auto back = WindowMemory::parsePlacement(WindowMemory::placementText(placement));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->normal, placement.normal);
    EXPECT_TRUE(back->maximised);
    EXPECT_EQ(back->screen, "Virtual,1") << "a screen's name may hold a comma";
    for (const char* damaged : {"", "1,2,3", "1,2,x,4,0,s", "1,2,0,600,0,s", "1;2;3;4;0;s"})
        EXPECT_FALSE(WindowMemory::parsePlacement(damaged)) << damaged;

    const WindowMemory::ViewLayout layout{4, -3, {80, 120, 140}};
    const WindowMemory::ViewLayout again =
        WindowMemory::parseLayout(WindowMemory::layoutText(layout));
    EXPECT_EQ(again.mode, 4);
    EXPECT_EQ(again.sortKey, -3);
    EXPECT_EQ(again.widths, layout.widths);
    // Out of range parts are dropped one by one, the rest kept.
    const WindowMemory::ViewLayout odd = WindowMemory::parseLayout("9,-7,80,0,10");
    EXPECT_EQ(odd.mode, 0);
    EXPECT_EQ(odd.sortKey, 0);
    EXPECT_TRUE(odd.widths.empty());
    EXPECT_EQ(WindowMemory::parseLayout("2,1").mode, 2);
    EXPECT_EQ(WindowMemory::parseLayout("junk").mode, 0);
}

// Kept among the settings and written with them: the next run's load finds them.
TEST(WindowMemoryTest, TheSettingsFileKeepsWhatTheWindowRemembers) {
    test::TempFolder temp{"nubo-window"};
    const std::string path = temp.path() + "/Tkwa/Nubo.conf";
    {
        ConfigStore config;
        RegistryKey key(path);
        config.LoadSettings(key);
        WindowMemory memory(config);
        memory.setPlacement({{10, 20, 900, 640}, false, "HDMI-1"});
        memory.setView("Remote", {4, 3, {90, 100, 110}});
        memory.setView("Local", {1, -1, {}});
        memory.setSizes("Files", {350, 550});
        config.SaveSettings(key);
    }
    ConfigStore config;
    RegistryKey key(path);
    config.LoadSettings(key);
    const WindowMemory memory(config);
    ASSERT_TRUE(memory.placement());
    EXPECT_EQ(memory.placement()->normal, (Rect{10, 20, 900, 640}));
    EXPECT_EQ(memory.view("Remote").widths, (std::vector<int>{90, 100, 110}));
    EXPECT_EQ(memory.view("Local").mode, 1);
    EXPECT_EQ(memory.view("Local").sortKey, -1);
    EXPECT_EQ(memory.sizes("Files"), (std::vector<int>{350, 550}));
    EXPECT_TRUE(memory.sizes("Other").empty());
}

}  // namespace
}  // namespace nubo
