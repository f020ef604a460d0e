// Renders every page of the main window, in both interfaces, idle and with a log, to
// PNG files for a person to look at: nubo_screenshots OUTPUT_FOLDER HELP_FOLDER.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTabWidget>
#include <QTreeWidget>
#include <cstdio>

#include "base/app_log.h"
#include "base/config_store.h"
#include "platform/registry_key.h"
#include "shell/log_banner.h"
#include "shell/progress_display.h"
#include "shell/ui/help_page.h"
#include "shell/ui/main_sheet.h"
#include "shell/ui/options_page.h"
#include "shell/ui/program_icons.h"
#include "shell/ui/sheet_pages.h"
#include "shell/ui/theme_icon.h"
#include "sites/host_controller.h"
#include "sites/site_list.h"
#include "sites/ui/host_exchange_dialog.h"
#include "sites/ui/qt_diagnostics_sink.h"
#include "views/remote_directory_model.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    nubo::setUpIconTheme();
    if (argc < 3) {
        std::fprintf(stderr, "usage: nubo_screenshots OUTPUT_FOLDER HELP_FOLDER\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);
    int written = 0;
    for (int classic : {0, 1}) {
        nubo::AppLog log;
        nubo::ConfigStore config;
        config.SetInt("Classic", classic);
        nubo::LogBanner::append(log);
        log.LogExtended("Connecting to ftp.example.org");
        log.LogCommand(">", "220 ProFTPD Server (Example) [203.0.113.7]");
        log.LogCommand("<", "USER anonymous");
        log.LogCommand(">",
                       "331 Anonymous login ok, send your complete email address as your password");
        log.LogCommand("<", "PASS ****");
        log.LogCommand(">", "230 Anonymous access granted, restrictions apply");
        log.LogExtended("Connected to ftp.example.org [203.0.113.7:21]");
        nubo::MainSheet sheet(config);
        // A Host page over its own settings and data in the output folder.
        const std::string data = output.toStdString() + "/data/";
        QDir().mkpath(QString::fromStdString(data));
        nubo::RegistryKey appKey(data + "screenshots.conf");
        nubo::QtDiagnosticsSink sink;
        nubo::RemoteDirectoryModel remoteView(log);
        nubo::HostController::Context context;
        context.log = &log;
        context.config = &config;
        context.remoteView = &remoteView;
        context.appKey = &appKey;
        context.dataFolder = data;
        context.diagnosticsSink = &sink;
        context.poster = [&sheet](std::function<void()> work) {
            QMetaObject::invokeMethod(&sheet, std::move(work), Qt::QueuedConnection);
        };
        nubo::HostController host(context);
        host.startUp();
        if (!host.urlBox().empty())
            host.selectSite(0);
        const nubo::SheetPages pages =
            nubo::SheetPages::build(sheet, log, config, host, sink, argv[2]);
        sheet.reportProgress(37, "GET nubopro-2.2.tar.gz (%d%%)", true);
        sheet.show();
        for (int tab = 0; tab < sheet.tabs()->count(); ++tab) {
            sheet.tabs()->setCurrentIndex(tab);
            QApplication::processEvents();
            const QString name = QString("%1/%2-%3.png")
                                     .arg(output, classic ? "classic" : "large",
                                          sheet.tabs()->tabText(tab).toLower());
            if (sheet.grab().save(name))
                ++written;
            if (sheet.tabs()->currentWidget() != pages.options)
                continue;
            // The Options page's own tabs, each on its own picture.
            for (int inner = 0; inner < pages.options->tabs()->count(); ++inner) {
                pages.options->tabs()->setCurrentIndex(inner);
                QApplication::processEvents();
                const QString innerName =
                    QString("%1/%2-options-%3.png")
                        .arg(output, classic ? "classic" : "large",
                             pages.options->tabs()->tabText(inner).toLower().replace(' ', '-'));
                if (sheet.grab().save(innerName))
                    ++written;
            }
        }
    }
    // The import/export tool over the default sites.
    {
        nubo::ConfigStore config;
        config.SetInt("XAppVersion", 0x02020000);
        QDir().mkpath(output + "/data");
        nubo::SiteList sites(nubo::RegistryKey((output + "/data/tool.conf").toStdString()), config);
        sites.loadSites();
        nubo::HostExchangeDialog dialog(sites);
        dialog.show();
        QApplication::processEvents();
        if (dialog.grab().save(output + "/tool-import-export.png"))
            ++written;
    }
    // The tray's icons, side by side: program, base, then progress 1 to 10.
    nubo::ProgramIcons icons;
    QPixmap strip(12 * 36, 36);
    strip.fill(Qt::white);
    {
        QPainter painter(&strip);
        for (int i = -1; i <= nubo::ProgressDisplay::kProgressIcons; ++i)
            painter.drawPixmap((i + 1) * 36 + 2, 2, icons.pixmap(i));
    }
    if (strip.save(output + "/tray-icons.png"))
        ++written;
    QDir(output + "/data").removeRecursively();
    std::printf("%d screenshots in %s\n", written, argv[1]);
    return written > 0 ? 0 : 1;
}
