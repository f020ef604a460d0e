// The Files page against a real pyftpdlib server, offscreen: drops both ways between the
// two views, the local trash, a refused rename, and downloads updating the local rows.
#include "views/ui/files_page.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QHeaderView>
#include <QListView>
#include <QMimeData>
#include <QSplitter>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTreeView>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <memory>

#include "engine/ftp_session.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/live_host.h"
#include "tests/gui/view_input.h"
#include "tests/support/test_util.h"
#include "views/local_directory_model.h"
#include "views/remote_drag.h"
#include "views/ui/directory_views.h"
#include "views/ui/local_table_model.h"
#include "views/ui/local_view.h"
#include "views/ui/remote_page.h"
#include "views/ui/remote_table_model.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::pressKey;
using test::pumpUntil;

class FilesPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(live.server.running()) << live.server.startError();
        root = live.server.root();
        test::writeFile(root + "/hello.txt", "hello");
        fs::create_directories(root + "/incoming");
        local = live.home.root() + "/local";
        fs::create_directories(local + "/sub");
        test::writeFile(local + "/mine.txt", "mine");
        test::writeFile(local + "/other.txt", "other");
        live.context.localView = &localModel;
        live.start();
        live.config.SetString("CLXDir", local);  // the local view opens here
        page = std::make_unique<FilesPage>(live.remoteView, live.types, localModel, *live.host,
                                           live.config, live.log);
        page->resize(900, 500);
        ASSERT_TRUE(test::showActive(page.get()));
        localView = page->localView();
        localView->setQuestionBox(
            [this](const QString& title, const QString& text, QMessageBox::StandardButtons) {
                asked.push_back((title + "|" + text).toStdString());
                return QMessageBox::Yes;
            });
        ASSERT_TRUE(localShows({"sub", "mine.txt", "other.txt"}));
        EXPECT_EQ(localView->locationBox()->currentText(), "local");
        ASSERT_TRUE(live.logIn()) << live.logText();
        ASSERT_TRUE(pumpUntil([&] { return page->remotePage()->pathBox()->count() == 1; }));
    }
    void TearDown() override {
        live.stop();
        page.reset();
    }
    std::vector<std::string> localNames() const {
        std::vector<std::string> names;
        LocalTableModel* table = localView->tableModel();
        for (int row = 0; row < table->rowCount(); ++row)
            names.push_back(table->index(row, 0).data().toString().toStdString());
        return names;
    }
    bool localShows(const std::vector<std::string>& expected) {
        return pumpUntil([&] { return localNames() == expected; });
    }
    int localRow(const std::string& name) const {
        const std::vector<std::string> names = localNames();
        const auto found = std::find(names.begin(), names.end(), name);
        return found == names.end() ? -1 : static_cast<int>(found - names.begin());
    }
    int remoteRow(const std::string& name) const {
        RemoteTableModel* table = page->remotePage()->tableModel();
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->index(row, 0).data().toString().toStdString() == name)
                return row;
        }
        return -1;
    }
    // A drag that enters a view's list and drops at a point.
    static bool dragAndDrop(QWidget* viewport, QMimeData* mime, const QPoint& at) {
        QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &enter);
        const bool accepted = enter.isAccepted();
        QDropEvent drop(QPointF(at), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &drop);
        return accepted && drop.isAccepted();
    }
    QListView* localList() const { return localView->views()->list(); }

    test::LiveHost live;
    LocalDirectoryModel localModel;
    std::string root;
    std::string local;
    std::unique_ptr<FilesPage> page;
    LocalView* localView = nullptr;
    std::vector<std::string> asked;
};

