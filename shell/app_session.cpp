#include "shell/app_session.h"

#include "base/app_log.h"
#include "base/netrc.h"
#include "engine/main_outlets.h"
#include "shell/command_line_request.h"
#include "shell/log_banner.h"
#include "shell/start_up.h"
#include "views/remote_directory_model.h"

namespace nubo {

namespace {

// Versions before this one kept restart data in the settings; it is dropped at exit.
constexpr uint32_t kLastSettingsRestartVersion = 0x02010200;

}  // namespace

AppSession::AppSession(const CommandLineRequest& request, AppLog& log)
    : request_(request), log_(log), appKey_(RegistryKey::application()) {}

void AppSession::start() {
    dataFolder_ = StartUp::prepareDataFolder(StartUp::startDirectory());
    StartUp::storeStartValues(request_, dataFolder_, config_);
    config_.SetApplicationKey(&appKey_);
    config_.LoadSettings(appKey_);

    log_.SetFlags(config_.GetInt("Logging") != 0, config_.GetInt("LogCmd") != 0,
                  config_.GetInt("LogExt") != 0);
    LogBanner::append(log_);
    if (appKey_.wasRepaired()) {
        log_.AppendLine(
            "*** The settings file was damaged (an unterminated quote); every "
            "readable value was kept" +
            (appKey_.damagedCopy().empty()
                 ? std::string()
                 : ", the damaged file was copied to " + appKey_.damagedCopy()));
    }
    if (!appKey_.refusal().empty()) {
        log_.AppendLine("*** The settings file " + appKey_.refusal() +
                        ": not read; this run uses the default settings and saves none, "
                        "leaving the file as it is");
    }
    if (!request_.shortcutRefusal.empty())
        log_.AppendLine("*** " + request_.shortcutRefusal);
    if (!request_.folderRefusal.empty())
        log_.AppendLine("*** " + request_.folderRefusal);
    if (!request_.folderNote.empty())
        log_.AppendLine(request_.folderNote);
    if ((request_.flags & CommandLineRequest::kRegisterFailed) == 0) {
        StartUp::refreshOpenCommand(config_.GetString("AppFile"));
    }
}

HostController::Context AppSession::hostContext(MainOutlets& outlets,
                                                RemoteDirectoryModel& remoteView,
                                                ShortcutLibrary& shortcuts,
                                                std::function<void(std::function<void()>)> poster) {
    HostController::Context context;
    context.log = &log_;
    context.config = &config_;
    context.outlets = &outlets;
    context.remoteView = &remoteView;
    context.shortcuts = &shortcuts;
    context.appKey = &appKey_;
    context.dataFolder = dataFolder_;
    context.poster = std::move(poster);
    context.commandLineArgs = request_.args;
    context.commandLinePassword = request_.handedPassword;
    context.netrcPath = Netrc::defaultPath();
    context.netrcDefaultServes = !request_.fromShortcut();
    return context;
}

void AppSession::finish(MainOutlets& outlets, bool save) {
    outlets.SetStatus("Exiting");
    config_.EnableNotifications(false);
    if (static_cast<uint32_t>(config_.GetInt("XAppVersion")) < kLastSettingsRestartVersion) {
        appKey_.deleteSubkey("Restart");
    }
    if (save) {
        config_.SaveSettings(appKey_);
    }
}

}  // namespace nubo
