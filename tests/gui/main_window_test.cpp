// The main window with all its pages, in both interfaces, used with the keyboard and the
// window manager: the tabs' keys, a minimise right after a tick on the Options page, and
// the opening size on a small screen.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListView>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "shell/ui/main_sheet.h"
#include "shell/ui/sheet_pages.h"
#include "sites/ui/qt_diagnostics_sink.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/live_host.h"
#include "tests/gui/view_input.h"
#include "tests/support/test_util.h"
#include "views/local_directory_model.h"
#include "views/ui/remote_page.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;
using test::pressKey;
using test::pumpUntil;

class MainWindowTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        live.config.SetInt("Classic", GetParam() ? 1 : 0);
        live.config.SetInt("NoUITray", 0);
        live.start();
        pages = SheetPages::build(sheet, live.log, live.config,
                                  {*live.host, live.remoteView, live.types, localModel, sink}, "");
        sheet.setTrayAvailable(true);
        ASSERT_TRUE(test::showActive(&sheet));
        tabs = sheet.findChild<QTabWidget*>("mainTabs");
        ASSERT_NE(tabs, nullptr);
    }
    void TearDown() override { live.stop(); }
    void clickTab(int index) {
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    // Gives the keyboard to a widget by clicking it, as a person does.
    static void clickInto(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, 4));
    }
    bool focusIn(const QWidget* page) const {
        const QWidget* focus = QApplication::focusWidget();
        return focus != nullptr && page->isAncestorOf(focus);
    }

    test::LiveHost live;
    LocalDirectoryModel localModel;
    QtDiagnosticsSink sink;
    MainSheet sheet{live.config};
    SheetPages pages;
    QTabWidget* tabs = nullptr;
};

