#include "sites/session_control.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <memory>

#include <strings.h>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/ftp_session.h"
#include "engine/main_outlets.h"
#include "engine/monotonic_clock.h"
#include "engine/session_worker.h"
#include "engine/trusted_certificates.h"
#include "platform/xdg_paths.h"
#include "sites/connection_limits.h"
#include "sites/site_selection.h"

namespace nubo {

namespace {

const char* const kWatchedSettings[] = {
    "ProxyType",     "Passive",    "Restart", "Statistics", "SimultaneousTransfers",
    "DownloadLimit", "UploadLimit"};

}  // namespace

SessionControl::SessionControl(HostContext& context, const HostListenerSlot& listener,
                               SiteSelection& selection)
    : context_(context),
      listener_(listener),
      selection_(selection),
      config_(*context.config),
      restartDb_(context.dataFolder),
      statistics_(context.dataFolder) {
    context_.log->AddListener(&outcome_);
}

SessionControl::~SessionControl() {
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
    for (ConfigStore::Subscription subscription : subscriptions_) {
        config_.Unsubscribe(subscription);
    }
    // A session left behind at the exit may still log.
    context_.log->RemoveListener(&outcome_);
}

void SessionControl::startUp() {
    restartOpen_ = restartDb_.open();
    if (restartOpen_) {
        restartDb_.takeSlot(config_.GetInt("CLConnect") != 0);
        // A download fetched whole since it broke has nothing left to resume.
        if (restartDb_.getInProgress() != 0 && restartDb_.downloadFinished()) {
            restartDb_.setInProgress(0);
        }
        restartVisible_ = restartDb_.getInProgress() != 0;
    }
    statisticsOpen_ = statistics_.open();
    statisticsOn_ = config_.GetInt("Statistics") != 0;
    liveGraphs_ = config_.GetInt("CLStart") == 0;
    for (const char* name : kWatchedSettings) {
        subscriptions_.push_back(
            config_.Subscribe(name, [this](const std::string& setting) { watchSetting(setting); }));
    }
}

void SessionControl::shutDown() {
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

bool SessionControl::endSession(int graceMs) {
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

FtpSession* SessionControl::session() const {
    return worker_ != nullptr ? worker_->session() : nullptr;
}

uint32_t SessionControl::sessionSettings() const {
    return selection_.sites().settingsWord(sessionSite_);
}

bool SessionControl::connect() {
    if (!selection_.urlValid()) {
        context_.log->LogExtended("... malformed URL");
        outcome_.refused(selection_.urlText().empty()
                             ? "Type the address of a server, as in ftp://ftp.example.com/"
                             : "\"" + selection_.urlText() +
                                   "\" is not an address to connect to, as in "
                                   "ftp://ftp.example.com/");
        return false;
    }
    if (worker_ != nullptr) {
        return false;
    }
    FtpUrl url(selection_.urlText(), UrlDefaults::of(config_));
    if (!url.isFtpScheme()) {
        outcome_.refused("Only ftp://, ftpes:// and ftps:// addresses can be connected to, not " +
                         url.scheme + "://");
        return false;
    }
    if (selection_.passwordPending()) {
        // The keyring has not answered yet: the connect follows its answer.
        selection_.whenPasswordRead([this] {
            if (!connect())
                connectAbandoned();
        });
        return true;
    }
    if (selection_.passwordUnavailable() && !rereadAsked_ && selection_.rereadPassword()) {
        // The keyring may have been unlocked since it last refused: asked once more, the
        // connect follows its answer.
        rereadAsked_ = true;
        const auto afterReread = [this] {
            const bool connected = connect();
            rereadAsked_ = false;
            if (!connected)
                connectAbandoned();
        };
        if (selection_.passwordPending()) {
            selection_.whenPasswordRead(afterReread);
            return true;
        }
        afterReread();
        return true;
    }
    if (selection_.passwordUnavailable()) {
        // Never a login without the password the site has saved.
        context_.log->LogExtended(
            "*** ", selection_.keyringMessage() + ": type the password, or unlock the keyring");
        return false;
    }
    if (restartVisible_ && !restarting_ && restartOpen_ && !settleRestartRecord(url)) {
        return false;
    }
    restartVisible_ = false;
    selection_.storeCredentials(restarting_);
    config_.SetString("LastHost", url.toString());
    start(url, selection_.urlText());
    return true;
}

ConflictAnswer SessionControl::askOwner(std::function<ConflictAnswer()> question) {
    struct Pending {
        std::promise<ConflictAnswer> answer;
        std::atomic<bool> wanted{true};
    };
    auto pending = std::make_shared<Pending>();
    std::future<ConflictAnswer> answer = pending->answer.get_future();
    context_.post([question = std::move(question), pending] {
        ConflictAnswer given{ConflictChoice::Cancel, false, {}};
        if (pending->wanted)
            given = question();
        pending->answer.set_value(given);
    });
    // A session stopped or ended meanwhile no longer waits for the user.
    while (answer.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
        FtpSession* session = worker_ != nullptr ? worker_->session() : nullptr;
        if (cancel_ || (session != nullptr && session->abortRequested())) {
            pending->wanted = false;
            return {ConflictChoice::Cancel, false, {}};
        }
    }
    return answer.get();
}

template <class Conflict>
std::function<ConflictAnswer(const Conflict&)> SessionControl::asking(
    const std::atomic<bool>& asks, const std::function<ConflictAnswer(const Conflict&)>& question) {
    return [this, &asks, &question](const Conflict& conflict) {
        if (!asks) {
            return ConflictAnswer{};  // nobody to ask (the command line): replaced, as always
        }
        // The question is the owner's, read on its thread when the answer is due.
        return askOwner([&question, conflict] {
            return question ? question(conflict)
                            : ConflictAnswer{ConflictChoice::Cancel, false, {}};
        });
    };
}

bool SessionControl::settleRestartRecord(const FtpUrl& url) {
    if (restartDb_.getInProgress() == 0) {
        return true;
    }
    if (restartDb_.downloadFinished()) {
        restartDb_.setInProgress(0);  // fetched whole meanwhile: nothing to keep
        return true;
    }
    const std::string waiting = restartDb_.getField(RestartRecord::kUrl);
    const FtpUrl record(waiting, UrlDefaults::of(config_));
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

void SessionControl::start(FtpUrl url, const std::string& site, LoginHook hook) {
    const std::string name = url.toString();
    sessionSite_ = site;
    loginHook_ = std::move(hook);
    SiteList& sites = selection_.sites();
    url.setCredentials(selection_.userName(), selection_.password());
    // A site set to require TLS never logs in in clear, whatever its URL says.
    if (url.tls() == FtpUrl::Tls::None && sites.requiresTls(sessionSite_))
        url.scheme = "ftpes";
    sites.setCurrentHost(name);
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
    session.queue = &queue_;
    session.batchSummaries = batchSummaries_;
    // Set at any time by the window: asked for when a conflict comes up.
    session.uploadConflict = asking(asksConflicts_, conflictQuestion_);
    session.downloadConflict = asking(asksDownloads_, downloadQuestion_);
    session.localView = context_.localView;
    session.showsRemoteTimes = context_.showsRemoteTimes;
    session.perHostSettings = sites.settingsWord(sessionSite_);
    session.trustedOnce = &trustedOnce_;
    session.keepAliveMs = context_.keepAliveMs;
    session.retriesBrokenTransfers = retryBrokenTransfers_;
    // A batch of several files uses up to "SimultaneousTransfers" connections, never
    // more than the host was found to take.
    session.simultaneousTransfers = std::clamp(config_.GetInt("SimultaneousTransfers"), 1, 10);
    session.knownConnectionLimit =
        ConnectionLimits::lookup(config_.GetString("ConnectionLimits"), url.host, url.portNumber());
    session.connectionLimitLearned = [this, host = url.host, port = url.portNumber()](int limit) {
        context_.post([this, host, port, limit] {
            config_.SetString(
                "ConnectionLimits",
                ConnectionLimits::store(config_.GetString("ConnectionLimits"), host, port, limit));
        });
    };
    // Read here, not by the worker after login: the site list is the owner's alone.
    sessionSiteType_ = perhost::transferType(session.perHostSettings);
    worker_ = std::make_unique<SessionWorker>(std::make_unique<FtpSession>(url, session));
    worker_->start();
    listener_.changed();
}

void SessionControl::logoff() {
    if (FtpSession* running = session()) {
        outcome_.endRequested();
        running->enqueue(LogoffRequest{});
    }
}

bool SessionControl::restart() {
    if (!restartOpen_ || worker_ != nullptr) {
        return false;
    }
    selection_.takeRestartSite(restartDb_.getField(RestartRecord::kUrl));
    restartVisible_ = false;
    config_.SetInt("Restart", 1);
    restarting_ = true;
    if (!connect()) {
        connectAbandoned();
        return false;
    }
    return true;
}

void SessionControl::connectAbandoned() {
    if (restarting_) {
        restarting_ = false;
        restartVisible_ = restartDb_.getInProgress() != 0;
    }
    listener_.changed();
}

void SessionControl::sessionLoggedIn(const std::string& connectedText) {
    FtpSession* running = session();
    const LoginHook hook = std::move(loginHook_);
    loginHook_ = nullptr;
    outcome_.loggedIn();
    if (running != nullptr && hook && hook(*running)) {
        outcome_.endRequested();
        running->enqueue(LogoffRequest{1});
    }
    const bool ready = !hook;
    context_.post([this, connectedText, ready] {
        loggedIn_ = true;
        selection_.sites().keepSite(sessionSite_);  // a site that logged in is kept
        selection_.commitPasswordChange();
        connectedTo_ = connectedText;
        if (statisticsOn_ && statisticsOpen_) {
            statistics_.countConnect();
        }
        listener_.changed();
        if (listener_.listener != nullptr && statisticsOn_)
            listener_.listener->statisticsCounted();
        if (listener_.listener != nullptr && ready)
            listener_.listener->sessionReady();
    });
}

void SessionControl::sessionEnded() {
    context_.post([this] { onSessionEnded(); });
}

void SessionControl::onSessionEnded() {
    if (!loggedIn_) {
        selection_.forgetPasswordChange();  // never logged in: the saved password stays
    }
    if (worker_ != nullptr) {
        worker_->join();
        worker_.reset();
    }
    loggedIn_ = false;
    connectedTo_.clear();
    if (context_.outlets != nullptr) {
        context_.outlets->SetStatus({});
    }
    // A batch the session could not finish is no longer running (its files wait for a
    // resumption); the Transfers pane stops measuring it.
    queue_.endBatch({});
    restarting_ = false;
    restartVisible_ = restartOpen_ && restartDb_.getInProgress() != 0;
    outcome_.ended();
    listener_.changed();
    if (listener_.listener != nullptr) {
        listener_.listener->sessionFinished(outcome_.message());
    }
    askAboutCertificate();
}

void SessionControl::certificateRefused(const std::string& host, unsigned port,
                                        const TlsCertificateFacts& facts) {
    context_.post([this, host, port, facts] { refusals_.push_back({host, port, facts}); });
}

void SessionControl::askAboutCertificate() {
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

void SessionControl::transferStarted(int64_t expectedSize, int64_t startMs) {
    transferExpected_ = expectedSize;
    transferStartMs_ = startMs;
    // The progress posts keep their pace across files: a batch of small files must not
    // wake the window once more for each of them (its end carries the last count).
    endedBytes_ = -1;
    context_.post([this, expectedSize, startMs] {
        if (listener_.listener != nullptr)
            listener_.listener->transferStarted(expectedSize, startMs);
    });
}

void SessionControl::transferProgress(int64_t bytes) {
    // Reports come every thousand bytes: one post at a time carries the latest count.
    // A batch's pool reports from its connections' threads too.
    std::lock_guard lock(progressLock_);
    progressBytes_ = bytes;
    const int64_t now = monotonicMilliseconds();
    if (now - lastProgressPostMs_ < kProgressIntervalMs || progressQueued_.exchange(true))
        return;
    lastProgressPostMs_ = now;
    context_.post([this] {
        progressQueued_ = false;
        if (listener_.listener != nullptr)
            listener_.listener->transferProgress(progressBytes_, monotonicMilliseconds());
    });
}

void SessionControl::transferEnded(int64_t bytes, int64_t endMs) {
    const int64_t milliseconds = endMs > transferStartMs_ ? endMs - transferStartMs_ : 0;
    context_.post([this, bytes, endMs] {
        if (listener_.listener == nullptr)
            return;
        // The last bytes may have come after the last sampled report: the fields end on
        // the whole transfer.
        listener_.listener->transferProgress(bytes, endMs);
        listener_.listener->transferEnded(bytes, endMs);
    });
    if (transferExpected_ == 0) {
        return;  // a listing, not a file
    }
    endedBytes_ = bytes;
    endedMilliseconds_ = milliseconds;
}

void SessionControl::transferOutcome(bool whole) {
    // An aborted or broken file is no file: it is counted only once it is whole.
    const int64_t bytes = endedBytes_;
    const int64_t milliseconds = endedMilliseconds_;
    endedBytes_ = -1;
    if (!whole || bytes < 0) {
        return;
    }
    fileTransferred(bytes, milliseconds);
}

void SessionControl::fileTransferred(int64_t bytes, int64_t milliseconds) {
    context_.post([this, bytes, milliseconds] {
        if (statisticsOn_ && statisticsOpen_) {
            statistics_.countTransfer(bytes, milliseconds);
            if (listener_.listener != nullptr)
                listener_.listener->statisticsCounted();
        }
    });
}

void SessionControl::watchSetting(const std::string& name) {
    if (name == "Statistics") {
        statisticsOn_ = config_.GetInt("Statistics") != 0;
    } else if (name == "ProxyType") {
        // Ping and trace route follow HostDiagnostics::pingEnabled().
    } else if (FtpSession* running = session()) {
        running->settingChanged(name);
    }
    listener_.changed();
}

}  // namespace nubo
