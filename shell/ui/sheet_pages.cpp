#include "shell/ui/sheet_pages.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabWidget>
#include <memory>

#include "base/config_store.h"
#include "shell/help_topics.h"
#include "shell/ui/help_page.h"
#include "shell/ui/log_page.h"
#include "shell/ui/main_sheet.h"
#include "shell/ui/options_page.h"
#include "sites/host_controller.h"
#include "sites/site_list.h"
#include "sites/ui/host_page.h"
#include "views/files_front.h"
#include "views/ui/files_page.h"
#include "views/ui/remote_page.h"
#include "views/ui/remote_table_model.h"

namespace nubo {

namespace {

// After a Connect the files come to the front once they are listed (FilesFront decides).
void bringFilesAfterLogin(MainSheet& sheet, ConfigStore& config, const SheetPages& pages) {
    auto front = std::make_shared<FilesFront>();
    QTabWidget* tabs = sheet.tabs();
    QWidget* hostPage = pages.host;
    QWidget* filesTab = pages.remoteTab;
    const auto window = [&config, tabs, hostPage] {
        return FilesFront::Window{config.GetInt("ShowFiles") != 0,
                                  tabs->currentWidget() == hostPage};
    };
    const auto bring = [tabs, filesTab](bool due) {
        if (due)
            tabs->setCurrentWidget(filesTab);
    };
    QObject::connect(pages.host, &HostPage::loggedIn, &sheet,
                     [front, window, bring] { bring(front->loggedIn(window())); });
    RemoteTableModel* table = pages.remote->tableModel();
    QObject::connect(table, &RemoteTableModel::busyChangedQueued, &sheet,
                     [front, window, bring](bool busy) {
                         if (!busy)
                             bring(front->listingEnded(window()));
                     });
    QObject::connect(table, &RemoteTableModel::connectionChangedQueued, &sheet,
                     [front](bool connected) {
                         if (!connected)
                             front->sessionChanged();
                     });
    QObject::connect(pages.host, &HostPage::sessionOutcome, &sheet,
                     [front] { front->sessionChanged(); });
}

}  // namespace

SheetPages SheetPages::build(MainSheet& sheet, AppLog& log, ConfigStore& config, Models models,
                             const std::string& helpFolder) {
    HostController& host = models.host;
    const bool classic = config.GetInt("Classic") != 0;
    SiteList& sites = host.selection().sites();
    SheetPages pages;
    pages.host = new HostPage(host, models.sink, classic);
    if (classic) {
        pages.remote = new RemotePage(models.remoteView, models.types, host, config, log, true);
        pages.remoteTab = pages.remote;
    } else {
        auto* files =
            new FilesPage(models.remoteView, models.types, models.localView, host, config, log);
        pages.remote = files->remotePage();
        pages.remoteTab = files;
    }
    pages.log = new LogPage(log, config);
    const SiteSelection* selection = &host.selection();
    pages.options = new OptionsPage(config, sites, [selection] {
        return selection->selectedIndex() >= 0 ? selection->urlText() : std::string();
    });
    pages.help = new HelpPage(log, classic, helpFolder);
    sheet.addPage(pages.host, "Host",
                  "Connect to FTP servers (or \"PING\" them) anywhere on the Internet!");
    if (classic) {
        sheet.addPage(pages.remoteTab, "Remote",
                      "A window onto the server; do your downloads and uploads here!");
    } else {
        sheet.addPage(pages.remoteTab, "Files",
                      "Views of remote AND local system; drag and drop between them!");
    }
    sheet.addPage(pages.log, "Log", "A record of your FTP session's commands and responses");
    sheet.addPage(pages.options, "Options", "Control your FTP sessions here!");
    if (classic) {
        sheet.addPage(pages.help, "About", "Legal stuff and contact info");
    } else {
        sheet.addPage(pages.help, "Help", "Legal stuff, contact info and HELP!");
    }
    LogPage* logPage = pages.log;
    OptionsPage* optionsPage = pages.options;
    RemotePage* remotePage = pages.remote;
    QWidget* remoteTab = pages.remoteTab;
    QObject::connect(&sheet, &MainSheet::pageLeaving, &sheet,
                     [logPage, optionsPage, remotePage, remoteTab](QWidget* page) {
                         if (page == remoteTab)
                             remotePage->apply();
                         if (page == logPage)
                             logPage->apply();
                         if (page == optionsPage)
                             optionsPage->apply();
                     });
    // F1 anywhere in the window: the guide's page about the page in front.
    HelpPage* helpPage = pages.help;
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), &sheet);
    help->setObjectName("helpKey");
    QObject::connect(help, &QShortcut::activated, &sheet, [&sheet, helpPage] {
        const int tab = sheet.tabs()->currentIndex();
        helpPage->openTarget(HelpTopics::ofPage(sheet.tabs()->tabText(tab).toStdString()));
    });
    QObject::connect(pages.host, &HostPage::sessionOutcome, remotePage,
                     &RemotePage::showSessionEnd);
    bringFilesAfterLogin(sheet, config, pages);
    TransferQueue* queue = &host.control().transferQueue();
    sheet.setBatchSource([queue] { return queue->batch(); });
    QObject::connect(&sheet, &MainSheet::pageEntered, &sheet, [optionsPage](QWidget* page) {
        if (page == optionsPage)
            optionsPage->activate();
    });
    QObject::connect(optionsPage, &OptionsPage::uninstallRequested, &sheet,
                     &MainSheet::requestUninstall);
    SiteList* siteList = &sites;
    QObject::connect(optionsPage, &OptionsPage::reloadDefaultSitesRequested, &sheet,
                     [siteList] { siteList->reloadDefaultSites(); });
    // The window opens at the size the dialog units give; the pages stretch with it. The
    // large one is roomier than the Windows version's, for the statistics beside the
    // Host dialog and the two views of the Files page.
    const int unitX = sheet.fontMetrics().averageCharWidth();
    const int unitY = sheet.fontMetrics().height();
    sheet.resizeWithinScreen(classic ? QSize(unitX * 240 / 4, unitY * 160 / 8)
                                     : QSize(unitX * 560 / 4, unitY * 300 / 8));
    sheet.rememberPlacement();
    return pages;
}

}  // namespace nubo