TEST_F(FilesPageTest, RemoteItemsDroppedOnTheLocalViewDownloadWhereTheyLand) {
    test::clickItem(page->remotePage()->listView(), remoteRow("hello.txt"));
    // What the remote list gives a drag of that row.
    std::unique_ptr<QMimeData> dragged(page->remotePage()->tableModel()->mimeData(
        {page->remotePage()->tableModel()->index(remoteRow("hello.txt"), 0)}));
    QMimeData& mime = *dragged;
    // On the folder "sub": into it.
    const QRect sub = localList()->visualRect(localView->tableModel()->index(localRow("sub"), 0));
    ASSERT_TRUE(dragAndDrop(localList()->viewport(), &mime, sub.center()));
    ASSERT_TRUE(pumpUntil([&] { return fs::exists(local + "/sub/hello.txt"); })) << live.logText();
    // Below the items: into the folder shown, and the row appears (told by the session).
    ASSERT_TRUE(pumpUntil([&] { return live.host->control().session()->idle(); }));
    ASSERT_TRUE(dragAndDrop(localList()->viewport(), &mime,
                            QPoint(5, localList()->viewport()->height() - 5)));
    ASSERT_TRUE(pumpUntil([&] { return localRow("hello.txt") >= 0; })) << live.logText();
    EXPECT_EQ(test::readFile(local + "/hello.txt"), "hello");
    // Another window's session (or another program) is refused.
    RemoteDrag other;
    RemoteDrag::decode(mime.data(RemoteTableModel::kMimeType).toStdString(), &other);
    other.processId = 1;
    QMimeData foreign;
    foreign.setData(RemoteTableModel::kMimeType, QByteArray::fromStdString(other.encode()));
    EXPECT_FALSE(dragAndDrop(localList()->viewport(), &foreign, sub.center()));
}

TEST_F(FilesPageTest, ADraggedRowIsFetchedEvenWhenTheViewMovedOnBeforeTheDrop) {
    test::writeFile(root + "/incoming/decoy.txt", "decoy");
    test::clickItem(page->remotePage()->listView(), remoteRow("hello.txt"));
    std::unique_ptr<QMimeData> dragged(page->remotePage()->tableModel()->mimeData(
        {page->remotePage()->tableModel()->index(remoteRow("hello.txt"), 0)}));
    // Before the drop the view goes into another folder, whose row is selected then.
    const std::vector<int> shown = live.remoteView.rows();
    int incoming = -1;
    for (int entry : shown) {
        if (live.remoteView.entriesAt({entry}).at(0).name == "incoming")
            incoming = entry;
    }
    ASSERT_TRUE(live.remoteView.openEntry(incoming));
    ASSERT_TRUE(pumpUntil([&] { return remoteRow("decoy.txt") >= 0; })) << live.logText();
    ASSERT_TRUE(pumpUntil([&] { return live.host->control().session()->idle(); }));
    test::clickItem(page->remotePage()->listView(), remoteRow("decoy.txt"));
    ASSERT_TRUE(dragAndDrop(localList()->viewport(), dragged.get(),
                            QPoint(5, localList()->viewport()->height() - 5)));
    ASSERT_TRUE(pumpUntil([&] { return fs::exists(local + "/hello.txt"); })) << live.logText();
    ASSERT_TRUE(pumpUntil([&] { return live.host->control().session()->idle(); }));
    EXPECT_EQ(test::readFile(local + "/hello.txt"), "hello");
    EXPECT_FALSE(fs::exists(local + "/decoy.txt"));
    // The session went for it and came back to the folder shown.
    EXPECT_EQ(live.host->control().session()->currentRemoteDirectory(), "/incoming");
    EXPECT_EQ(live.remoteView.currentPath(), "/incoming");
}

