// The window's title and tray tip during a batch over several connections, in both
// interfaces: every connection's files counted, a failure said while the batch runs and
// in the words it ends on.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QStringList>
#include <QTabWidget>
#include <algorithm>
#include <filesystem>

#include "engine/ftp_session.h"
#include "shell/progress_display.h"
#include "shell/ui/main_sheet.h"
#include "shell/ui/qt_main_outlets.h"
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
using test::pumpUntil;

class BatchTitleTest : public ::testing::TestWithParam<bool> {
  protected:
    void TearDown() override {
        if (live != nullptr)
            live->stop();
    }

    LocalDirectoryModel localModel;
    QtDiagnosticsSink sink;
    std::unique_ptr<test::LiveHost> live;
};

TEST_P(BatchTitleTest, TheTitleCountsEveryConnectionsFilesAndSaysWhatFailed) {
    // Eight files over three slow connections; the server refuses the first.
    live = std::make_unique<test::LiveHost>(
        nullptr, std::vector<std::string>{"--refuse-retr", "f0.bin", "--rate", "50000"});
    ASSERT_TRUE(live->server.running()) << live->server.startError();
    const std::string root = live->server.root();
    fs::create_directories(root + "/batch");
    for (int i = 0; i < 8; ++i)
        test::writeFile(root + "/batch/f" + std::to_string(i) + ".bin", std::string(200000, 'x'));
    const std::string local = live->home.root() + "/local";
    fs::create_directories(local);
    live->config.SetInt("Classic", GetParam() ? 1 : 0);
    live->config.SetString("CLXDir", local);
    live->config.SetInt("SimultaneousTransfers", 3);
    MainSheet sheet(live->config);
    QtMainOutlets outlets(&sheet);
    live->context.outlets = &outlets;
    live->context.localView = &localModel;
    live->start();
    SheetPages pages =
        SheetPages::build(sheet, live->log, live->config,
                          {*live->host, live->remoteView, live->types, localModel, sink}, "");
    pages.remote->setFolderChooser(
        [&](const QString&, const QString&) { return QString::fromStdString(local); });
    ASSERT_TRUE(test::showActive(&sheet));
    QStringList titles;
    QObject::connect(&sheet, &QWidget::windowTitleChanged,
                     [&](const QString& title) { titles << title; });
    ASSERT_TRUE(live->logIn()) << live->logText();
    sheet.findChild<QTabWidget*>("mainTabs")->setCurrentWidget(pages.remoteTab);
    QAbstractItemView* view = pages.remote->currentView();
    int row = -1;
    ASSERT_TRUE(pumpUntil([&] { return (row = test::rowNamed(view->model(), "batch")) >= 0; }));
    test::clickItem(view, row);
    test::contextMenuAt(view, test::itemCentre(view, row), "menuGet");

    const QString ending = QString::fromStdString(
        ProgressDisplay::title("batch done: 7 transferred, 1 failed, 0 skipped of 8"));
    ASSERT_TRUE(pumpUntil([&] { return sheet.windowTitle() == ending; }, 60000))
        << titles.join('\n').toStdString() << live->logText();
    // While it ran: the files of all three connections, and the failure once it came.
    QStringList counted;
    for (const QString& title : titles) {
        if (title.startsWith("GET ") && title.contains(" files"))
            counted << title;
    }
    // (While the walk finds them the whole grows; once all eight are found, it stays.)
    const auto whole = std::find_if(counted.begin(), counted.end(), [](const QString& title) {
        return title.contains(" of 8 files");
    });
    ASSERT_NE(whole, counted.end()) << titles.join('\n').toStdString();
    for (auto title = whole; title != counted.end(); ++title)
        EXPECT_TRUE(title->contains(" of 8 files")) << title->toStdString();
    EXPECT_TRUE(std::any_of(counted.begin(), counted.end(), [](const QString& title) {
        return title.contains(" files, 1 failed (");
    })) << titles.join('\n').toStdString();
    // It stays once the session is back where it was and the extra connections have gone.
    ASSERT_TRUE(pumpUntil([&] {
        return live->host->control().session()->idle() && live->logHas("[2] >221") &&
               live->logHas("[3] >221");
    })) << live->logText();
    pumpUntil([] { return false; }, 500);
    EXPECT_EQ(sheet.windowTitle(), ending) << titles.join('\n').toStdString();
    // The tray says it too, as far as its room goes.
    EXPECT_EQ(sheet.trayToolTip().toStdString(), ProgressDisplay::trayTip(ending.toStdString()));
    EXPECT_TRUE(sheet.trayToolTip().contains("1 failed")) << sheet.trayToolTip().toStdString();
    live->stop();
}

INSTANTIATE_TEST_SUITE_P(Interfaces, BatchTitleTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Classic" : "Files";
                         });

}  // namespace
}  // namespace nubo
