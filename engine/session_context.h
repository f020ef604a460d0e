#pragma once

#include <atomic>

namespace nubo {

class AppLog;
class ConfigStore;
class MainOutlets;
class SessionObserver;
class RemoteViewContract;

// Everything a session reports to or reads from. The log, the store and the outlets
// are required; the observer and the view may be absent (a headless run has no view).
struct SessionContext {
    AppLog* log = nullptr;
    ConfigStore* config = nullptr;
    MainOutlets* outlets = nullptr;
    SessionObserver* observer = nullptr;
    RemoteViewContract* remoteView = nullptr;
    // The Host page's cancel flag: set by the user cancelling a connect, only read here.
    const std::atomic<bool>* cancel = nullptr;
};

}  // namespace nubo
