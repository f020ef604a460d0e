#include "setup/ui/setup_run.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <memory>

#include "base/config_store.h"
#include "setup/install_plan.h"
#include "setup/ui/install_page.h"
#include "setup/ui/read_me_page.h"
#include "setup/ui/uninstall_page.h"
#include "setup/uninstall_plan.h"
#include "shell/command_line_request.h"
#include "shell/start_up.h"
#include "shell/ui/main_sheet.h"
#include "shell/ui/theme_icon.h"
#include "shellext/hresult.h"
#include "shellext/shortcut_library.h"

namespace nubo {

SetupRun::SetupRun(const CommandLineRequest& request, ShortcutLibrary& shortcuts)
    : request_(request), shortcuts_(shortcuts) {}

SetupRun::Pages SetupRun::build(MainSheet& sheet, InstallPlan* install, UninstallPlan* uninstall) {
    Pages pages;
    QString folder;
    if (install != nullptr) {
        pages.setup = new InstallPage(*install);
        folder = QString::fromStdString(install->folders().programFolder);
        sheet.addPage(pages.setup, InstallPlan::kTitle, "Install Nubo PRO for this user");
    } else {
        pages.setup = new UninstallPage(*uninstall);
        folder = QString::fromStdString(uninstall->programFolder());
        sheet.addPage(pages.setup, UninstallPlan::kTitle, "Remove Nubo PRO");
    }
    pages.readMe = new ReadMePage(folder.isEmpty() ? QString() : folder + "/ReadMe.txt");
    sheet.addPage(pages.readMe, "Read Me", "The ReadMe file of this copy");
    QObject::connect(pages.setup, &SetupPage::closeRequested, &sheet, &MainSheet::closeRequested);
    sheet.progressBar()->hide();  // nothing is transferred here
    // Wide enough for the ReadMe's lines (up to 88 columns of its fixed font) without
    // scrolling sideways.
    const int unitY = sheet.fontMetrics().height();
    const int readMeWidth = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::FixedFont))
                                .horizontalAdvance(QString(88, 'x'));
    sheet.resizeWithinScreen(QSize(readMeWidth + 6 * unitY, unitY * 200 / 8));
    return pages;
}

int SetupRun::run(int& argc, char** argv) {
    QApplication application(argc, argv);
    presentApplication();

    // Setup mode reads and writes no settings: the store keeps its defaults.
    ConfigStore config;
    MainSheet sheet(config);
    sheet.setTrayAvailable(false);
    const SetupFolders folders = SetupFolders::current();
    std::unique_ptr<InstallPlan> install;
    std::unique_ptr<UninstallPlan> uninstall;
    if ((request_.flags & CommandLineRequest::kInstall) != 0) {
        install = std::make_unique<InstallPlan>(folders);
        install->setShortcutRegistrar([this, program = folders.programPath] {
            StartUp::ensureShortcutsRegistered(shortcuts_);
            // The open command names this copy in full: it need not be on the PATH.
            StartUp::refreshOpenCommand(program);
        });
    } else {
        uninstall = std::make_unique<UninstallPlan>(folders, request_.slot(1), request_.slot(2),
                                                    request_.slot(3), request_.slot(4));
        uninstall->setShellExtensionRemover([this] {
            return shortcuts_.load() && Succeeded(shortcuts_.callServer(kDllUnregisterServer));
        });
    }
    const Pages pages = build(sheet, install.get(), uninstall.get());
    QObject::connect(&sheet, &MainSheet::closeRequested, &sheet, [&sheet, &uninstall] {
        sheet.setShuttingDown();
        if (uninstall)
            uninstall->finishAtExit();
        QApplication::quit();
    });
    sheet.show();
    pages.setup->actionButton()->setFocus();
    return QApplication::exec();
}

}  // namespace nubo
