// After Connect the server's files come to the front once they are listed (the Files
// page, or the Remote page of the Classic interface), unless the Options page's "Show
// the files after login" is unticked. Typed, clicked and ticked as a person does.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "sites/ui/host_page.h"
#include "sites/ui/qt_diagnostics_sink.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/live_host.h"
#include "tests/gui/main_window.h"
#include "tests/gui/view_input.h"
#include "tests/support/test_util.h"
#include "views/local_directory_model.h"
#include "views/ui/remote_page.h"

namespace nubo {
namespace {

using test::pumpUntil;

class ShowFilesTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        test::writeFile(live.server.root() + "/listed.txt", "here");
        live.config.SetInt("Classic", GetParam() ? 1 : 0);
        live.start();
        window = std::make_unique<test::MainWindow>(live, localModel, sink);
        ASSERT_TRUE(test::showActive(&sheet()));
        tabs = sheet().tabs();
        remoteList = pages().remote->findChild<QAbstractItemView*>("remoteList");
        ASSERT_NE(remoteList, nullptr);
    }
    void TearDown() override {
        window.reset();
        live.stop();
    }
    MainSheet& sheet() const { return window->sheet; }
    const SheetPages& pages() const { return window->pages; }
    void clickTab(int index) {
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    // Types the server's URL over the URL box's text and clicks Connect.
    void connectTyped() {
        auto* url = sheet().findChild<QComboBox*>("hostUrl");
        auto* button = sheet().findChild<QAbstractButton*>("hostConnect");
        ASSERT_TRUE(url != nullptr && button != nullptr);
        QLineEdit* edit = url->lineEdit();
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QString::fromStdString(live.server.url("/", true)));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    bool listed() const { return test::rowNamed(remoteList->model(), "listed.txt") >= 0; }

    test::LiveHost live;
    LocalDirectoryModel localModel;
    QtDiagnosticsSink sink;
    std::unique_ptr<test::MainWindow> window;
    QTabWidget* tabs = nullptr;
    QAbstractItemView* remoteList = nullptr;
};

TEST_P(ShowFilesTest, ConnectBringsTheListedFilesToTheFront) {
    ASSERT_EQ(tabs->currentWidget(), pages().host);
    connectTyped();
    ASSERT_TRUE(pumpUntil([&] { return tabs->currentWidget() == pages().remoteTab; }))
        << live.logText();
    EXPECT_TRUE(pumpUntil([&] { return listed(); }));
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), GetParam() ? "Remote" : "Files");
}

TEST_P(ShowFilesTest, UntickedTheHostPageStays) {
    clickTab(3);  // Options
    auto* check = sheet().findChild<QCheckBox*>("optionShowFiles");
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->isChecked()) << "on by default";
    EXPECT_EQ(check->text().remove('&'), "Show the files after login");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    ASSERT_FALSE(check->isChecked());
    clickTab(0);  // leaving the page applies the tick
    ASSERT_EQ(live.config.GetInt("ShowFiles"), 0);
    connectTyped();
    // The listing's end is posted to the window before the core takes its path: once the
    // path is there, one pass of the event loop has handled it.
    ASSERT_TRUE(pumpUntil([&] {
        return live.host->control().logoffEnabled() && !live.remoteView.currentPath().empty();
    })) << live.logText();
    QCoreApplication::processEvents();
    EXPECT_TRUE(pumpUntil([&] { return listed(); }));
    EXPECT_EQ(tabs->currentWidget(), pages().host);
}

INSTANTIATE_TEST_SUITE_P(BothInterfaces, ShowFilesTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Classic" : "Large");
                         });

}  // namespace
}  // namespace nubo
