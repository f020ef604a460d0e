#include "engine/ftp_session.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/main_outlets.h"
#include "engine/remote_view_contract.h"
#include "engine/restart_record.h"
#include "engine/session_observer.h"
#include "engine/winsock_error.h"
#include "platform/listing_locale.h"

namespace nubo {

namespace {

constexpr int kControlBufferSize = 4096;

}  // namespace

FtpSession::FtpSession(const FtpUrl& target, const SessionContext& context)
    : target_(target),
      context_(context),
      route_(ProxyRoute::fromSettings(target_, context_)),
      control_(*context.log),
      connector_(control_, route_, target_, context_),
      connection_(control_, connector_, route_, target_, context_),
      protocol_(control_, connection_, connector_, *context.log, listingLocaleData_, rawLogging_),
      data_(connector_.socket()) {
    ConfigStore& config = *context_.config;
    simultaneousTransfers_ = std::max(1, context_.simultaneousTransfers);
    knownConnectionLimit_ = context_.knownConnectionLimit;
    if (context_.downloadLimit == nullptr)
        context_.downloadLimit = &ownDownloadLimit_;
    if (context_.uploadLimit == nullptr)
        context_.uploadLimit = &ownUploadLimit_;
    if (context_.listings == nullptr)
        context_.listings = &ownListings_;
    if (!context_.poolMember) {
        settingChanged("DownloadLimit");
        settingChanged("UploadLimit");
    }
    connector_.setPassive(config.GetInt("Passive") != 0);
    listingLocale_ = perhost::locale(context_.perHostSettings);
    listingLocaleData_ = ListingLocale::of(listingLocale_);

    uint32_t zoneCode = perhost::timeZoneCode(context_.perHostSettings);
    if (zoneCode != 0) {
        // Seconds to add to local time for UTC, and to add to the server's time for UTC.
        time_t now = time(nullptr);
        tm local{};
        localtime_r(&now, &local);
        localZoneBias_ = static_cast<int32_t>(-local.tm_gmtoff);
        hostZoneAdjustment_ = -60 * (static_cast<int32_t>(zoneCode) * 15 - 960);
    }

    // Command-line transfers keep restart records too: a run that loses its connection
    // resumes through them.
    restartEnabled_ = config.GetInt("Restart") != 0;
    installOperations();
}

bool FtpSession::cancelled() const {
    return context_.cancel != nullptr && *context_.cancel;
}

void FtpSession::logExtended(const std::string& text) {
    context_.log->LogExtended(text);
    if (currentTask_ != 0 && text.starts_with("*** ")) {
        taskProblem_ = text.substr(4);
    } else if (currentTask_ != 0 && text.starts_with("... ")) {
        taskNote_ = text.substr(4);
    }
}

void FtpSession::setStatus(const std::string& text) {
    if (context_.outlets != nullptr) {
        context_.outlets->SetStatus(text);
    }
}

void FtpSession::closeControl() {
    control_.socket().close();
}

bool FtpSession::start() {
    FtpSocket& socket = control_.socket();
    if (socket.createBlocking() && socket.setNoDelay(true)) {
        socket.setBufferSize(kControlBufferSize);
    }
    std::string connecting = "Connecting to " + target_.host;
    setStatus(connecting);
    logExtended(connecting);

    bool connected = connectControl();
    bool loggedIn = connected && login();
    if (!loggedIn && context_.poolMember) {
        // The pool decides what a refused extra connection means; it is no failed login.
        if (connection_.refusedForLoad()) {
            logExtended("... the server takes no more connections now");
        } else if (!connected) {
            control_.logWinsockError("... failed to connect, WinSock err = %s");
        }
        return false;
    }
    if (!loggedIn) {
        if (cancelled()) {
            logExtended("... login aborted");
        } else {
            setStatus({});
            if (connection_.tlsFailed()) {
                logExtended("... no secure connection");
            } else if (!connected) {
                control_.logWinsockError("... failed to connect, WinSock err = %s");
            } else {
                logExtended("... failed to log in");
            }
            if (context_.outlets != nullptr) {
                // A TLS failure is a failed connection, not a refused login.
                context_.outlets->AddExitBits(connected && !connection_.tlsFailed()
                                                  ? exitbit::kLoginFailed
                                                  : exitbit::kConnectFailed);
            }
            if (context_.config->GetInt("CLStart") != 0 &&
                context_.config->GetInt("NoUIQuit") != 0) {
                exitCode_ = 3;
            }
        }
        return false;
    }
    afterLogin();
    return true;
}

void FtpSession::afterLogin() {
    if (!cancelled()) {
        connection_.requestFeatures();
    }
    if (context_.poolMember) {
        logExtended("Connected to " + target_.host + " for the batch");
        currentUrl_ = target_.toString();  // what a kept restart record names
        return;
    }
    NetAddress peer;
    control_.socket().peerEndpoint(&peer);
    const std::string connectedText = target_.host + " " + peer.bracketedText();

    if (!cancelled() && context_.config->GetInt("CLStart") == 0) {
        connection_.askSystem();
    }
    std::string connected = std::string("Connected to ") + connectedText;
    setStatus(connected);
    logExtended(connected);

    listings().clear();  // what an earlier login listed may have changed since
    if (context_.remoteView != nullptr) {
        context_.remoteView->onConnected(this);
    }
    if (!cancelled()) {
        enqueue(ChangeDirectoryRequest{target_.decodedPath(), DirectoryFlags{.tryParent = true}});
    }
    // The resumed transfer goes first: a command-line run queues its own requests (and
    // its Logoff) when it hears of the login.
    currentUrl_ = target_.toString();
    if (!cancelled()) {
        resumeAfterLogin();
    }
    if (context_.observer != nullptr) {
        context_.observer->sessionLoggedIn(connectedText);
    }
    if (cancelled()) {
        enqueue(LogoffRequest{});
        logExtended("... login aborted");
    }
}

void FtpSession::resumeAfterLogin() {
    RestartRecord* record = context_.restart;
    if (!restartEnabled_ || record == nullptr) {
        return;
    }
    resumePending_ = record->getInProgress() != 0;
    if (!resumePending_) {
        record->setField(RestartRecord::kUrl, currentUrl_);
        return;
    }
    enqueue(ChangeDirectoryRequest{record->getField(RestartRecord::kRemoteDir), {}});
    const std::string operation = record->getField(RestartRecord::kOperation);
    const char letter = operation.size() > 1 ? operation[1] : 'i';
    TransferOptions options;
    options.mode = letter == 'a'   ? TransferMode::Ascii
                   : letter == 'x' ? TransferMode::Smart
                                   : TransferMode::Image;
    const std::string localPath = record->getField(RestartRecord::kLocalPath);
    if (!operation.empty() && operation[0] == 'G') {
        // The file is named, not chosen: it is looked up where the record says it was.
        GetRequest get;
        get.names.push_back(record->getField(RestartRecord::kRemoteFile));
        get.namesIgnoreCase = true;
        get.options = options;
        get.localFolder = localPath;
        enqueue(std::move(get));
    } else if (!operation.empty() && operation[0] == 'P') {
        enqueue(PutRequest{{}, {localPath}, options});
    }
}

}  // namespace nubo
