// The directory adapter under Qt's model tester: a folder that changes on disk is merged
// into the rows by removals, insertions and a layout change, never a reset, so the
// selection and the items that views hold on to follow their entries.
#include "views/ui/directory_table_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QListView>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <filesystem>

#include "tests/gui/gui_test_util.h"
#include "tests/gui/view_input.h"
#include "tests/support/test_util.h"
#include "views/local_directory_model.h"
#include "views/ui/local_table_model.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::pumpUntil;

// What the model tester finds wrong (it writes warnings in its own category).
QStringList testerFailures;
void collectFailures(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtDebugMsg && QByteArray(context.category) == "qt.modeltest")
        testerFailures << text;
}

TEST(DirectoryTableModelTest, ChangesOnDiskKeepTheSelectionAndWhatViewsHoldOnTo) {
    test::TempFolder temp{"nubo-table"};
    for (const char* name : {"b.txt", "d.txt", "f.txt"})
        test::writeFile(temp.path() + "/" + name, name);
    LocalDirectoryModel core;
    core.browse(temp.path());
    ASSERT_TRUE(pumpUntil([&] { return !core.reading() && core.rowCount() == 3; }));
    LocalTableModel table(core);
    testerFailures.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectFailures);
    QAbstractItemModelTester tester(&table,
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    QListView view;
    view.setModel(&table);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    view.resize(300, 300);
    ASSERT_TRUE(test::showActive(&view));
    ASSERT_TRUE(pumpUntil([&] { return table.rowCount() == 3; }));
    test::clickItem(&view, test::rowNamed(&table, "d.txt"));
    const QPersistentModelIndex held(table.index(test::rowNamed(&table, "f.txt"), 0));
    QSignalSpy resets(&table, &QAbstractItemModel::modelAboutToBeReset);

    // Before d.txt and f.txt: a, c and e arrive; b goes; f changes.
    for (const char* name : {"a.txt", "c.txt", "e.txt"})
        test::writeFile(temp.path() + "/" + name, name);
    fs::remove(temp.path() + "/b.txt");
    test::writeFile(temp.path() + "/f.txt", "longer than before");
    core.refresh();
    const auto names = [&] {
        QStringList shown;
        for (int row = 0; row < table.rowCount(); ++row)
            shown << table.index(row, 0).data().toString();
        return shown;
    };
    ASSERT_TRUE(pumpUntil([&] {
        return names() == QStringList{"a.txt", "c.txt", "d.txt", "e.txt", "f.txt"};
    })) << names().join(",").toStdString();
    qInstallMessageHandler(previous);
    EXPECT_TRUE(testerFailures.isEmpty()) << testerFailures.join("\n").toStdString();
    EXPECT_EQ(resets.count(), 0);
    const QModelIndexList selected = view.selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.front().data().toString(), "d.txt");
    EXPECT_EQ(view.currentIndex().data().toString(), "d.txt");
    ASSERT_TRUE(held.isValid());
    EXPECT_EQ(held.data().toString(), "f.txt");
    EXPECT_EQ(table.index(held.row(), 1).data().toString(), "18");
}

}  // namespace
}  // namespace nubo
