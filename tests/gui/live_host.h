#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "base/app_log.h"
#include "base/config_store.h"
#include "platform/registry_key.h"
#include "shellext/shortcut_library.h"
#include "sites/host_controller.h"
#include "tests/support/pyftpd_fixture.h"
#include "tests/support/recording_ports.h"
#include "tests/support/test_home.h"
#include "views/remote_directory_model.h"
#include "views/type_table.h"

namespace nubo::test {

// A Host controller with everything the window gives it (settings, log, outlets, the
// remote view, shortcuts, a poster onto the GUI thread) and a real pyftpdlib server to
// log in to. Settings notifications are on, as in the program.
class LiveHost {
  public:
    // serverArgs go to the pyftpdlib server (for example "--rate", "400000").
    explicit LiveHost(DiagnosticsSink* sink = nullptr,
                      const std::vector<std::string>& serverArgs = {});
    ~LiveHost();

    // Makes and starts the controller; stop() logs off, waits and shuts it down.
    HostController& start();
    void stop();
    // Connects to url (the server's root with the named account by default) and waits
    // for the login.
    bool logIn(const std::string& url = {});
    // Whether a line of the log starts with the text; the whole log for messages.
    bool logHas(const std::string& start) const;
    std::string logText() const;

    TestHome home;
    PyFtpdServer server;
    AppLog log;
    ConfigStore config;
    RegistryKey appKey{home.settingsFile()};
    RecordingOutlets outlets;
    TypeTable types;  // before the model, which sorts by it
    RemoteDirectoryModel remoteView{log};
    ShortcutLibrary shortcuts{NUBOSX_LIBRARY};
    QObject postTarget;
    HostController::Context context;
    std::unique_ptr<HostController> host;
};

}  // namespace nubo::test
