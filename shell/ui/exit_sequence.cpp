#include "shell/ui/exit_sequence.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>
#include <QTabWidget>
#include <string>
#include <vector>

#include "platform/program_path.h"
#include "setup/uninstall_command.h"
#include "shell/app_session.h"
#include "shell/ui/main_sheet.h"
#include "sites/host_controller.h"

namespace nubo {

ExitSequence::ExitSequence(MainSheet& sheet, AppSession& app, HostController& host,
                           MainOutlets& outlets)
    : sheet_(sheet), app_(app), host_(host), outlets_(outlets) {}

void ExitSequence::run() {
    if (ran_)
        return;
    ran_ = true;
    const bool uninstall = sheet_.uninstallRequested();
    if (QWidget* page = sheet_.tabs()->currentWidget(); page != nullptr && !uninstall)
        emit sheet_.pageLeaving(page);
    sheet_.setShuttingDown();
    sessionEnded_ = host_.control().endSession(AppSession::kQuitGraceMs);
    // A password saved just before is written to the keyring (or, without one, to the
    // settings) when the keyring answers: it gets a moment to, not more.
    const QDeadlineTimer keyringDeadline(AppSession::kQuitGraceMs);
    while (host_.selection().passwords().busy() && !keyringDeadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    app_.finish(outlets_, !uninstall);
    host_.shutDown();
    std::vector<std::string> arguments;
    std::string why;
    // This program itself, never the one a record names; without a record of this copy
    // the uninstall button simply ends the program.
    if (uninstall &&
        UninstallCommand::forRunningProgram(app_.dataFolder(), programPath(), &arguments, &why)) {
        QStringList list;
        for (const std::string& argument : arguments)
            list << QString::fromStdString(argument);
        QProcess::startDetached(QString::fromStdString(programPath()), list);
    }
}

}  // namespace nubo
