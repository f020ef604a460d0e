#pragma once

#include <functional>
#include <string>

#include "base/config_store.h"
#include "platform/registry_key.h"
#include "sites/host_controller.h"

namespace nubo {

class AppLog;
class CommandLineRequest;
class MainOutlets;
class RemoteDirectoryModel;
class ShortcutLibrary;

// The start-up and exit steps that the windowed and the headless program share: the
// data folder and start values, the settings loaded (a damaged file reported), the log's
// flags and banner, the URL defaults and the open command; at exit "Exiting", old
// restart data dropped and the settings saved.
class AppSession {
  public:
    // How long a connected session gets to answer QUIT at exit before it is dropped.
    static constexpr int kQuitGraceMs = 2000;

    AppSession(const CommandLineRequest& request, AppLog& log);
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    void start();
    // The exit sequence, after the session has ended: the store stops notifying and,
    // unless an uninstall was asked for, is saved.
    void finish(MainOutlets& outlets, bool save = true);

    // What the Host page's logic needs of this run, its ports and poster given.
    HostController::Context hostContext(MainOutlets& outlets, RemoteDirectoryModel& remoteView,
                                        ShortcutLibrary& shortcuts,
                                        std::function<void(std::function<void()>)> poster);

    ConfigStore& config() { return config_; }
    RegistryKey& appKey() { return appKey_; }
    const std::string& dataFolder() const { return dataFolder_; }

  private:
    const CommandLineRequest& request_;
    AppLog& log_;
    ConfigStore config_;
    RegistryKey appKey_;
    std::string dataFolder_;
};

}  // namespace nubo