TEST_P(MainWindowTest, TheTabsAnswerTheUsualKeys) {
    ASSERT_EQ(tabs->count(), 5);
    clickTab(2);  // Log
    ASSERT_EQ(tabs->currentIndex(), 2);
    auto* logList = sheet.findChild<QListView*>("logList");
    ASSERT_NE(logList, nullptr);
    clickInto(logList->viewport());
    pressKey(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 3);
    pressKey(Qt::Key_PageUp, Qt::ControlModifier);
    pressKey(Qt::Key_PageUp, Qt::ControlModifier);
    pressKey(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 0);
    pressKey(Qt::Key_PageUp, Qt::ControlModifier);  // round to the last
    EXPECT_EQ(tabs->currentIndex(), 4);
    for (int number = 1; number <= 5; ++number) {
        pressKey(static_cast<Qt::Key>(Qt::Key_0 + number), Qt::AltModifier);
        EXPECT_EQ(tabs->currentIndex(), number - 1) << "Alt+" << number;
    }
    // Ctrl+Tab stays with the page: on the Log page the focus moves on within it...
    pressKey(Qt::Key_3, Qt::AltModifier);
    clickInto(logList->viewport());
    ASSERT_TRUE(focusIn(sheet.findChild<QWidget*>("logPage")));
    const QWidget* before = QApplication::focusWidget();
    pressKey(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_TRUE(focusIn(sheet.findChild<QWidget*>("logPage")));
    EXPECT_NE(QApplication::focusWidget(), before);
    pressKey(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(QApplication::focusWidget(), before);
    // ...and on the Options page it steps through the page's own tabs.
    pressKey(Qt::Key_4, Qt::AltModifier);
    auto* inner = sheet.findChild<QTabWidget*>("optionsTabs");
    ASSERT_NE(inner, nullptr);
    auto* trayBox = sheet.findChild<QCheckBox*>("optionNoUITray");
    ASSERT_NE(trayBox, nullptr);
    ASSERT_TRUE(trayBox->isVisible());
    clickInto(trayBox);
    ASSERT_TRUE(focusIn(sheet.findChild<QWidget*>("optionsPage")));
    const int innerBefore = inner->currentIndex();
    pressKey(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 3);
    EXPECT_EQ(inner->currentIndex(), (innerBefore + 1) % inner->count());
}

TEST_P(MainWindowTest, AMinimiseFromTheWindowManagerTakesTheFreshTrayTick) {
    ASSERT_EQ(live.config.GetInt("NoUITray"), 0);
    clickTab(3);  // Options
    auto* tray = sheet.findChild<QCheckBox*>("optionNoUITray");
    ASSERT_NE(tray, nullptr);
    ASSERT_FALSE(tray->isChecked());
    QTest::mouseClick(tray, Qt::LeftButton, {}, QPoint(8, tray->height() / 2));
    ASSERT_TRUE(tray->isChecked());
    // The window manager's minimise button: the window goes to the tray at once.
    sheet.setWindowState(sheet.windowState() | Qt::WindowMinimized);
    EXPECT_TRUE(pumpUntil([&] { return sheet.trayShown() && !sheet.isVisible(); }));
    EXPECT_EQ(live.config.GetInt("NoUITray"), 1);
    // Back from the tray, the tick is still there.
    sheet.restore();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    EXPECT_EQ(tabs->currentIndex(), 3);
    EXPECT_TRUE(tray->isChecked());
    // Taken away again just before a minimise: the taskbar it is, and it stays off.
    QTest::mouseClick(tray, Qt::LeftButton, {}, QPoint(8, tray->height() / 2));
    ASSERT_FALSE(tray->isChecked());
    sheet.setWindowState(sheet.windowState() | Qt::WindowMinimized);
    QCoreApplication::processEvents();  // the judgement comes after the minimise
    EXPECT_FALSE(sheet.trayShown());
    EXPECT_EQ(live.config.GetInt("NoUITray"), 0);
    sheet.restore();
    EXPECT_FALSE(tray->isChecked());
}

// The remote view's Update-ONLY is stored when its tab is left: the Classic remote page
// and the Files page that holds it alike.
TEST_P(MainWindowTest, LeavingTheRemoteTabStoresUpdateOnly) {
    clickTab(1);
    ASSERT_EQ(tabs->currentIndex(), 1);
    auto* updateOnly = sheet.findChild<QAction*>("remoteUpdateOnly");
    ASSERT_NE(updateOnly, nullptr);
    ASSERT_TRUE(test::clickToolAction(updateOnly));
    const int on = updateOnly->isChecked() ? 1 : 0;
    EXPECT_NE(live.config.GetInt("UpdateONLY"), on);  // not before the tab is left
    clickTab(2);
    ASSERT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(live.config.GetInt("UpdateONLY"), on);
}

// The window asks before a Get replaces a local file, in its own box: through the Host
// page's question, in either interface.
TEST_P(MainWindowTest, AGetOntoAFileHereAsksInTheWindowsBox) {
    test::writeFile(live.server.root() + "/hello.txt", "hello");
    ASSERT_TRUE(live.logIn()) << live.logText();
    clickTab(1);
    // The Files page takes the folder its left side shows; without one (Classic, or
    // Computer on the left) the chooser asks.
    const std::string chosen = live.home.root() + "/chosen";
    fs::create_directories(chosen);
    pages.remote->setFolderChooser(
        [&](const QString&, const QString&) { return QString::fromStdString(chosen); });
    const std::string folder = localModel.folder().empty() ? chosen : localModel.folder();
    test::writeFile(folder + "/hello.txt", "mine");
    auto* remote = pages.remote->findChild<QAbstractItemView*>("remoteList");
    ASSERT_NE(remote, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return test::rowNamed(remote->model(), "hello.txt") >= 0; }));
    std::vector<test::ConflictSeen> seen;
    test::answerConflicts("downloadConflictDialog", {{"conflictSkip"}}, &seen, &sheet);
    test::clickItem(remote, test::rowNamed(remote->model(), "hello.txt"));
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(pumpUntil([&] { return seen.size() == 1; })) << live.logText();
    EXPECT_EQ(seen[0].title, "Get file(s) as...");
    EXPECT_TRUE(seen[0].text.startsWith(QString::fromStdString(folder + "/hello.txt\n")))
        << seen[0].text.toStdString();
    EXPECT_TRUE(pumpUntil([&] { return live.logHas("... " + folder + "/hello.txt exists here"); }))
        << live.logText();
    EXPECT_EQ(test::readFile(folder + "/hello.txt"), "mine");
}

TEST_P(MainWindowTest, TheWindowOpensWithinTheScreen) {
    const QRect area = sheet.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(sheet.frameGeometry()))
        << sheet.frameGeometry().width() << "x" << sheet.frameGeometry().height() << " on "
        << area.width() << "x" << area.height();
}

INSTANTIATE_TEST_SUITE_P(BothInterfaces, MainWindowTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Classic" : "Large");
                         });

}  // namespace
}  // namespace nubo
