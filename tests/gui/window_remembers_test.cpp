// The main window remembers itself: closed and made again over the settings written at
// the exit, it stands where it stood, maximised if it was, and its views show the mode,
// sort and column widths they were left in, the Files page its splitter. Both
// interfaces; modes chosen from the views' menus, sorted and sized on the header, the
// splitter dragged, as a person does.
#include <gtest/gtest.h>

#include <filesystem>

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QListView>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <memory>

#include "sites/ui/qt_diagnostics_sink.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/live_host.h"
#include "tests/gui/main_window.h"
#include "tests/gui/view_input.h"
#include "views/local_directory_model.h"
#include "views/ui/directory_views.h"
#include "views/ui/files_page.h"
#include "views/ui/local_view.h"
#include "views/ui/remote_page.h"

namespace nubo {
namespace {

using test::pumpUntil;

// A right click beside the items of a view, then "View" and the mode, with the keys.
QStringList chooseMode(QAbstractItemView* view, const char* item) {
    const QPoint corner = view->viewport()->rect().bottomRight() - QPoint(4, 4);
    return test::contextMenuAt(view, corner, QString("menuView/") + item);
}

// Drags the mouse on a widget from one point to another, the left button held.
void drag(QWidget* widget, QPoint from, QPoint to) {
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(widget, (from + to) / 2);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

class WindowRemembersTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        live.config.SetInt("Classic", GetParam() ? 1 : 0);
        live.start();
    }
    void TearDown() override {
        window.reset();
        live.stop();
    }
    void open() {
        window = std::make_unique<test::MainWindow>(live, localModel, sink);
        ASSERT_TRUE(test::showActive(&window->sheet));
    }
    // The exit writes the settings; the next start reads them into fresh defaults.
    void closeAndOpen() {
        window.reset();
        // The next run's models start sorted by name.
        live.remoteView.arrangeBy(1);
        localModel.arrangeBy(1);
        live.config.SaveSettings(live.appKey);
        live.config.LoadDefaults();
        live.config.LoadSettings(live.appKey);
        open();
    }
    QAbstractItemView* remoteView(const char* name) const {
        return window->pages.remote->findChild<QAbstractItemView*>(name);
    }
    void clickTab(int index) {
        QTabBar* bar = window->sheet.tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    test::LiveHost live;
    LocalDirectoryModel localModel;
    QtDiagnosticsSink sink;
    std::unique_ptr<test::MainWindow> window;
};

TEST_P(WindowRemembersTest, ClosedAndOpenedAgainItIsAsItWasLeft) {
    open();
    MainSheet& sheet = window->sheet;
    // The window manager moves and sizes it where the user drags it: halfway between its
    // least size and the screen's, clear of the frame. A screen with no room beside the
    // least size leaves the place as it is.
    const QRect area = sheet.screen()->availableGeometry();
    const QSize least = sheet.minimumSizeHint();
    const QSize room(area.width() - 16, area.height() - 56);
    const bool placeable = room.width() >= least.width() && room.height() >= least.height();
    QRect placed = sheet.geometry();
    if (placeable) {
        const QSize size = least + (room - least) / 2;
        placed =
            QRect(area.x() + 8 + (room.width() - size.width()) / 2,
                  area.y() + 48 + (room.height() - size.height()) / 2, size.width(), size.height());
        sheet.setGeometry(placed);
        ASSERT_TRUE(pumpUntil([&] { return sheet.geometry() == placed; }));
    }

    // The views take the mouse while a session is there.
    ASSERT_TRUE(live.logIn()) << live.logText();
    clickTab(1);
    const QStringList offered = chooseMode(remoteView("remoteList"), "menuDetails");
    ASSERT_EQ(window->pages.remote->viewMode(), DirectoryViews::kDetails)
        << offered.join(",").toStdString();
    auto* details = static_cast<QTreeView*>(remoteView("remoteDetails"));
    QHeaderView* header = details->header();
    const QPoint sizeColumn(header->sectionViewportPosition(1) + 6, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sizeColumn);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sizeColumn);
    const int sortKey = live.remoteView.sortKey();
    EXPECT_EQ(sortKey, -3) << "size, largest first";
    const int typeEdge = header->sectionViewportPosition(2) + header->sectionSize(2) - 1;
    const int typeWidth = header->sectionSize(2);
    drag(header->viewport(), QPoint(typeEdge, header->height() / 2),
         QPoint(typeEdge + 30, header->height() / 2));
    ASSERT_EQ(header->sectionSize(2), typeWidth + 30) << "the column's edge dragged";