TEST_F(FilesPageTest, LocalFilesAndFoldersDroppedOnTheRemoteViewUpload) {
    test::writeFile(local + "/sub/deep.txt", "deep");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(local + "/mine.txt")),
                  QUrl::fromLocalFile(QString::fromStdString(local + "/sub"))});
    QWidget* viewport = page->remotePage()->listView()->viewport();
    const QRect incoming = page->remotePage()->listView()->visualRect(
        page->remotePage()->tableModel()->index(remoteRow("incoming"), 0));
    ASSERT_TRUE(dragAndDrop(viewport, &mime, incoming.center()));
    // A folder's upload opens connections of its own: a loaded machine takes a while.
    ASSERT_TRUE(pumpUntil([&] { return fs::exists(root + "/incoming/sub/deep.txt"); }, 30000))
        << live.logText();
    // The two travel over connections of their own, in no set order.
    ASSERT_TRUE(pumpUntil([&] { return live.host->control().session()->idle(); }, 30000));
    EXPECT_EQ(test::readFile(root + "/incoming/sub/deep.txt"), "deep");
    EXPECT_EQ(test::readFile(root + "/incoming/mine.txt"), "mine");
    QMimeData one;
    one.setUrls({QUrl::fromLocalFile(QString::fromStdString(local + "/other.txt"))});
    ASSERT_TRUE(dragAndDrop(viewport, &one, QPoint(5, viewport->height() - 5)));
    ASSERT_TRUE(pumpUntil([&] { return remoteRow("other.txt") >= 0; }, 30000)) << live.logText();
    EXPECT_TRUE(fs::exists(root + "/other.txt"));
}

TEST_F(FilesPageTest, DeleteGoesToTheTrashAndARenameNeverOverwrites) {
    const std::string data = live.home.root() + "/trash-data";
    fs::create_directories(data);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data));
    test::clickItem(localList(), localRow("mine.txt"));
    pressKey(Qt::Key_Delete);
    EXPECT_TRUE(fs::exists(data + "/Trash/files/mine.txt"));
    EXPECT_FALSE(fs::exists(local + "/mine.txt"));
    ASSERT_TRUE(localShows({"sub", "other.txt"}));
    // Renaming onto an existing name: refused, nothing overwritten.
    test::clickItem(localList(), localRow("other.txt"));
    pressKey(Qt::Key_F2);
    test::typeText("sub");
    pressKey(Qt::Key_Return);
    EXPECT_EQ(asked, std::vector<std::string>{"Rename|Rename failed."});
    EXPECT_EQ(test::readFile(local + "/other.txt"), "other");
    EXPECT_TRUE(fs::is_directory(local + "/sub"));
    pressKey(Qt::Key_F2);
    test::typeText("renamed.txt");
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(localShows({"sub", "renamed.txt"}));
}

TEST_F(FilesPageTest, ADownloadIntoTheShownFolderUpdatesItsRow) {
    // A file of the same name is there; the download replaces it and its row follows.
    test::writeFile(local + "/hello.txt", "old");
    ASSERT_TRUE(localShows({"sub", "hello.txt", "mine.txt", "other.txt"}));
    test::clickItem(page->remotePage()->listView(), remoteRow("hello.txt"));
    page->remotePage()->setQuestionBox(
        [](const QString&, const QString&, QMessageBox::StandardButtons) {
            return QMessageBox::Yes;
        });
    ASSERT_TRUE(page->remotePage()->downloadSelection(QString::fromStdString(local)));
    ASSERT_TRUE(pumpUntil([&] {
        const int row = localRow("hello.txt");
        return row >= 0 && localView->tableModel()->index(row, 1).data().toString() == "5";
    })) << live.logText();
    EXPECT_EQ(test::readFile(local + "/hello.txt"), "hello");
}

TEST_F(FilesPageTest, TheLocalViewFollowsChangesOnDisk) {
    test::writeFile(local + "/arrived.txt", "from elsewhere");
    EXPECT_TRUE(localShows({"sub", "arrived.txt", "mine.txt", "other.txt"}));
    fs::remove(local + "/mine.txt");
    EXPECT_TRUE(localShows({"sub", "arrived.txt", "other.txt"}));
}

