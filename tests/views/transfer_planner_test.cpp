#include "views/transfer_planner.h"

#include <gtest/gtest.h>

#include "base/config_store.h"

namespace nubo {
namespace {

TEST(TransferPlannerTest, ButtonsModesAndValues) {
    EXPECT_EQ(TransferPlanner::modeOf(true, false), 0);
    EXPECT_EQ(TransferPlanner::modeOf(false, true), 1);
    EXPECT_EQ(TransferPlanner::modeOf(false, false), 2);
    EXPECT_EQ(TransferPlanner::modeOf(true, true), 2);  // both: Smart, as neither
    bool ascii = true, image = true;
    TransferPlanner::buttonsFor(2, &ascii, &image);
    EXPECT_FALSE(ascii || image);
    TransferPlanner::buttonsFor(1, &ascii, &image);
    EXPECT_TRUE(image && !ascii);
    const TransferOptions imageOnly = TransferPlanner::requestOptions(1, true);
    EXPECT_TRUE(imageOnly.mode == TransferMode::Image && imageOnly.updateOnly);
    const TransferOptions smart = TransferPlanner::requestOptions(2, false);
    EXPECT_TRUE(smart.mode == TransferMode::Smart && !smart.updateOnly);
    EXPECT_EQ(TransferPlanner::requestOptions(0, false).mode, TransferMode::Ascii);
}

TEST(TransferPlannerTest, TheModeAtAConnectionAndTheRememberedOne) {
    ConfigStore config;
    config.SetInt("KeepXMode", 1);
    config.SetInt("LastXMode", 1);
    TransferPlanner planner(config);
    EXPECT_EQ(planner.modeAtConnect(3), 2);  // the site's Smart first
    EXPECT_EQ(planner.modeAtConnect(0), 1);  // then the remembered mode
    planner.disconnected(2);
    EXPECT_EQ(config.GetInt("LastXMode"), 2);
    EXPECT_EQ(planner.modeAtConnect(0), 2);
    config.SetInt("KeepXMode", 0);
    EXPECT_EQ(planner.modeAtConnect(0), 0);  // else ASCII
    // The command line's mode (plus one) wins at start-up.
    config.SetInt("CLXMode", 2);
    config.SetInt("KeepXMode", 1);
    EXPECT_EQ(TransferPlanner(config).modeAtConnect(0), 1);
}

TEST(TransferPlannerTest, ADownloadRemembersItsModeAndFolder) {
    ConfigStore config;
    TransferPlanner planner(config);
    planner.planDownload("/dl", 1);
    EXPECT_EQ(config.GetInt("LastXMode"), 1);
    EXPECT_EQ(config.GetString("LastXDir"), "/dl");
    EXPECT_EQ(planner.transferDir(), "/dl");
    // The same folder again is not written again.
    config.SetString("LastXDir", "elsewhere");
    planner.planDownload("/dl", 0);
    EXPECT_EQ(config.GetString("LastXDir"), "elsewhere");
    EXPECT_EQ(config.GetInt("LastXMode"), 0);
    // The mode is the one the next connection keeps.
    config.SetInt("KeepXMode", 1);
    planner.planDownload("/dl", 2);
    EXPECT_EQ(planner.modeAtConnect(0), 2);
}

TEST(TransferPlannerTest, ListFilesAndTheDeleteQuestion) {
    ConfigStore config;
    TransferPlanner planner(config);
    EXPECT_EQ(planner.listFilePath("ftp.example.org"), "");  // no folder known: ask
    config.SetInt("KeepXDir", 1);
    config.SetString("LastXDir", "/home/ann/dl");
    EXPECT_EQ(planner.listFilePath("ftp.example.org"), "/home/ann/dl/ftp.example.org.txt");
    config.SetString("CLXDir", "/tmp/");
    EXPECT_EQ(planner.listFilePath("h"), "/tmp/h.txt");
    EXPECT_EQ(TransferPlanner::deleteQuestion("/pub", {"a", "b", "c"}),
              "Delete 3 items in /pub from the server?");
    EXPECT_EQ(TransferPlanner::deleteQuestion("/pub/sub", {"top 3.txt"}),
              "Delete \"top 3.txt\" in /pub/sub from the server?");
}

// Folders that hold something: the question says what goes with them, in the plural
// only where more than one; empty folders are asked about as files are.
TEST(TransferPlannerTest, TheDeleteQuestionCountsWhatFoldersHold) {
    EXPECT_EQ(TransferPlanner::deleteQuestion("/pub", {"docs"}, {42, 7, true}),
              "Delete \"docs\" and its 42 files in 7 folders from the server?");
    EXPECT_EQ(TransferPlanner::deleteQuestion("/pub", {"docs"}, {1, 1, true}),
              "Delete \"docs\" and its 1 file in 1 folder from the server?");
    EXPECT_EQ(TransferPlanner::deleteQuestion("/pub", {"docs"}, {3, 0, true}),
              "Delete \"docs\" and its 3 files from the server?");
    EXPECT_EQ(TransferPlanner::deleteQuestion("/pub", {"docs"}, {0, 2, true}),
              "Delete \"docs\" and its 2 folders from the server?");
    EXPECT_EQ(TransferPlanner::deleteQuestion("/pub", {"docs"}, {0, 0, true}),
              "Delete \"docs\" in /pub from the server?");
    EXPECT_EQ(TransferPlanner::deleteQuestion("/pub", {"docs", "a.txt"}, {5, 2, true}),
              "Delete 2 items in /pub and the 5 files in 2 folders they hold from the server?");
}

}  // namespace
}  // namespace nubo
