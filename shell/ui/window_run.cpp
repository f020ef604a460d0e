#include "shell/ui/window_run.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/main_outlets.h"
#include "platform/keyring_password_store.h"
#include "platform/program_path.h"
#include "platform/termination_signals.h"
#include "shell/app_session.h"
#include "shell/command_line_request.h"
#include "shell/exit_question.h"
#include "shell/help_topics.h"
#include "shell/ui/exit_sequence.h"
#include "shell/ui/main_sheet.h"
#include "shell/ui/qt_main_outlets.h"
#include "shell/ui/sheet_pages.h"
#include "shell/ui/theme_icon.h"
#include "sites/host_controller.h"
#include "sites/ui/qt_diagnostics_sink.h"
#include "views/local_directory_model.h"
#include "views/remote_directory_model.h"
#include "views/session_link.h"
#include "views/type_table.h"

namespace nubo {

WindowRun::WindowRun(const CommandLineRequest& request, ShortcutLibrary& shortcuts)
    : request_(request), shortcuts_(shortcuts) {}

int WindowRun::run(int& argc, char** argv) {
    QApplication application(argc, argv);
    presentApplication();

    AppLog log;
    AppSession app(request_, log);
    app.start();
    ConfigStore& config = app.config();

    // The views' models outlive the window: its pages stop listening to them as they go.
    // The type table outlives the remote model, which sorts by its names.
    TypeTable types;
    RemoteDirectoryModel remoteView(log);
    LocalDirectoryModel localView;
    MainSheet sheet(config);
    QtMainOutlets outlets(&sheet);
    QObject postTarget;
    const auto poster = [&postTarget](std::function<void()> work) {
        QMetaObject::invokeMethod(&postTarget, std::move(work), Qt::QueuedConnection);
    };
    config.SetPoster(poster);
    config.EnableNotifications(true);

    QtDiagnosticsSink diagnostics;
    KeyringPasswordStore keyring;  // outlives the controller, which may still ask it
    HostController::Context context = app.hostContext(outlets, remoteView, shortcuts_, poster);
    context.passwords = &keyring;
    context.diagnosticsSink = &diagnostics;
    context.localView = &localView;
    context.showsRemoteTimes = true;
    // NAT routers forget idle connections: a window's session says NOOP once a minute.
    context.keepAliveMs = 60000;
    HostController host(context);
    host.startUp();

    SheetPages::build(sheet, log, config, {host, remoteView, types, localView, diagnostics},
                      HelpTopics::findHelpFolder(programPath()));
    const SessionLink& link = host.control().link();
    sheet.setSessionControl({[&link] { return link.connected(); },
                             [&link] { return link.quitWhenDone(); },
                             [&link](bool on) { link.setQuitWhenDone(on); }});

    sheet.setCloseQuestion([&sheet, &host] {
        const std::string text = ExitQuestion::text(host.control().transferQueue().counts());
        return text.empty() || QMessageBox::question(&sheet, "Quit", QString::fromStdString(text),
                                                     QMessageBox::Yes | QMessageBox::No,
                                                     QMessageBox::No) == QMessageBox::Yes;
    });
    ExitSequence exitSteps(sheet, app, host, outlets);
    const auto exitSequence = [&exitSteps] {
        exitSteps.run();
        QApplication::quit();
    };
    QObject::connect(&sheet, &MainSheet::closeRequested, &sheet, exitSequence);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &sheet, exitSequence);
    QSocketNotifier termination(TerminationSignals::readFd(), QSocketNotifier::Read);
    QObject::connect(&termination, &QSocketNotifier::activated, &sheet, exitSequence);

    if (config.GetInt("CLStart") != 0) {
        sheet.show();
        sheet.minimise();
    } else {
        sheet.show();
    }
    const auto connect = [&] {
        if (request_.mode >= CommandLineRequest::kConnect && !request_.slot(0).empty() &&
            !host.commandLine().connect(request_.mode, request_.slot(0))) {
            outlets.AddExitBits(exitbit::kConnectFailed);
        }
    };
    // What a terminal run writes on its log about the shortcut it was started on, the
    // window shows as well. A transfer whose shortcut folder was refused waits for the
    // user to accept the downloads folder instead.
    const bool ask = !request_.folderRefusal.empty() &&
                     request_.mode >= CommandLineRequest::kTransferListed &&
                     !request_.slot(0).empty();
    std::string notice = request_.shortcutRefusal;
    const std::string& folderText = ask ? request_.folderQuestion : request_.folderRefusal;
    if (!folderText.empty())
        notice += (notice.empty() ? "" : "\n\n") + folderText;
    if (!notice.empty()) {
        auto* box =
            new QMessageBox(QMessageBox::Warning, "Nubo PRO", QString::fromStdString(notice),
                            ask ? QMessageBox::Yes | QMessageBox::Cancel : QMessageBox::Ok, &sheet);
        box->setObjectName("shortcutNotice");
        box->setAttribute(Qt::WA_DeleteOnClose);
        if (ask) {
            box->button(QMessageBox::Yes)->setText("&Transfer");
            QObject::connect(box, &QMessageBox::finished, &sheet, [&, box](int) {
                if (box->clickedButton() == box->button(QMessageBox::Yes)) {
                    connect();
                    return;
                }
                // Nothing was transferred: the run ends as a transfer run that failed.
                log.AppendLine("... transfer cancelled: the shortcut's folder was not used");
                const bool put = request_.mode == CommandLineRequest::kPutNames ||
                                 request_.mode == CommandLineRequest::kTransferListed;
                outlets.AddExitBits(put ? exitbit::kPutFailed : exitbit::kGetFailed);
                exitSequence();
            });
        }
        box->open();
    }
    if (!ask) {
        connect();
    }
    QApplication::exec();
    if (!exitSteps.sessionEnded()) {
        // A session that would not end still runs on its thread: leave without the
        // destructors it could race with. The settings are saved.
        std::fflush(nullptr);
        std::_Exit(request_.exitCode(outlets.exitBits() | exitbit::kConnectFailed));
    }
    return request_.exitCode(outlets.exitBits());
}

}  // namespace nubo