// A file another program is still writing shows its size as it grows, not only when
// its name comes and goes.
TEST_F(FilesPageTest, TheLocalViewFollowsAFileBeingWritten) {
    const auto shownSize = [&] {
        LocalEntry entry;
        const int index = localModel.findByName("growing.bin");
        return index >= 0 && localModel.entryAt(index, &entry) ? entry.size : -1;
    };
    std::ofstream out(local + "/growing.bin", std::ios::binary);
    out << std::string(4000, 'a') << std::flush;
    EXPECT_TRUE(pumpUntil([&] { return shownSize() == 4000; })) << shownSize();
    out << std::string(6000, 'b') << std::flush;  // still open: no entry changes
    EXPECT_TRUE(pumpUntil([&] { return shownSize() == 10000; })) << shownSize();
}

// A download into the folder shown ends with its one row, of its size: the partial
// file's row goes with it.
TEST_F(FilesPageTest, ADownloadIntoTheShownFolderEndsWithOneRowOfItsSize) {
    test::writeFile(root + "/big.bin", test::patternBytes(3 << 20));
    ASSERT_TRUE(live.remoteView.refresh());  // F5 on the remote list
    ASSERT_TRUE(pumpUntil([&] { return remoteRow("big.bin") >= 0; })) << live.logText();
    test::clickItem(page->remotePage()->listView(), remoteRow("big.bin"));
    ASSERT_TRUE(page->remotePage()->downloadSelection(QString::fromStdString(local)));
    LocalEntry entry;
    EXPECT_TRUE(pumpUntil([&] {
        const int index = localModel.findByName("big.bin");
        return localNames() ==
                   std::vector<std::string>{"sub", "big.bin", "mine.txt", "other.txt"} &&
               localModel.entryAt(index, &entry) && entry.size == (3 << 20);
    })) << entry.size
        << " " << live.logText();
    EXPECT_EQ(fs::file_size(local + "/big.bin"), 3u << 20);
}

// Dragged by its handle, the splitter is where it was left when the page is made again
// (kept among the settings).
TEST_F(FilesPageTest, TheSplitterKeepsItsPlace) {
    QList<int> sizes;
    {
        FilesPage first(live.remoteView, live.types, localModel, *live.host, live.config, live.log);
        first.resize(900, 500);
        first.show();
        QSplitter* splitter = first.remotePage()->splitter();
        ASSERT_NE(splitter, nullptr);
        QWidget* handle = splitter->handle(1);
        const QPoint from = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, from);
        QTest::mouseMove(handle, from - QPoint(60, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, from - QPoint(60, 0));
        sizes = splitter->sizes();
    }
    EXPECT_FALSE(live.config.GetString("WindowSplitFiles").empty());
    FilesPage second(live.remoteView, live.types, localModel, *live.host, live.config, live.log);
    second.resize(900, 500);
    second.show();
    EXPECT_EQ(second.remotePage()->splitter()->sizes(), sizes);
}

TEST_F(FilesPageTest, EnterUpAndTheLocationCombo) {
    test::clickItem(localList(), localRow("sub"));
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(localShows({}));
    EXPECT_EQ(localView->folder(), local + "/sub");
    EXPECT_EQ(localView->locationBox()->currentText(), "sub");
    const int depth = localView->locations().currentItem().level;
    // Made at once, then named in place.
    ASSERT_TRUE(test::clickToolAction(page->findChild<QAction*>("localNewFolder")));
    EXPECT_TRUE(fs::is_directory(local + "/sub/New Folder"));
    ASSERT_TRUE(localShows({"New Folder"}));
    ASSERT_TRUE(test::clickToolAction(page->findChild<QAction*>("localUp")));
    ASSERT_TRUE(localShows({"sub", "mine.txt", "other.txt"}));
    EXPECT_EQ(localView->locations().currentItem().level, depth - 1);
    // Computer lists the volumes, which drag out as their folders.
    localView->selectLocation(1);
    ASSERT_TRUE(pumpUntil([&] { return localRow("File System") >= 0; }));
    EXPECT_TRUE(localView->folder().empty());
    EXPECT_TRUE(localView->tableModel()->flags(localView->tableModel()->index(0, 0)) &
                Qt::ItemIsDragEnabled);
}

