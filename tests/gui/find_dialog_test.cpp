// "Find on the Server" in both interfaces and every view mode, against pyftpdlib: opened
// with Ctrl+Shift+F and from the view's menu, a pattern typed, the results with their
// folders, Reveal entering the folder and selecting the row in the remote view, and
// Delete taking the deleted rows out of the results.
#include "views/ui/find_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>
#include <filesystem>
#include <memory>
#include <tuple>

#include "engine/path_text.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/live_host.h"
#include "tests/gui/live_page.h"
#include "tests/gui/view_input.h"
#include "tests/support/test_util.h"
#include "views/ui/remote_page.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::pressKey;
using test::pumpUntil;

class FindDialogTest : public ::testing::TestWithParam<std::tuple<bool, int>> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(live.server.running()) << live.server.startError();
        const std::string root = live.server.root();
        fs::create_directories(root + "/docs/deep");
        test::writeFile(root + "/docs/inside.txt", "inside");
        test::writeFile(root + "/docs/deep/target.txt", "target");
        test::writeFile(root + "/docs/deep/other.txt", "other");
        test::writeFile(root + "/hello.txt", "hello");
        test::writeFile(root + "/docs/note10.log", "10");
        test::writeFile(root + "/docs/note9.log", "9");
        ASSERT_TRUE(shown.open(std::get<0>(GetParam()), std::get<1>(GetParam())));
        page = shown.page;
        remote = shown.remote;
        ASSERT_TRUE(pumpUntil([&] { return test::rowNamed(remote->model(), "hello.txt") >= 0; }));
    }
    void TearDown() override { shown.close(); }
    template <typename T>
    T* inDialog(const char* name) const {
        return page->findDialog() == nullptr ? nullptr : page->findDialog()->findChild<T*>(name);
    }
    // The names selected in the remote view, as its rows read.
    QStringList selectedNames() const {
        QStringList names;
        for (const QModelIndex& index : remote->selectionModel()->selectedRows())
            names << index.data().toString();
        return names;
    }

    // Opens the dialog by its key and searches for a pattern until the search ends.
    FindDialog* search(const char* pattern) {
        test::clickItem(remote, test::rowNamed(remote->model(), "hello.txt"));
        pressKey(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        FindDialog* dialog = page->findDialog();
        if (dialog == nullptr || !QTest::qWaitForWindowActive(dialog))
            return nullptr;
        QTest::mouseClick(inDialog<QLineEdit>("findPattern"), Qt::LeftButton);
        test::typeText(pattern);
        pressKey(Qt::Key_Return);
        return pumpUntil([&] { return dialog->search() && dialog->search()->finished(); })
                   ? dialog
                   : nullptr;
    }
    QStringList resultNames() const {
        QStringList names;
        auto* results = inDialog<QTreeWidget>("findResults");
        for (int row = 0; results != nullptr && row < results->topLevelItemCount(); ++row)
            names << QString::fromStdString(
                joinPath(results->topLevelItem(row)->text(1).toStdString(),
                         results->topLevelItem(row)->text(0).toStdString()));
        names.sort();
        return names;
    }

    test::LiveHost live;
    test::LivePage shown{live};
    RemotePage* page = nullptr;
    QAbstractItemView* remote = nullptr;
};

TEST_P(FindDialogTest, APatternTypedFindsTheFileAndRevealSelectsItInItsFolder) {
    // The key, with the remote view in hand.
    test::clickItem(remote, test::rowNamed(remote->model(), "hello.txt"));
    pressKey(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    FindDialog* dialog = page->findDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(dialog->windowTitle(), "Find on the Server");

    auto* pattern = inDialog<QLineEdit>("findPattern");
    ASSERT_NE(pattern, nullptr);
    QTest::mouseClick(pattern, Qt::LeftButton);
    test::typeText("TARGET*");
    pressKey(Qt::Key_Return);
    auto* results = inDialog<QTreeWidget>("findResults");
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return dialog->search() && dialog->search()->finished(); }))
        << live.logText();
    ASSERT_TRUE(pumpUntil([&] { return results->topLevelItemCount() == 1; }));
    EXPECT_EQ(results->topLevelItem(0)->text(0), "target.txt");
    EXPECT_EQ(results->topLevelItem(0)->text(1), "/docs/deep");
    EXPECT_TRUE(pumpUntil([&] {
        return inDialog<QLabel>("findProgress")->text() == "Done: searched 3 folders, 1 found";
    })) << inDialog<QLabel>("findProgress")->text().toStdString();
    const QByteArray shots = qgetenv("NUBO_VIEW_SHOTS");
    if (!shots.isEmpty())
        dialog->grab().save(QString::fromUtf8(shots) + "/find-results.png");
    // The view stayed where it was while the session searched.
    EXPECT_EQ(page->pathBox()->currentText(), "/");

    // Reveal: the folder entered, the file selected in the view.
    auto* reveal = inDialog<QPushButton>("findReveal");
    EXPECT_FALSE(reveal->isEnabled());
    test::clickItem(results, 0);
    ASSERT_TRUE(reveal->isEnabled());
    QTest::mouseClick(reveal, Qt::LeftButton);
    EXPECT_TRUE(pumpUntil([&] { return page->pathBox()->currentText() == "/docs/deep"; }));
    EXPECT_TRUE(pumpUntil([&] { return selectedNames() == QStringList{"target.txt"}; }))
        << selectedNames().join(",").toStdString();
    // The row selected comes to the front: the main window is the active one, and the
    // window system is free to put it over the results (they are not kept above it).
    EXPECT_TRUE(pumpUntil([&] { return QApplication::activeWindow() == page->window(); }));
    EXPECT_EQ(dialog->windowHandle()->transientParent(), nullptr);

    // Closed, and opened again from the view's own menu.
    QTest::mouseClick(inDialog<QPushButton>("findClose"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_TRUE(test::showActive(shown.top.get()));
    const QPoint empty(remote->viewport()->width() - 4, remote->viewport()->height() - 4);
    ASSERT_FALSE(remote->indexAt(empty).isValid());
    EXPECT_TRUE(test::contextMenuAt(remote, empty, "menuFind").contains("menuFind"));
    EXPECT_TRUE(pumpUntil([&] { return dialog->isVisible(); }));
}

// Sorted by a header click, names with numbers stand as the views show them.
TEST_P(FindDialogTest, NamesWithNumbersSortAsInTheViews) {
    FindDialog* dialog = search("note*");
    ASSERT_NE(dialog, nullptr) << live.logText();
    ASSERT_TRUE(pumpUntil([&] { return resultNames().size() == 2; }));
    auto* results = inDialog<QTreeWidget>("findResults");
    QHeaderView* header = results->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 6, header->height() / 2));
    ASSERT_EQ(results->topLevelItemCount(), 2);
    EXPECT_EQ(results->topLevelItem(0)->text(0), "note9.log");
    EXPECT_EQ(results->topLevelItem(1)->text(0), "note10.log");
}

