#pragma once

#include <functional>
#include <string>

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
class RemoteDirectoryModel;
class RemotePage;
class SiteList;

// The pages of the main sheet, made and added in tab order for the interface that
// "Classic" chooses; pages apply their edits when they are left.
struct SheetPages {
    HostPage* host = nullptr;
    RemotePage* remote = nullptr;
    LogPage* log = nullptr;
    OptionsPage* options = nullptr;
    HelpPage* help = nullptr;

    // The Host page over host (its diagnostics reporting to sink); its site list and
    // selection serve the Options page. The remote page shows remoteView, the session's
    // view of the server.
    static SheetPages build(MainSheet& sheet, AppLog& log, ConfigStore& config,
                            HostController& host, RemoteDirectoryModel& remoteView,
                            QtDiagnosticsSink& sink, const std::string& helpFolder);
};

}  // namespace nubo
