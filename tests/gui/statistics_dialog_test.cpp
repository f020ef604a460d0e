// The statistics display tool over a seeded database: order and texts per kind, Delete,
// Copy and the CSV export.
#include "sites/ui/statistics_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "tests/gui/file_dialog_input.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

class StatisticsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // big: 2 connects, 3 files, 2,500,000 bytes in 1 s; small: 5 connects, 1 file of
        // 1500 bytes in 3 s; idle: 2 connects, nothing moved.
        seed("big.example", 2, {{1000000, 400}, {1000000, 300}, {500000, 300}});
        seed("small.example", 5, {{1500, 3000}});
        seed("idle.example", 2, {});
    }
    void seed(const std::string& host, int connects,
              const std::vector<std::pair<int64_t, int64_t>>& files) {
        database.selectHost(host);
        for (int i = 0; i < connects; ++i)
            database.countConnect();
        for (const auto& [bytes, ms] : files)
            database.countTransfer(bytes, ms);
    }
    static std::vector<std::string> lines(QListWidget* list) {
        std::vector<std::string> texts;
        for (int row = 0; row < list->count(); ++row)
            texts.push_back(list->item(row)->text().toStdString());
        return texts;
    }
    test::TempFolder temp{"nubo-stats-tool"};
    StatisticsDatabase database{temp.path() + "/"};
};

TEST_F(StatisticsDialogTest, EachKindListsTheHostsLargestFirstWithTheirValues) {
    StatisticsDialog dialog(database);
    EXPECT_EQ(dialog.windowTitle(), "Nubo Statistics Display Tool");
    ASSERT_EQ(dialog.kindBox()->count(), 6);
    EXPECT_EQ(dialog.kindBox()->itemText(3), "FILE TIME");
    // Equal values go by name: "big" before "idle".
    EXPECT_EQ(lines(dialog.list()),
              (std::vector<std::string>{"0\t1.00\t5\tsmall.example", "0\t0.40\t2\tbig.example",
                                        "0\t0.40\t2\tidle.example"}));
    dialog.showKind(StatisticsDatabase::kBytes);
    EXPECT_EQ(lines(dialog.list()).front(), "2\t1.00\t2.38MB\tbig.example");
    EXPECT_EQ(lines(dialog.list())[1], "2\t0.00\t1.46KB\tsmall.example");
    dialog.showKind(StatisticsDatabase::kKbPerSecond);
    EXPECT_EQ(lines(dialog.list()), (std::vector<std::string>{"4\t1.00\t2500.00\tbig.example",
                                                              "4\t0.00\t0.50\tsmall.example",
                                                              "4\t0.00\t0.00\tidle.example"}));
    dialog.showKind(StatisticsDatabase::kKbPerFile);
    EXPECT_EQ(lines(dialog.list()).front(), "5\t1.00\t833.33\tbig.example");
    EXPECT_EQ(lines(dialog.list()).back(), "5\t0.00\t0.00\tidle.example");
    // The record travels in the item, not in its text.
    const uint32_t record = dialog.list()->item(0)->data(Qt::UserRole).toUInt();
    EXPECT_EQ(record, 1u);
}

TEST_F(StatisticsDialogTest, DeleteFreesTheChosenHostsAndForgetsTheCurrentOne) {
    // idle.example was selected last: it is this instance's current host.
    ASSERT_EQ(database.currentHost(), "idle.example");
    StatisticsDialog dialog(database);
    dialog.show();
    dialog.list()->item(1)->setSelected(true);  // big.example
    dialog.list()->item(2)->setSelected(true);  // idle.example
    dialog.list()->setFocus();
    QTest::keyClick(dialog.list(), Qt::Key_Delete);
    EXPECT_EQ(lines(dialog.list()), (std::vector<std::string>{"0\t1.00\t5\tsmall.example"}));
    EXPECT_EQ(database.currentHost(), "");
    database.countConnect();  // counts nowhere until the next connection
    const std::vector<StatisticsDatabase::Entry> left = database.takeSnapshot(nullptr);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].host, "small.example");
    EXPECT_EQ(left[0].values[StatisticsDatabase::kConnects], 5u);
    // The bars of the hosts left are measured among themselves.
    dialog.showKind(StatisticsDatabase::kFiles);
    EXPECT_EQ(lines(dialog.list()), (std::vector<std::string>{"1\t1.00\t1\tsmall.example"}));
}

TEST_F(StatisticsDialogTest, CopyAndExportTakeTheShownKind) {
    StatisticsDialog dialog(database);
    dialog.showKind(StatisticsDatabase::kFiles);
    dialog.copyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "Host\tFILES\nbig.example\t3\nsmall.example\t1\nidle.example\t0\n");
    const std::string file = temp.path() + "/files.csv";
    dialog.setFileDialogRunner(test::answerWith(QString::fromStdString(file)));
    ASSERT_TRUE(dialog.exportToFile());
    EXPECT_EQ(test::readFile(file),
              "Host,FILES\r\nbig.example,3\r\nsmall.example,1\r\nidle.example,0\r\n");
    EXPECT_TRUE(dialog.status().contains("Exported 3 host(s)")) << dialog.status().toStdString();
    dialog.setFileDialogRunner(
        test::answerWith(QString::fromStdString(temp.path() + "/no/such/x.csv")));
    EXPECT_FALSE(dialog.exportToFile());
    EXPECT_TRUE(dialog.status().startsWith("Unable to write ")) << dialog.status().toStdString();
}

TEST_F(StatisticsDialogTest, ExportAsksBeforeReplacingTheFileItsSuffixNames) {
    const std::string existing = temp.path() + "/my-stats.csv";
    test::writeFile(existing, "KEEP ME");
    StatisticsDialog dialog(database);
    auto* exportButton = dialog.findChild<QPushButton*>("exportButton");
    ASSERT_NE(exportButton, nullptr);
    const QString folder = QString::fromStdString(temp.path());

    // "my-stats" typed: the dialog names my-stats.csv, asks, and No keeps it.
    test::FileDialogInput refuse(folder, "my-stats", QMessageBox::No);
    dialog.setFileDialogRunner(refuse.runner());
    exportButton->click();
    ASSERT_EQ(refuse.questions.size(), 1) << dialog.status().toStdString();
    EXPECT_TRUE(refuse.questions[0].contains("my-stats.csv")) << refuse.questions[0].toStdString();
    EXPECT_EQ(test::readFile(existing), "KEEP ME");
    // The desktop's dialog might ask about the name as typed, without the suffix.
    EXPECT_FALSE(refuse.nativeAllowed);

    // Yes replaces that file, and no other name is made.
    test::FileDialogInput replace(folder, "my-stats", QMessageBox::Yes);
    dialog.setFileDialogRunner(replace.runner());
    exportButton->click();
    EXPECT_EQ(replace.questions.size(), 1);
    EXPECT_EQ(test::readFile(existing).rfind("Host,CONNECTS\r\n", 0), 0u)
        << test::readFile(existing);
    EXPECT_FALSE(std::filesystem::exists(existing + ".csv"));
    EXPECT_FALSE(std::filesystem::exists(temp.path() + "/my-stats"));
}

}  // namespace
}  // namespace nubo
