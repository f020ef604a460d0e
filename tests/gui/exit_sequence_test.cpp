// The main window's exit: edits applied and settings saved, or for an uninstall nothing
// saved and the uninstaller started with its arguments as they are.
#include "shell/ui/exit_sequence.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTabWidget>
#include <filesystem>

#include "base/app_log.h"
#include "base/post_queue.h"
#include "setup/uninstall_record.h"
#include "shell/app_session.h"
#include "shell/command_line_request.h"
#include "shell/ui/log_page.h"
#include "shell/ui/main_sheet.h"
#include "shell/ui/qt_main_outlets.h"
#include "shell/ui/sheet_pages.h"
#include "shellext/shortcut_library.h"
#include "sites/ui/qt_diagnostics_sink.h"
#include "tests/support/test_home.h"
#include "tests/support/test_util.h"
#include "views/local_directory_model.h"
#include "views/remote_directory_model.h"
#include "views/type_table.h"

namespace nubo {
namespace {

class ExitSequenceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app.start();
        // The host's context names the data folder, known only once the session started.
        host = std::make_unique<HostController>(
            app.hostContext(outlets, remoteView, shortcuts,
                            [this](std::function<void()> work) { queue.post(std::move(work)); }));
        ASSERT_EQ(app.dataFolder().front(), '/');
        pages = SheetPages::build(sheet, log, app.config(),
                                  {*host, remoteView, types, localView, sink}, "");
        host->startUp();
        exitSteps = std::make_unique<ExitSequence>(sheet, app, *host, outlets);
    }
    std::string settings() const { return test::readFile(home.settingsFile()); }

    test::TestHome home;
    AppLog log;
    CommandLineRequest request;
    AppSession app{request, log};
    TypeTable types;                       // before the model, which sorts by it
    RemoteDirectoryModel remoteView{log};  // the models outlive the window's pages
    LocalDirectoryModel localView;
    MainSheet sheet{app.config()};
    QtMainOutlets outlets{&sheet};
    ShortcutLibrary shortcuts{"libnubosx-not-here.so"};
    PostQueue queue;
    QtDiagnosticsSink sink;
    std::unique_ptr<HostController> host;
    SheetPages pages;
    std::unique_ptr<ExitSequence> exitSteps;
};

TEST_F(ExitSequenceTest, TheActivePageAppliesItsEditsAndTheSettingsAreSaved) {
    sheet.tabs()->setCurrentWidget(pages.log);
    pages.log->loggingBox()->setChecked(false);  // the Log page is the active one
    exitSteps->run();
    EXPECT_TRUE(exitSteps->ran());
    EXPECT_TRUE(exitSteps->sessionEnded());
    EXPECT_EQ(app.config().GetInt("Logging"), 0);
    EXPECT_NE(settings().find("Options="), std::string::npos) << settings();
    EXPECT_TRUE(sheet.shuttingDown());
}

// A record is a file anyone who could write the data folder could have changed: the
// uninstall starts this program itself or nothing, never the program the record names.
TEST_F(ExitSequenceTest, AnUninstallSavesNothingAndNeverStartsAProgramTheRecordNames) {
    const std::string marker = home.work() + "/uninstaller ran";
    UninstallRecord record;
    record.program = "/bin/sh";
    record.arguments = {"-c", "touch \"$0\"", marker};
    ASSERT_TRUE(record.save(app.dataFolder()));
    sheet.tabs()->setCurrentWidget(pages.log);
    pages.log->loggingBox()->setChecked(false);
    sheet.requestUninstall();
    exitSteps->run();
    EXPECT_FALSE(test::waitFor([&] { return std::filesystem::exists(marker); }, 2000));
    EXPECT_EQ(settings().find("Options="), std::string::npos) << settings();
    EXPECT_EQ(app.config().GetInt("Logging"), 1);  // the page's edit was not applied
}

}  // namespace
}  // namespace nubo
