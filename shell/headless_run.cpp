#include "shell/headless_run.h"

#include <unistd.h>

#include <chrono>

#include "base/app_log.h"
#include "base/config_store.h"
#include "base/post_queue.h"
#include "engine/main_outlets.h"
#include "engine/url_defaults.h"
#include "platform/registry_key.h"
#include "shell/command_line_request.h"
#include "shell/console_outlets.h"
#include "shell/log_banner.h"
#include "shell/start_up.h"
#include "shell/stream_log_writer.h"
#include "sites/host_controller.h"
#include "views/remote_directory_model.h"

namespace nubo {

namespace {

// Versions before this one kept restart data in the settings; it is dropped at exit.
constexpr uint32_t kLastSettingsRestartVersion = 0x02010200;

void setUrlDefaults(const ConfigStore& config) {
    const std::string scheme = "ftp";
    const std::string user = "anonymous";
    const std::string password = config.GetString("EMail");
    const std::string port = "21";
    UrlDefaults::setDefaults(&scheme, &user, &password, &port);
}

}  // namespace

HeadlessRun::HeadlessRun(const CommandLineRequest& request, ShortcutLibrary& shortcuts,
                         FILE* stream)
    : request_(request), shortcuts_(shortcuts), stream_(stream) {}

int HeadlessRun::run() {
    AppLog log;
    ConsoleOutlets outlets(stream_, ::isatty(::fileno(stream_)) != 0);
    StreamLogWriter writer(log, stream_, &outlets);

    ConfigStore config;
    const std::string dataFolder = StartUp::prepareDataFolder(StartUp::startDirectory());
    StartUp::storeStartValues(request_, dataFolder, config);
    RegistryKey appKey = RegistryKey::application();
    config.SetApplicationKey(&appKey);
    config.LoadSettings(appKey);

    log.SetFlags(config.GetInt("Logging") != 0, config.GetInt("LogCmd") != 0,
                 config.GetInt("LogExt") != 0);
    LogBanner::append(log);
    if (appKey.wasRepaired()) {
        log.AppendLine(
            "*** The settings file was damaged (an unterminated quote); every "
            "readable value was kept" +
            (appKey.damagedCopy().empty()
                 ? std::string()
                 : ", the damaged file was copied to " + appKey.damagedCopy()));
    }
    setUrlDefaults(config);
    if ((request_.flags & CommandLineRequest::kRegisterFailed) == 0) {
        StartUp::refreshOpenCommand(config.GetString("AppFile"));
    }

    PostQueue queue;
    config.SetPoster([&queue](std::function<void()> work) { queue.post(std::move(work)); });
    config.EnableNotifications(true);

    RemoteDirectoryModel remoteView(log);
    HostController::Context context;
    context.log = &log;
    context.config = &config;
    context.outlets = &outlets;
    context.remoteView = &remoteView;
    context.shortcuts = &shortcuts_;
    context.appKey = &appKey;
    context.dataFolder = dataFolder;
    context.poster = [&queue](std::function<void()> work) { queue.post(std::move(work)); };
    context.commandLineArgs = request_.args;
    {
        HostController host(context);
        host.setQuitAfterCommandLine(true);
        host.startUp();
        if (host.commandLineConnect(request_.mode, request_.slot(0))) {
            while (host.sessionActive()) {
                queue.waitForWork(std::chrono::milliseconds(200));
                queue.runPending();
            }
        } else {
            // Nothing could be tried: a script must not read that as success.
            outlets.AddExitBits(exitbit::kConnectFailed);
        }
        queue.runPending();

        outlets.SetStatus("Exiting");
        config.EnableNotifications(false);
        if (static_cast<uint32_t>(config.GetInt("XAppVersion")) < kLastSettingsRestartVersion) {
            appKey.deleteSubkey("Restart");
        }
        config.SaveSettings(appKey);
        host.shutDown();
    }
    outlets.clearLine();
    return request_.exitCode(outlets.exitBits());
}

}  // namespace nubo
