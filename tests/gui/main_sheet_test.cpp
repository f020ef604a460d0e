// The main window: status and progress from a worker thread, the tray and its menu.
#include "shell/ui/main_sheet.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QProgressBar>
#include <QTabWidget>
#include <thread>

#include "base/config_store.h"
#include "shell/progress_display.h"
#include "shell/ui/qt_main_outlets.h"
#include "tests/gui/gui_test_util.h"

namespace nubo {
namespace {

using test::pumpUntil;

class MainSheetTest : public ::testing::Test {
  protected:
    ConfigStore config;
    MainSheet sheet{config};
};

TEST_F(MainSheetTest, StatusAndProgressFromAWorkerThreadReachTitleBarAndTray) {
    QtMainOutlets outlets(&sheet);
    using Kind = TransferProgress::Kind;
    struct Step {
        TransferProgress progress;
        const char* title;  // null: unchanged
        int icon;
        int bar;
    };
    const Step steps[] = {
        {{Kind::Get, "a.bin", 0, 1000, 0}, "GET a.bin (0%)", ProgressDisplay::kBaseIcon, 0},
        {{Kind::Get, "a.bin", 50, 1000, 5}, "GET a.bin (5%)", 1, 5},
        {{Kind::Get, "a.bin", 370, 1000, 37}, "GET a.bin (37%)", 4, 37},
        {{Kind::Get, "a.bin", 1000, 1000, 100}, "GET a.bin (100%)", 10, 100},
        {{Kind::Get, "a.bin", 150 * 1024, -1, -1}, "GET a.bin (150KB)", 10, 50},
        {{}, nullptr, ProgressDisplay::kProgramIcon, 0}};
    for (const Step& step : steps) {
        std::thread worker([&] { outlets.ReportProgress(step.progress); });
        worker.join();
        const QString title =
            step.title == nullptr ? sheet.windowTitle() : QString(step.title) + " - Nubo 2.2";
        EXPECT_TRUE(pumpUntil([&] {
            return sheet.trayIconIndex() == step.icon && sheet.progressBar()->value() == step.bar &&
                   sheet.windowTitle() == title;
        })) << step.bar;
    }
    EXPECT_EQ(sheet.windowTitle(), "GET a.bin (150KB) - Nubo 2.2");
    std::thread status([&] { outlets.SetStatus(""); });
    status.join();
    ASSERT_TRUE(pumpUntil([&] { return sheet.windowTitle() == "Nubo 2.2"; }));
}

TEST_F(MainSheetTest, WithNoUITrayTheWindowHidesBehindTheTrayIcon) {
    config.SetInt("NoUITray", 1);
    sheet.setTrayAvailable(true);
    sheet.show();
    sheet.setStatus(QString(80, 'x'));
    sheet.minimise();
    EXPECT_TRUE(sheet.trayShown());
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(sheet.trayToolTip(), QString(60, 'x') + "...");
    sheet.restore();
    EXPECT_FALSE(sheet.trayShown());
    EXPECT_TRUE(sheet.isVisible());
}

TEST_F(MainSheetTest, WithoutATrayOrWithoutNoUITrayTheWindowGoesToTheTaskbar) {
    for (int noUiTray : {0, 1}) {
        config.SetInt("NoUITray", noUiTray);
        sheet.setTrayAvailable(noUiTray == 0);  // NoUITray on, but the desktop has no tray
        sheet.show();
        sheet.minimise();
        EXPECT_FALSE(sheet.trayShown());
        EXPECT_TRUE(sheet.windowState() & Qt::WindowMinimized);
        sheet.restore();
        EXPECT_FALSE(sheet.windowState() & Qt::WindowMinimized);
    }
}

TEST_F(MainSheetTest, TheTrayMenuFollowsTheSession) {
    bool exists = false, pending = false;
    sheet.setSessionControl(
        {[&] { return exists; }, [&] { return pending; }, [&](bool on) { pending = on; }});
    QMenu* menu = sheet.trayMenu();
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), "&Restore");
    EXPECT_EQ(actions[1]->text(), "Logoff and E&xit");
    EXPECT_EQ(actions[3]->text(), "&Close");
    EXPECT_FALSE(actions[1]->isEnabled());  // no session
    exists = true;
    sheet.trayMenu();
    EXPECT_TRUE(actions[1]->isEnabled());
    EXPECT_FALSE(actions[1]->isChecked());
    actions[1]->trigger();
    EXPECT_TRUE(pending);
    sheet.trayMenu();
    EXPECT_TRUE(actions[1]->isChecked());
    bool closeAsked = false;
    QObject::connect(&sheet, &MainSheet::closeRequested, [&] { closeAsked = true; });
    actions[3]->trigger();
    EXPECT_TRUE(closeAsked);
}

TEST_F(MainSheetTest, ClosingTheWindowAsksTheOwnerUntilShuttingDown) {
    int asked = 0;
    QObject::connect(&sheet, &MainSheet::closeRequested, [&] { ++asked; });
    sheet.show();
    EXPECT_FALSE(sheet.close());  // the owner runs the exit sequence
    EXPECT_EQ(asked, 1);
    sheet.setShuttingDown();
    EXPECT_TRUE(sheet.close());
    EXPECT_EQ(asked, 1);
}

TEST_F(MainSheetTest, AUserClosePassesTheQuestionFirstAndNoKeepsTheWindow) {
    int asked = 0;
    int questions = 0;
    bool answer = false;
    QObject::connect(&sheet, &MainSheet::closeRequested, [&] { ++asked; });
    sheet.setCloseQuestion([&] {
        ++questions;
        return answer;
    });
    sheet.show();
    // The window's close button, then the tray menu's "&Close": each asks, and No keeps
    // the window.
    QAction* close = sheet.trayMenu()->actions().value(3);
    ASSERT_NE(close, nullptr);
    EXPECT_FALSE(sheet.close());
    close->trigger();
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(sheet.isVisible());
    answer = true;
    close->trigger();
    EXPECT_EQ(questions, 3);
    EXPECT_EQ(asked, 1) << "Yes: the owner runs the exit sequence";
}

}  // namespace
}  // namespace nubo
