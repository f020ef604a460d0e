#include "sites/host_controller.h"

#include <strings.h>
#include <sys/stat.h>

#include <QStandardPaths>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/ftp_session.h"
#include "engine/main_outlets.h"
#include "engine/monotonic_clock.h"
#include "engine/session_worker.h"
#include "engine/trusted_certificates.h"
#include "platform/xdg_paths.h"
#include "shellext/shortcut_library.h"
#include "sites/network_diagnostics.h"

namespace nubo {

namespace {

const char* const kWatchedSettings[] = {"ProxyType", "Passive", "Restart", "Statistics"};

bool isAnonymous(const std::string& user) {
    return strcasecmp(user.c_str(), "anonymous") == 0;
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// The last component of a path, after the last "/" or backslash.
std::string lastComponent(const std::string& path) {
    size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

HostController::HostController(Context context)
    : context_(std::move(context)),
      config_(*context_.config),
      sites_(*context_.appKey, config_),
      restartDb_(context_.dataFolder),
      statistics_(context_.dataFolder) {
    context_.log->AddListener(&outcome_);
}

HostController::~HostController() {
    if (listener_ != nullptr) {
        listener_->hostControllerGone();
        listener_ = nullptr;
    }
    if (worker_ != nullptr) {
        // The owner is going: the session must not outlive what it reports to.
        if (FtpSession* session = worker_->session()) {
            session->abort();
            session->enqueue(LogoffRequest{});
        }
        cancel_ = true;
        worker_->join();
        worker_.reset();
    }
    for (const char* name : kWatchedSettings) {
        config_.Unsubscribe(name);
    }
    // A session left behind at the exit may still log.
    context_.log->RemoveListener(&outcome_);
}

bool HostController::endSession(int graceMs) {
    if (worker_ == nullptr) {
        return true;
    }
    cancel_ = true;
    outcome_.endRequested();
    if (FtpSession* running = worker_->session()) {
        running->abort();
        running->enqueue(LogoffRequest{});
        if (!worker_->waitFinished(graceMs)) {
            context_.log->LogExtended("... the server did not answer; connection dropped");
            // Wakes a worker blocked on the control connection; the socket lives as
            // long as the session's run, which has not ended.
            running->control().socket().shutdown();
        }
    }
    const bool ended = worker_->waitFinished(graceMs);
    if (ended) {
        worker_->join();
        worker_.reset();
    } else {
        SessionWorker::abandon(std::move(worker_));
    }
    loggedIn_ = false;
    connectedTo_.clear();
    return ended;
}

void HostController::changed() {
    if (listener_ != nullptr) {
        listener_->hostStateChanged();
    }
}

void HostController::post(std::function<void()> work) {
    if (context_.poster) {
        context_.poster(std::move(work));
    } else {
        work();
    }
}

void HostController::startUp() {
    restartOpen_ = restartDb_.open();
    if (restartOpen_) {
        restartDb_.takeSlot(config_.GetInt("CLConnect") != 0);
        // A download fetched whole since it broke has nothing left to resume.
        if (restartDb_.getInProgress() != 0 && restartDb_.downloadFinished()) {
            restartDb_.setInProgress(0);
        }
        restartVisible_ = restartDb_.getInProgress() != 0;
    }
    if (context_.diagnosticsSink != nullptr) {
        diagnostics_ =
            std::make_unique<NetworkDiagnostics>(*context_.log, *context_.diagnosticsSink);
        icmpAvailable_ = diagnostics_->loadIcmp();
        icmpRefusal_ = diagnostics_->icmpRefusal();
        if (context_.icmpProbe && !context_.icmpProbe(&icmpRefusal_)) {
            diagnostics_->unloadIcmp();
            icmpAvailable_ = false;
        }
    }
    statisticsOpen_ = statistics_.open();
    statisticsOn_ = config_.GetInt("Statistics") != 0;
    liveGraphs_ = config_.GetInt("CLStart") == 0;
    if (config_.GetInt("KeepHost") != 0) {
        sites_.setCurrentHost(config_.GetString("LastHost"));
    }
    sites_.loadSites();
    if (!sites_.selected().empty()) {
        selectSite(indexOf(sites_.selected()));
    }
    config_.SetPerHostSaver([this] { sites_.savePerHostSettings(); });
    for (const char* name : kWatchedSettings) {
        config_.Subscribe(name, [this](const std::string& setting) { watchSetting(setting); });
    }
    changed();
}

void HostController::shutDown() {
    config_.SetPerHostSaver({});
    diagnostics_.reset();  // stops and waits for a running ping or trace
    if (restartOpen_) {
        if (restartDb_.getInProgress() == 0) {
            restartDb_.freeSlot();
        }
        restartDb_.close();
        restartOpen_ = false;
    }
    if (statisticsOpen_) {
        statistics_.close(statisticsOn_);
        statisticsOpen_ = false;
    }
}

FtpSession* HostController::session() const {
    return worker_ != nullptr ? worker_->session() : nullptr;
}

bool HostController::diagnosticsOffered() const {
    // A configured proxy talks to the server, not this computer: no ping, no trace.
    return config_.GetInt("ProxyType") == 0;
}

bool HostController::pingEnabled() const {
    // Diagnostics run beside a session, but never while a proxy is configured.
    return icmpAvailable_ && diagnosticsOffered();
}

bool HostController::pingRunning() const {
    return diagnostics_ != nullptr && diagnostics_->pingRunning();
}

bool HostController::traceRunning() const {
    return diagnostics_ != nullptr && diagnostics_->traceRunning();
}

void HostController::showStatus(const std::string& text) {
    if (context_.outlets != nullptr)
        context_.outlets->SetStatus(text);
}

bool HostController::shortcutEnabled() const {
    return context_.shortcuts != nullptr &&
           (static_cast<uint32_t>(config_.GetInt("CLXFlags")) & (1u << 31)) == 0;
}

int HostController::indexOf(const std::string& name) const {
    const std::vector<std::string>& box = sites_.urlBox();
    for (size_t i = 0; i < box.size(); ++i) {
        if (box[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int HostController::addAndSelect(const std::string& name) {
    int index = indexOf(name);
    if (index < 0) {
        sites_.addToUrlBox(name);
        index = indexOf(name);
    }
    selected_ = index;
    urlText_ = name;
    return index;
}

void HostController::setUrlText(const std::string& text) {
    urlText_ = text;
    selected_ = -1;
    outcome_.forget();
}

void HostController::loadCredentials(const std::string& name) {
    if (sites_.findCredentials(name, &user_, &password_)) {
        savePassword_ = !password_.empty();
    } else {
        user_.clear();
        password_.clear();
        savePassword_ = false;
    }
}

void HostController::takeUserPart(const FtpUrl& url) {
    if (url.userDefaulted) {
        user_.clear();
        password_.clear();
    } else {
        user_ = url.user;
        password_ = url.password;
    }
    savePassword_ = false;
}

void HostController::clearAnonymous() {
    if (isAnonymous(user_)) {
        user_.clear();
        password_.clear();
        savePassword_ = false;
    }
}

void HostController::selectSite(int index) {
    const std::vector<std::string>& box = sites_.urlBox();
    if (index < 0 || static_cast<size_t>(index) >= box.size()) {
        return;
    }
    outcome_.forget();
    selected_ = index;
    urlText_ = box[index];
    loadCredentials(urlText_);
    urlValid_ = true;
    changed();
}

void HostController::acceptTypedUrl() {
    urlValid_ = false;
    if (selected_ >= 0) {
        selectSite(selected_);
        return;
    }
    FtpUrl url;
    if (urlText_.empty() || !url.parse(urlText_)) {
        changed();
        return;
    }
    const std::string name = url.toString();
    if (!sites_.renameSource.empty() && sites_.copySite(sites_.renameSource, name)) {
        addAndSelect(name);
        sites_.renameSource.clear();
    }
    if (indexOf(name) < 0) {
        addAndSelect(name);
        takeUserPart(url);
    } else {
        addAndSelect(name);
        if (!url.userDefaulted) {
            user_ = url.user;
            password_ = url.password;
        }
    }
    urlValid_ = true;
    clearAnonymous();
    changed();
}

bool HostController::connect() {
    if (!urlValid_) {
        context_.log->LogExtended("... malformed URL");
        return false;
    }
    if (worker_ != nullptr) {
        return false;
    }
    FtpUrl url(urlText_);
    if (!url.isFtpScheme()) {
        return false;
    }
    const std::string name = url.toString();
    if (restartVisible_ && !restarting_ && restartOpen_ && !settleRestartRecord(url)) {
        return false;
    }
    restartVisible_ = false;

    std::string storedUser, storedPassword;
    const bool unchanged = sites_.findCredentials(urlText_, &storedUser, &storedPassword) &&
                           storedUser == user_ && storedPassword == password_ &&
                           storedPassword.empty() == !savePassword_;
    if (!unchanged) {
        if (user_.empty() || isAnonymous(user_)) {
            user_.clear();
            password_.clear();
            savePassword_ = false;
        } else if (password_.empty() && savePassword_) {
            savePassword_ = false;
        }
        if (!restarting_) {
            sites_.storeSite(urlText_, user_, savePassword_ ? password_ : std::string(), 0);
        }
    }
    config_.SetString("LastHost", name);
    pendingMode_ = 0;
    sessionSite_ = urlText_;
    startSession(url, name);
    return true;
}

bool HostController::settleRestartRecord(const FtpUrl& url) {
    if (restartDb_.getInProgress() == 0) {
        return true;
    }
    if (restartDb_.downloadFinished()) {
        restartDb_.setInProgress(0);  // fetched whole meanwhile: nothing to keep
        return true;
    }
    const std::string waiting = restartDb_.getField(RestartRecord::kUrl);
    const FtpUrl record(waiting);
    if (strcasecmp(record.host.c_str(), url.host.c_str()) != 0 ||
        record.portNumber() != url.portNumber()) {
        // Another server's transfer waits for that server: set aside, not asked about.
        restartDb_.keepSlotAndTakeNew();
        return true;
    }
    const RestartAnswer answer = question_ ? question_(waiting) : RestartAnswer::Yes;
    if (answer == RestartAnswer::Cancel) {
        return false;
    }
    if (answer == RestartAnswer::Yes) {
        restartDb_.keepSlotAndTakeNew();
    } else {
        restartDb_.setInProgress(0);
    }
    return true;
}

bool HostController::commandLineConnect(int mode, const std::string& urlText) {
    FtpUrl url;
    url.parse(urlText);
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
    if (worker_ != nullptr) {
        return false;
    }
    const std::string name = url.toString();
    addAndSelect(name);
    takeUserPart(url);
    clearAnonymous();
    urlValid_ = true;
    commandLineUrl_ = url;
    pendingMode_ = mode;
    commandLineMode_ = mode;
    commandLineDone_ = false;
    sessionSite_ = name;
    startSession(url, name);
    return true;
}

void HostController::startSession(FtpUrl url, const std::string& name) {
    url.setCredentials(user_, password_);
    // A site set to require TLS never logs in in clear, whatever its URL says.
    if (url.tls() == FtpUrl::Tls::None && sites_.requiresTls(sessionSite_))
        url.scheme = "ftpes";
    sites_.setCurrentHost(name);
    if (statisticsOn_ && statisticsOpen_) {
        // Counted from the login on: a name that never resolves, or a server never
        // reached, leaves no record behind.
        statistics_.selectHost(url.host, false);
    }
    cancel_ = false;
    loggedIn_ = false;
    outcome_.started(url.host);
    SessionContext session;
    session.log = context_.log;
    session.config = context_.config;
    session.outlets = context_.outlets;
    session.observer = this;
    session.remoteView = context_.remoteView;
    session.cancel = &cancel_;
    session.restart = restartOpen_ ? &restartDb_ : nullptr;
    session.localView = context_.localView;
    session.perHostSettings = sites_.settingsWord(sessionSite_);
    session.trustedOnce = &trustedOnce_;
    session.keepAliveMs = context_.keepAliveMs;
    session.retriesBrokenTransfers = retryBrokenTransfers_;
    // Read here, not by the worker after login: the site list is the owner's alone.
    sessionSiteType_ = perhost::transferType(session.perHostSettings);
    worker_ = std::make_unique<SessionWorker>(std::make_unique<FtpSession>(url, session));
    worker_->start();
    changed();
}

void HostController::logoff() {
    if (FtpSession* running = session()) {
        outcome_.endRequested();
        running->enqueue(LogoffRequest{});
    }
}

bool HostController::restart() {
    if (!restartOpen_ || worker_ != nullptr) {
        return false;
    }
    const std::string stored = restartDb_.getField(RestartRecord::kUrl);
    // A password typed in the dialog serves the restart: the site need not keep one.
    const std::string typedUser = user_;
    const std::string typedPassword = password_;
    const bool dialogShowsTheSite = FtpUrl(urlText_).toString() == stored;
    if (indexOf(stored) < 0) {
        addAndSelect(stored);
        takeUserPart(FtpUrl(stored));
        urlValid_ = true;
    } else {
        selectSite(indexOf(stored));
    }
    if (!typedPassword.empty() && (user_ == typedUser || (user_.empty() && dialogShowsTheSite))) {
        user_ = typedUser;
        password_ = typedPassword;
    }
    restartVisible_ = false;
    config_.SetInt("Restart", 1);
    restarting_ = true;
    if (!connect()) {
        restarting_ = false;
        restartVisible_ = restartDb_.getInProgress() != 0;
        changed();
        return false;
    }
    return true;
}

void HostController::cloneSite() {
    if (selected_ < 0) {
        return;
    }
    sites_.renameSource = sites_.urlBox()[selected_];
    urlText_ = sites_.uniqueSiteName(sites_.renameSource);
    selected_ = -1;
    changed();
}

void HostController::removeSite() {
    if (selected_ < 0) {
        return;
    }
    const int index = selected_;
    sites_.deleteSite(sites_.urlBox()[index]);
    sites_.removeFromUrlBox(static_cast<size_t>(index));
    selected_ = -1;
    const int count = static_cast<int>(sites_.urlBox().size());
    if (count == 0) {
        urlText_.clear();
        user_.clear();
        password_.clear();
        savePassword_ = false;
        urlValid_ = false;
        changed();
        return;
    }
    selectSite(index < count ? index : count - 1);
}

bool HostController::createShortcut(std::string* path) {
    if (selected_ < 0) {
        return false;
    }
    const std::string entry = sites_.urlBox()[selected_];
    const std::string host = FtpUrl(entry).host;
    if (host.empty()) {
        // The file is named after the host: without one it would be a hidden ".nubo".
        context_.log->LogExtended("... malformed URL");
        return false;
    }
    ShortcutLibrary::Object shortcut;
    if (shortcutEnabled()) {
        shortcut = context_.shortcuts->create();
    }
    if (shortcut == nullptr) {
        context_.log->LogExtended("*** Unable to create Nubo Shortcut object!");
        return false;
    }
    if (!Succeeded(shortcut->SetURL(entry))) {
        return false;
    }
    std::string folder = context_.desktopFolder;
    if (folder.empty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString();
    }
    std::string file = folder + "/" + host + ".nubo";
    for (int number = 2; exists(file); ++number) {
        file = folder + "/" + host + " (" + std::to_string(number) + ").nubo";
    }
    if (!Succeeded(shortcut->Save(file, true))) {
        context_.log->LogExtended("*** Unable to create Nubo Shortcut object!");
        return false;
    }
    shortcut->SaveCompleted(file);
    if (path != nullptr) {
        *path = file;
    }
    return true;
}

bool HostController::ping() {
    if (!urlValid_) {
        context_.log->LogExtended("... malformed URL");
        return false;
    }
    return pingEnabled() && diagnostics_->startPing(FtpUrl(urlText_).host);
}

bool HostController::traceRoute() {
    if (!urlValid_) {
        context_.log->LogExtended("... malformed URL");
        return false;
    }
    return pingEnabled() && diagnostics_->startTraceRoute(FtpUrl(urlText_).host);
}

void HostController::stopPing() {
    if (diagnostics_ != nullptr) {
        diagnostics_->stopPing();
    }
}

void HostController::stopTraceRoute() {
    if (diagnostics_ != nullptr) {
        diagnostics_->stopTraceRoute();
    }
}

void HostController::sessionLoggedIn(const std::string& connectedText) {
    FtpSession* running = session();
    const int mode = pendingMode_;
    pendingMode_ = 0;
    outcome_.loggedIn();
    if (running != nullptr && mode >= 2) {
        if (!commandLineDone_) {
            issueCommandLineRequest(*running, mode);
        }
        if (config_.GetInt("NoUIQuit") != 0 || quitAfterCommandLine_) {
            outcome_.endRequested();
            running->enqueue(LogoffRequest{1});
        }
    }
    post([this, connectedText, mode] {
        loggedIn_ = true;
        connectedTo_ = connectedText;
        if (statisticsOn_ && statisticsOpen_) {
            statistics_.countConnect();
        }
        changed();
        if (listener_ != nullptr && statisticsOn_)
            listener_->statisticsCounted();
        if (listener_ != nullptr && mode < 2)
            listener_->sessionReady();
    });
}

void HostController::issueCommandLineRequest(FtpSession& session, int mode) {
    uint32_t type;
    const uint32_t siteType = sessionSiteType_;
    if (config_.GetInt("CLXMode") != 0) {
        type = static_cast<uint32_t>(config_.GetInt("CLXMode") - 1);
    } else if (siteType != 0) {
        type = siteType - 1;
    } else if (config_.GetInt("KeepXMode") != 0) {
        type = static_cast<uint32_t>(config_.GetInt("LastXMode"));
    } else {
        type = 0;
    }
    std::string folder = config_.GetString("CLXDir");
    if (folder.empty() && config_.GetInt("KeepXDir") != 0) {
        folder = config_.GetString("LastXDir");
    }
    TransferOptions options;
    options.mode = (type & 3) == 0   ? TransferMode::Ascii
                   : (type & 3) == 1 ? TransferMode::Image
                                     : TransferMode::Smart;
    options.updateOnly = (config_.GetInt("CLXFlags") & 1) != 0;
    // The file names of the command line start at its third word.
    const std::vector<std::string>& args = context_.commandLineArgs;
    const std::vector<std::string> names(args.size() > 2 ? args.begin() + 2 : args.end(),
                                         args.end());
    switch (mode) {
        case 2:
            session.enqueue(PutRequest{{}, names, options});
            break;
        case 3:
            if (commandLineUrl_.type == 'd') {
                // An empty folder means the current one, not the root.
                if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') {
                    folder += '/';
                }
                session.enqueue(ListToFileRequest{{}, folder + commandLineUrl_.host + ".txt"});
            } else {
                if (commandLineUrl_.type == 'a') {
                    options.mode = TransferMode::Ascii;
                } else if (commandLineUrl_.type == 'i') {
                    options.mode = TransferMode::Image;
                }
                GetRequest get;
                get.names.push_back(lastComponent(commandLineUrl_.decodedPath()));
                get.namesIgnoreCase = true;
                get.options = options;
                get.localFolder = folder;
                session.enqueue(std::move(get));
            }
            break;
        case 4: {
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
        case 5: {
            GetRequest get;
            get.names = names;
            get.options = options;
            get.localFolder = folder;
            session.enqueue(std::move(get));
            break;
        }
        default:
            break;
    }
}

bool HostController::brokenTransferWaiting() const {
    return restartOpen_ && worker_ == nullptr && restartDb_.getInProgress() != 0;
}

uint32_t HostController::brokenTransferFailureBit() const {
    const std::string operation = restartDb_.getField(RestartRecord::kOperation);
    return !operation.empty() && operation[0] == 'P' ? exitbit::kPutFailed : exitbit::kGetFailed;
}

bool HostController::retryCommandLine() {
    if (!brokenTransferWaiting() || commandLineMode_ < 2) {
        return false;
    }
    // The names up to the broken one are done (or failed for good); the broken one
    // resumes from its restart record.
    const std::string operation = restartDb_.getField(RestartRecord::kOperation);
    const bool isGet = !operation.empty() && operation[0] == 'G';
    const std::string broken =
        restartDb_.getField(isGet ? RestartRecord::kRemoteFile : RestartRecord::kLocalPath);
    std::vector<std::string>& args = context_.commandLineArgs;
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& name = args[i];
        // An upload's record holds the path: the name as given, or in the -d folder.
        const bool same = name == broken || (!isGet && broken.ends_with("/" + name));
        if (same) {
            args.erase(args.begin() + 2, args.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            break;
        }
    }
    // A single file named by the URL is the broken transfer itself.
    commandLineDone_ = commandLineMode_ == 3 || args.size() <= 2;
    pendingMode_ = commandLineMode_;
    startSession(commandLineUrl_, sessionSite_);
    return true;
}

void HostController::sessionEnded() {
    post([this] { onSessionEnded(); });
}

void HostController::onSessionEnded() {
    if (worker_ != nullptr) {
        worker_->join();
        worker_.reset();
    }
    loggedIn_ = false;
    connectedTo_.clear();
    if (context_.outlets != nullptr) {
        context_.outlets->SetStatus({});
    }
    restarting_ = false;
    restartVisible_ = restartOpen_ && restartDb_.getInProgress() != 0;
    outcome_.ended();
    changed();
    if (listener_ != nullptr) {
        listener_->sessionFinished(outcome_.message());
    }
    askAboutCertificate();
}

void HostController::certificateRefused(const std::string& host, unsigned port,
                                        const TlsCertificateFacts& facts) {
    post([this, host, port, facts] { refusals_.push_back({host, port, facts}); });
}

void HostController::askAboutCertificate() {
    if (refusals_.empty())
        return;
    const Refusal refusal = refusals_.back();
    refusals_.clear();
    if (!certificateQuestion_ || worker_ != nullptr)
        return;
    const TrustAnswer answer = certificateQuestion_(refusal.host, refusal.port, refusal.facts);
    if (answer == TrustAnswer::Cancel)
        return;
    if (answer == TrustAnswer::Always) {
        TrustedCertificates store;
        const std::string file = context_.dataFolder + TrustedCertificates::kFileName;
        if (!isAbsoluteFolder(context_.dataFolder)) {
            context_.log->LogExtended("*** No data folder to keep the certificate in");
        } else if (!store.load(file)) {
            context_.log->LogExtended("*** ", store.refusal());
        } else if (!store.add(refusal.host, refusal.port, refusal.facts.fingerprint)) {
            context_.log->LogExtended("*** Unable to write ", file);
        }
    } else {
        trustedOnce_.push_back(refusal.facts.fingerprint);
    }
    connect();
}

void HostController::transferStarted(int64_t expectedSize, int64_t startMs) {
    transferExpected_ = expectedSize;
    transferStartMs_ = startMs;
    endedBytes_ = -1;
    post([this, expectedSize, startMs] {
        if (listener_ != nullptr)
            listener_->transferStarted(expectedSize, startMs);
    });
}

void HostController::transferProgress(int64_t bytes) {
    // Reports come every thousand bytes: one post at a time carries the latest count.
    progressBytes_ = bytes;
    if (progressQueued_.exchange(true))
        return;
    post([this] {
        progressQueued_ = false;
        if (listener_ != nullptr)
            listener_->transferProgress(progressBytes_, monotonicMilliseconds());
    });
}

void HostController::transferEnded(int64_t bytes, int64_t endMs) {
    const int64_t milliseconds = endMs > transferStartMs_ ? endMs - transferStartMs_ : 0;
    post([this, bytes, endMs] {
        if (listener_ != nullptr)
            listener_->transferEnded(bytes, endMs);
    });
    if (transferExpected_ == 0) {
        return;  // a listing, not a file
    }
    endedBytes_ = bytes;
    endedMilliseconds_ = milliseconds;
}

void HostController::transferOutcome(bool whole) {
    // An aborted or broken file is no file: it is counted only once it is whole.
    const int64_t bytes = endedBytes_;
    const int64_t milliseconds = endedMilliseconds_;
    endedBytes_ = -1;
    if (!whole || bytes < 0) {
        return;
    }
    post([this, bytes, milliseconds] {
        if (statisticsOn_ && statisticsOpen_) {
            statistics_.countTransfer(bytes, milliseconds);
            if (listener_ != nullptr)
                listener_->statisticsCounted();
        }
    });
}

void HostController::watchSetting(const std::string& name) {
    if (name == "Statistics") {
        statisticsOn_ = config_.GetInt("Statistics") != 0;
    } else if (name == "ProxyType") {
        // Ping and trace route follow pingEnabled().
    } else if (FtpSession* running = session()) {
        running->settingChanged(name);
    }
    changed();
}

}  // namespace nubo
