#include "sites/command_line_run.h"

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/ftp_session.h"
#include "engine/main_outlets.h"
#include "sites/command_line_password.h"
#include "sites/session_control.h"
#include "sites/site_selection.h"

namespace nubo {

namespace {

// The last component of a path, after the last "/" or backslash.
std::string lastComponent(const std::string& path) {
    size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

CommandLineRun::CommandLineRun(HostContext& context, SiteSelection& selection,
                               SessionControl& control)
    : context_(context), selection_(selection), control_(control) {}

bool CommandLineRun::connect(CommandLineMode mode, const std::string& urlText) {
    FtpUrl url;
    url.parse(urlText, UrlDefaults::of(*context_.config));
    if (url.host.empty()) {
        context_.log->LogExtended("*** Invalid URL: ", FtpUrl::withoutCredentials(urlText));
        return false;
    }
    if (!url.isFtpScheme()) {
        // Another protocol's URL would otherwise run as plain FTP and send its password
        // in clear; the text shown leaves the credentials out.
        context_.log->LogExtended("*** Invalid URL: ", url.toString());
        return false;
    }
    if (control_.sessionActive()) {
        return false;
    }
    CommandLinePassword(*context_.log, context_.commandLinePassword, context_.netrcPath,
                        context_.netrcDefaultServes)
        .complete(urlText, &url);
    selection_.takeCommandLineSite(url);
    url_ = url;
    mode_ = mode;
    site_ = url.toString();
    startSession();
    return true;
}

void CommandLineRun::startSession() {
    if (!transfers(mode_)) {
        control_.start(url_, site_);  // a connect to browse: the windows take over
        return;
    }
    control_.start(url_, site_, [this](FtpSession& session) { return afterLogin(session); });
}

bool CommandLineRun::afterLogin(FtpSession& session) {
    queueRequests(session);
    return context_.config->GetInt("NoUIQuit") != 0 || quitAfterRun_;
}

void CommandLineRun::queueRequests(FtpSession& session) {
    ConfigStore& config = *context_.config;
    uint32_t type;
    const uint32_t siteType = control_.sessionSiteType();
    if (config.GetInt("CLXMode") != 0) {
        type = static_cast<uint32_t>(config.GetInt("CLXMode") - 1);
    } else if (siteType != 0) {
        type = siteType - 1;
    } else if (config.GetInt("KeepXMode") != 0) {
        type = static_cast<uint32_t>(config.GetInt("LastXMode"));
    } else {
        type = 0;
    }
    std::string folder = config.GetString("CLXDir");
    if (folder.empty() && config.GetInt("KeepXDir") != 0) {
        folder = config.GetString("LastXDir");
    }
    TransferOptions options;
    options.mode = (type & 3) == 0   ? TransferMode::Ascii
                   : (type & 3) == 1 ? TransferMode::Image
                                     : TransferMode::Smart;
    options.updateOnly = (config.GetInt("CLXFlags") & 1) != 0;
    // The file names of the command line start at its third word.
    const std::vector<std::string>& args = context_.commandLineArgs;
    const std::vector<std::string> names(args.size() > 2 ? args.begin() + 2 : args.end(),
                                         args.end());
    switch (mode_) {
        case CommandLineMode::TransferListed:
            session.enqueue(PutRequest{{}, names, options});
            break;
        case CommandLineMode::Fetch:
            if (url_.type == 'd') {
                // An empty folder means the current one, not the root.
                if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') {
                    folder += '/';
                }
                session.enqueue(ListToFileRequest{{}, folder + url_.host + ".txt", true});
            } else {
                if (url_.type == 'a') {
                    options.mode = TransferMode::Ascii;
                } else if (url_.type == 'i') {
                    options.mode = TransferMode::Image;
                }
                GetRequest get;
                get.names.push_back(lastComponent(url_.decodedPath()));
                get.namesIgnoreCase = true;
                get.options = options;
                get.localFolder = folder;
                session.enqueue(std::move(get));
            }
            break;
        case CommandLineMode::PutNames: {
            // The local files are named in the folder given.
            std::string directory = folder;
            if (!directory.empty() && directory.back() != '/')
                directory += '/';
            std::vector<std::string> paths;
            for (const std::string& name : names)
                paths.push_back(directory + name);
            session.enqueue(PutRequest{{}, std::move(paths), options});
            break;
        }
        case CommandLineMode::GetNames: {
            GetRequest get;
            get.names = names;
            get.options = options;
            get.localFolder = folder;
            session.enqueue(std::move(get));
            break;
        }
        case CommandLineMode::Nothing:
        case CommandLineMode::Connect:
            break;
    }
}

}  // namespace nubo
