#pragma once

#include <functional>
#include <string>

class QWidget;

namespace nubo {

class AppLog;
class ConfigStore;
class HelpPage;
class LogPage;
class MainSheet;
class HostController;
class HostPage;
class OptionsPage;
class QtDiagnosticsSink;
class LocalDirectoryModel;
class RemoteDirectoryModel;
class RemotePage;
class SiteList;
class TypeTable;

// The pages of the main sheet, made and added in tab order for the interface that
// "Classic" chooses; pages apply their edits when they are left.
struct SheetPages {
    HostPage* host = nullptr;
    RemotePage* remote = nullptr;
    // The tab that shows the remote page: the page itself (Classic) or the Files page.
    QWidget* remoteTab = nullptr;
    LogPage* log = nullptr;
    OptionsPage* options = nullptr;
    HelpPage* help = nullptr;

    // What the pages show beyond the settings and the log.
    struct Models {
        HostController& host;
        RemoteDirectoryModel& remoteView;
        TypeTable& types;                // the remote entries' type names and icons
        LocalDirectoryModel& localView;  // the large interface's Files page
        QtDiagnosticsSink& sink;         // ping and trace results
    };

    // The Host page over the host controller; its site list and selection serve the
    // Options page. The remote page (Classic) or the Files page shows the session's view
    // of the server. The window takes the place, size and layout it kept (WindowMemory).
    static SheetPages build(MainSheet& sheet, AppLog& log, ConfigStore& config, Models models,
                            const std::string& helpFolder);
};

}  // namespace nubo
