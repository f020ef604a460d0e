#include "views/transfer_planner.h"

#include <gtest/gtest.h>

#include <set>

#include "base/config_store.h"

namespace nubo {
namespace {

using Answer = TransferPlanner::Answer;

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

TEST(TransferPlannerTest, DownloadQuestionsKeepDropOrCancel) {
    ConfigStore config;
    TransferPlanner planner(config);
    const std::set<std::string> existing = {"/dl/old.txt", "/dl/dir", "/dl/also.txt"};
    const auto probe = [&](const std::string& path, bool* directory) {
        *directory = path == "/dl/dir";
        return existing.count(path) > 0;
    };
    const std::vector<TransferPlanner::Item> items = {
        {0, "old.txt"}, {1, "new.txt"}, {2, "dir"}, {3, "also.txt"}};
    std::vector<std::string> asked;
    std::vector<Answer> answers = {Answer::No, Answer::Yes, Answer::No};
    const auto ask = [&](const std::string& title, const std::string& text) {
        EXPECT_EQ(title, "Get file(s) as...");
        asked.push_back(text);
        const Answer answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    };
    TransferPlanner::Download download = planner.planDownload("/dl", 1, false, items, probe, ask);
    EXPECT_EQ(download.indices, (std::vector<int>{1, 2}));
    EXPECT_EQ(download.dropped, (std::vector<int>{0, 3}));
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0], "/dl/old.txt\r\nThis file already exists.\r\n\r\nReplace existing file?");
    EXPECT_EQ(asked[1],
              "/dl/dir\r\nThis directory already exists.\r\n\r\nReplace contained existing "
              "files?");
    EXPECT_EQ(config.GetInt("LastXMode"), 1);
    EXPECT_EQ(config.GetString("LastXDir"), "/dl");
    EXPECT_EQ(planner.transferDir(), "/dl");

    // Cancel on the second question drops everything, even the first Yes.
    answers = {Answer::Yes, Answer::Cancel};
    download = planner.planDownload("/dl/", 0, false, items, probe, ask);
    EXPECT_TRUE(download.indices.empty());
    // Update-ONLY asks nothing: the session skips what is not newer.
    asked.clear();
    download = planner.planDownload("/dl", 0, true, items, probe, ask);
    EXPECT_EQ(download.indices.size(), 4u);
    EXPECT_TRUE(asked.empty());
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

}  // namespace
}  // namespace nubo
