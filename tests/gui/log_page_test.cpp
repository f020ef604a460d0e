// The Log page over the log: lines from many threads, copy, wipe and the check boxes.
#include "shell/ui/log_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QListView>
#include <QTest>
#include <thread>
#include <vector>

#include "base/app_log.h"
#include "base/config_store.h"
#include "shell/ui/log_list_model.h"
#include "tests/gui/gui_test_util.h"

namespace nubo {
namespace {

using test::pumpUntil;

class LogPageTest : public ::testing::Test {
  protected:
    AppLog log;
    ConfigStore config;
    LogPage page{log, config};
    std::string row(int index) const {
        return page.model()->index(index).data().toString().toStdString();
    }
};

TEST_F(LogPageTest, LinesFromFourThreadsKeepEachThreadsOrder) {
    log.AppendLine("[banner]");
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t) {
        writers.emplace_back([this, t] {
            for (int i = 0; i < 1000; ++i)
                log.LogCommand(">", std::to_string(t) + ":" + std::to_string(i));
        });
    }
    for (std::thread& writer : writers)
        writer.join();
    ASSERT_TRUE(pumpUntil([&] { return page.model()->rowCount() == 4001; }))
        << page.model()->rowCount();
    EXPECT_EQ(row(0), "[banner]");
    std::vector<int> next(4, 0);
    for (int r = 1; r < 4001; ++r) {
        const std::string line = row(r);
        const int t = line[1] - '0';
        ASSERT_EQ(line, ">" + std::to_string(t) + ":" + std::to_string(next[t]++));
    }
    EXPECT_EQ(page.model()->lines(), log.Lines());
}

TEST_F(LogPageTest, CopyTakesTheSelectedLinesOrAllWithLfEnds) {
    QApplication::clipboard()->setText("untouched");
    page.copy();  // an empty log leaves the clipboard alone
    EXPECT_EQ(QApplication::clipboard()->text(), "untouched");
    for (const char* line : {"one", "two", "three", "four", "five"})
        log.LogExtended(line);
    ASSERT_TRUE(pumpUntil([&] { return page.model()->rowCount() == 5; }));
    page.list()->selectionModel()->select(page.model()->index(3), QItemSelectionModel::Select);
    page.list()->selectionModel()->select(page.model()->index(1), QItemSelectionModel::Select);
    page.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "two\nfour\n");
    page.list()->clearSelection();
    QTest::keyClick(page.list(), Qt::Key_C, Qt::ControlModifier);  // Ctrl+C in the list
    EXPECT_EQ(QApplication::clipboard()->text(), "one\ntwo\nthree\nfour\nfive\n");
}

TEST_F(LogPageTest, TheCheckBoxesTakeEffectWhenThePageIsLeft) {
    page.loggingBox()->setChecked(false);
    log.LogExtended("still logged: the box has no effect yet");
    page.apply();
    EXPECT_EQ(config.GetInt("Logging"), 0);
    log.LogCommand("<", "USER x");
    log.LogExtended("not logged");
    log.AppendLine("[banner lines come whatever the flags say]");
    ASSERT_TRUE(pumpUntil([&] { return page.model()->rowCount() == 2; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(page.model()->rowCount(), 2);
    EXPECT_EQ(row(0), "still logged: the box has no effect yet");
}

TEST_F(LogPageTest, WipeEmptiesTheListAndLaterLinesFollow) {
    log.LogExtended("before");
    log.Wipe();
    log.LogExtended("after");
    ASSERT_TRUE(pumpUntil([&] { return page.model()->rowCount() == 1 && row(0) == "after"; }));
}

}  // namespace
}  // namespace nubo