TEST_F(FilesPageTest, TheDesktopIsAFolderLikeAnyOther) {
    // Picked with the keyboard in the location combo: Home goes to its first item.
    const std::string desktop = live.home.root() + "/Desktop";
    test::writeFile(desktop + "/on-desktop.txt", "here");
    QComboBox* location = page->findChild<QComboBox*>("localLocation");
    ASSERT_NE(location, nullptr);
    location->setFocus();
    pressKey(Qt::Key_Home);
    EXPECT_EQ(localView->locations().currentItem().label, "Desktop");
    ASSERT_TRUE(localShows({"on-desktop.txt"}));
    // Its files drag out as they do from any folder (the drag carries their address).
    const QModelIndex item = localView->tableModel()->index(localRow("on-desktop.txt"), 0);
    EXPECT_TRUE(localView->tableModel()->flags(item) & Qt::ItemIsDragEnabled);
    test::clickItem(localList(), item.row());
    std::unique_ptr<QMimeData> mime(
        localView->tableModel()->mimeData(localList()->selectionModel()->selectedIndexes()));
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(
        mime->urls(),
        QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(desktop + "/on-desktop.txt"))});
}

// A narrow window in Details mode: every name stays readable, the other columns give
// way first, and all four are still there.
TEST_F(FilesPageTest, NarrowDetailsKeepTheNamesReadable) {
    test::writeFile(local + "/budget-2024.ods", "b");
    test::writeFile(root + "/nubopro-2.2.tar.gz", "n");
    ASSERT_TRUE(localShows({"sub", "budget-2024.ods", "mine.txt", "other.txt"}));
    localView->views()->setViewMode(DirectoryViews::kDetails);
    page->remotePage()->setViewMode(DirectoryViews::kDetails);
    test::clickItem(page->remotePage()->detailsView(), remoteRow("hello.txt"));
    pressKey(Qt::Key_F5);
    ASSERT_TRUE(pumpUntil([&] { return remoteRow("nubopro-2.2.tar.gz") >= 0; }));
    for (const int width : {760, 640, 520, 900, 1200}) {
        page->resize(width, 500);
        ASSERT_TRUE(pumpUntil([&] { return page->width() == width; }));
        QCoreApplication::processEvents();
        for (QTreeView* view : {localView->views()->details(), page->remotePage()->detailsView()}) {
            const QString side = view->objectName() + " at " + QString::number(width);
            QStyleOptionViewItem option;
            option.initFrom(view);
            option.decorationSize = QSize(16, 16);
            option.features |=
                QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
            for (int row = 0; row < view->model()->rowCount(); ++row) {
                const QModelIndex name = view->model()->index(row, 0);
                // The name cell is at least as wide as the name and its icon need.
                EXPECT_GE(view->visualRect(name).width(),
                          view->itemDelegate()->sizeHint(option, name).width())
                    << side.toStdString() << ": " << name.data().toString().toStdString();
            }
            for (int column = 1; column < 4; ++column)
                EXPECT_GE(view->columnWidth(column), view->fontMetrics().horizontalAdvance("000"))
                    << side.toStdString() << ", column " << column;
            // A size keeps seven digits and a date its whole text: the view scrolls
            // sideways before either loses a character.
            EXPECT_GE(view->columnWidth(1), view->fontMetrics().horizontalAdvance("0000000"))
                << side.toStdString();
            EXPECT_GE(view->columnWidth(3), view->fontMetrics().horizontalAdvance("Dec 31 23:59"))
                << side.toStdString();
            // Wide enough, all four are in sight without scrolling.
            if (view->viewport()->width() >= 400) {
                EXPECT_LE(view->header()->length(), view->viewport()->width())
                    << side.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace nubo