    QList<int> split;
    const std::string visited = live.home.root() + "/visited";
    if (!GetParam()) {
        auto* files = qobject_cast<FilesPage*>(window->pages.remoteTab);
        ASSERT_NE(files, nullptr);
        // The left side taken to a folder of the user's own, away from the downloads'.
        std::filesystem::create_directories(visited);
        ASSERT_TRUE(files->localView()->openFolder(visited));
        ASSERT_TRUE(pumpUntil([&] { return files->localView()->folder() == visited; }));
        chooseMode(files->localView()->views()->list(), "menuLargeIcons");
        ASSERT_EQ(files->localView()->views()->viewMode(), DirectoryViews::kLargeIcons);
        QSplitter* splitter = window->pages.remote->splitter();
        QWidget* handle = splitter->handle(1);
        const QList<int> before = splitter->sizes();
        drag(handle, handle->rect().center(), handle->rect().center() + QPoint(60, 0));
        split = splitter->sizes();
        ASSERT_NE(split, before) << "the splitter dragged";
    }

    closeAndOpen();
    EXPECT_TRUE(!placeable || pumpUntil([&] { return window->sheet.geometry() == placed; }))
        << "at " << window->sheet.geometry().x() << "," << window->sheet.geometry().y() << " "
        << window->sheet.geometry().width() << "x" << window->sheet.geometry().height();
    EXPECT_EQ(window->pages.remote->viewMode(), DirectoryViews::kDetails);
    EXPECT_EQ(live.remoteView.sortKey(), sortKey);
    clickTab(1);
    details = static_cast<QTreeView*>(remoteView("remoteDetails"));
    header = details->header();
    EXPECT_EQ(header->sectionSize(2), typeWidth + 30);
    // The header's arrow on the column the rows are sorted by, the way they go.
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    // The name takes the width the kept columns leave, not its narrowest.
    EXPECT_TRUE(pumpUntil([&] { return header->length() >= details->viewport()->width() - 1; }))
        << "columns " << header->length() << " of " << details->viewport()->width() << ", name "
        << header->sectionSize(0);
    if (!GetParam()) {
        auto* files = qobject_cast<FilesPage*>(window->pages.remoteTab);
        EXPECT_EQ(files->localView()->views()->viewMode(), DirectoryViews::kLargeIcons);
        EXPECT_TRUE(pumpUntil([&] { return files->localView()->folder() == visited; }))
            << "the left side opens where it was left: " << files->localView()->folder();
        const QList<int> sizes = window->pages.remote->splitter()->sizes();
        ASSERT_EQ(sizes.size(), 2);
        EXPECT_NEAR(sizes[0], split[0], 2) << "the splitter where it was dragged";
    }
}

TEST_P(WindowRemembersTest, MaximisedItOpensMaximisedAndOffTheScreenItComesBackOnIt) {
    open();
    const QRect area = window->sheet.screen()->availableGeometry();
    // Left half off the screen's right edge (a screen that was larger, say).
    const QRect off(area.right() - 100, area.y() + 40, window->sheet.width(),
                    window->sheet.height());
    window->sheet.setGeometry(off);
    ASSERT_TRUE(pumpUntil([&] { return window->sheet.geometry().x() == off.x(); }));
    closeAndOpen();
    EXPECT_TRUE(area.contains(window->sheet.frameGeometry()))
        << window->sheet.frameGeometry().x() << "," << window->sheet.frameGeometry().y();

    window->sheet.showMaximized();
    ASSERT_TRUE(pumpUntil([&] { return window->sheet.isMaximized(); }));
    closeAndOpen();
    EXPECT_TRUE(window->sheet.isMaximized());
    // Restored from maximised, it takes the place it had before.
    window->sheet.showNormal();
    ASSERT_TRUE(pumpUntil([&] { return !window->sheet.isMaximized(); }));
    EXPECT_TRUE(area.contains(window->sheet.frameGeometry()));
}

INSTANTIATE_TEST_SUITE_P(BothInterfaces, WindowRemembersTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Classic" : "Large");
                         });

}  // namespace
}  // namespace nubo