// Results deleted from the dialog leave its list once the server has them gone: a file
// chosen there, and the files of a folder deleted from the view.
TEST_P(FindDialogTest, DeletedResultsLeaveTheList) {
    FindDialog* dialog = search("*.txt");
    ASSERT_NE(dialog, nullptr) << live.logText();
    ASSERT_TRUE(pumpUntil([&] { return resultNames().size() == 4; }))
        << resultNames().join(",").toStdString();
    auto* results = inDialog<QTreeWidget>("findResults");
    // A click on the Name header sorts the rows; what is chosen stays what the row shows.
    QHeaderView* header = results->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 6, header->height() / 2));
    QStringList order;
    for (int at = 0; at < results->topLevelItemCount(); ++at)
        order << results->topLevelItem(at)->text(0);
    EXPECT_EQ(order, (QStringList{"hello.txt", "inside.txt", "other.txt", "target.txt"}));
    int row = 0;
    while (row < results->topLevelItemCount() &&
           results->topLevelItem(row)->text(0) != "target.txt")
        ++row;
    ASSERT_LT(row, results->topLevelItemCount());
    test::clickItem(results, row);
    test::BoxSeen box = test::closeBoxWhenShown(QMessageBox::Yes, 20000, QString(), [&] {
        QTest::mouseClick(inDialog<QPushButton>("findDelete"), Qt::LeftButton);
    });
    EXPECT_EQ(box.title, "Delete");
    EXPECT_TRUE(pumpUntil([&] {
        return resultNames() ==
               QStringList{"/docs/deep/other.txt", "/docs/inside.txt", "/hello.txt"};
    })) << resultNames().join(",").toStdString()
        << live.logText();
    EXPECT_FALSE(fs::exists(live.server.root() + "/docs/deep/target.txt"));
    EXPECT_FALSE(inDialog<QPushButton>("findDelete")->isEnabled());
}

// Escape on the window while a search walks a slow server stops the search: nothing
// goes on unseen, and the session is free for the user's next folder.
class FindDialogSlowTest : public ::testing::Test {
  protected:
    test::LiveHost live{nullptr, {"--slow-cwd", "0.3"}};
    test::LivePage shown{live};
};

TEST_F(FindDialogSlowTest, EscapeOnTheWindowStopsTheSearch) {
    ASSERT_TRUE(live.server.running()) << live.server.startError();
    for (int i = 0; i < 30; ++i)
        fs::create_directories(live.server.root() + "/many/f" + std::to_string(i));
    ASSERT_TRUE(shown.open(false, 3));
    QAbstractItemView* remote = shown.remote;
    ASSERT_TRUE(pumpUntil([&] { return test::rowNamed(remote->model(), "many") >= 0; }));
    test::clickItem(remote, test::rowNamed(remote->model(), "many"));
    pressKey(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    FindDialog* dialog = shown.page->findDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QTest::mouseClick(dialog->findChild<QLineEdit*>("findPattern"), Qt::LeftButton);
    test::typeText("nothing-by-this-name");
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(pumpUntil([&] {
        return dialog->search() && dialog->search()->foldersSearched() >= 2;
    })) << live.logText();
    pressKey(Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(dialog->search()->stopRequested());
    ASSERT_TRUE(pumpUntil([&] { return dialog->search()->finished(); })) << live.logText();
    EXPECT_LT(dialog->search()->foldersSearched(), 31);
    shown.close();
}

INSTANTIATE_TEST_SUITE_P(EveryModeAndInterface, FindDialogTest, test::everyModeAndInterface(),
                         test::modeAndInterfaceName);

}  // namespace
}  // namespace nubo
