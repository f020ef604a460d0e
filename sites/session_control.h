#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "base/config_store.h"
#include "engine/download_conflict.h"
#include "engine/ftp_url.h"
#include "engine/session_observer.h"
#include "engine/transfer_queue.h"
#include "sites/host_context.h"
#include "sites/restart_database.h"
#include "sites/session_outcome.h"
#include "sites/statistics_database.h"
#include "views/session_link.h"

namespace nubo {

class FtpSession;
class SessionWorker;
class SiteSelection;

// The Host page's session, without the page: connect (from the dialog's selection),
// log off, restart with its question, the end at exit, the certificate trust question
// after a refusal, and the counting of connects and whole files into the statistics.
// It owns this process's restart slot, the statistics database and the one running
// session, and is the session's observer.
//
// Every method runs on the owner's thread. The session calls the observer methods on
// its worker thread; they queue what they change through the poster, so the state is
// only ever touched by the owner.
class SessionControl : public SessionObserver {
  public:
    enum class RestartAnswer { Yes, No, Cancel };
    // The restart question: gets the URL of the waiting transfer.
    using RestartQuestion = std::function<RestartAnswer(const std::string& url)>;
    // A server's certificate that did not verify: trust it for this run, always (stored
    // in the trust file), or not.
    enum class TrustAnswer { Cancel, Once, Always };
    using CertificateQuestion = std::function<TrustAnswer(const std::string& host, unsigned port,
                                                          const TlsCertificateFacts& facts)>;
    // Runs on the worker thread once the session logged in, before anyone hears of the
    // login: queues the first requests; true when the session is to log off after them.
    using LoginHook = std::function<bool(FtpSession& session)>;

    SessionControl(HostContext& context, const HostListenerSlot& listener,
                   SiteSelection& selection);
    ~SessionControl() override;
    SessionControl(const SessionControl&) = delete;
    SessionControl& operator=(const SessionControl&) = delete;

    // Start-up: the restart slot, the statistics, the settings watched.
    void startUp();
    // Shut-down: an unused restart slot is freed, the databases closed.
    void shutDown();

    // False when nothing was started (bad URL, not "ftp", cancelled question, busy, the
    // site's password in a keyring that is locked or unavailable). While the keyring is
    // still reading the site's password the connect follows its answer.
    bool connect();
    // Starts a session for a site (as the site list names it) with the selection's
    // credentials; the hook runs after login.
    void start(FtpUrl url, const std::string& site, LoginHook hook = {});
    void logoff();
    // Resumes the transfer waiting in this process's restart slot.
    bool restart();
    // Escape on the "Connecting" tab: a login in progress gives up.
    void cancelConnect() { cancel_ = true; }
    // The exit's end of a session: the transfer is aborted, the queue flushed and QUIT
    // sent; a session that has not ended after graceMs (a connect or a server that does
    // not answer) has its connections shut down, and one that still hangs is left
    // behind (false: the process must then end without running its destructors).
    // Never blocks much longer than twice graceMs.
    bool endSession(int graceMs);
    // The outcome of the last session no longer applies (another site was chosen).
    void forgetOutcome() { outcome_.forget(); }

    bool connectEnabled() const { return worker_ == nullptr; }
    bool logoffEnabled() const { return loggedIn_; }
    bool restartVisible() const { return restartVisible_; }
    bool restarting() const { return restarting_; }
    bool statisticsOn() const { return statisticsOn_; }
    // The Host page's live graphs: off for a run started for a command-line transfer.
    bool liveGraphs() const { return liveGraphs_; }
    const std::string& connectedTo() const { return connectedTo_; }
    // Why the last connect or login failed, or why the last session ended without
    // being asked to, in the log's words; empty while a session runs or after an
    // orderly end.
    std::string sessionMessage() const { return outcome_.message(); }
    // The running session, or null.
    FtpSession* session() const;
    // The running session as the windows may use it.
    const SessionLink& link() const { return link_; }
    // The site of the running (or last) session as the site list names it, and its
    // per-host settings word and transfer type (0 none, else the type + 1).
    const std::string& sessionSite() const { return sessionSite_; }
    uint32_t sessionSettings() const;
    uint32_t sessionSiteType() const { return sessionSiteType_; }
    bool sessionActive() const { return worker_ != nullptr; }
    bool restartOpen() const { return restartOpen_; }

    void setRestartQuestion(RestartQuestion question) { question_ = std::move(question); }
    // Asked after a session ended on an untrusted certificate; a trusted one connects
    // again at once.
    void setCertificateQuestion(CertificateQuestion question) {
        certificateQuestion_ = std::move(question);
    }
    // A command-line run resumes broken transfers itself: their failure is not counted
    // by the session.
    void setRetryBrokenTransfers(bool on) { retryBrokenTransfers_ = on; }
    // Asked on this (the owner's) thread when an upload's name is taken on the server; the
    // session waits for the answer. None: such files are overwritten (the command line).
    void setUploadConflictQuestion(ConflictQuestion question) {
        conflictQuestion_ = std::move(question);
        asksConflicts_ = static_cast<bool>(conflictQuestion_);
    }
    // The same when a download's local file exists. None: it is replaced (the command
    // line).
    void setDownloadConflictQuestion(DownloadConflictQuestion question) {
        downloadQuestion_ = std::move(question);
        asksDownloads_ = static_cast<bool>(downloadQuestion_);
    }
    // A command-line run sums up its files once, at its end: its sessions write no
    // batch summary of their own.
    void setBatchSummaries(bool on) { batchSummaries_ = on; }
    // Every file the sessions of this page moved, one task each.
    TransferQueue& transferQueue() { return queue_; }
    // The session's end was asked for (a Logoff queued by the run itself).
    void endRequested() { outcome_.endRequested(); }

    RestartDatabase& restartDatabase() { return restartDb_; }
    const RestartDatabase& restartDatabase() const { return restartDb_; }
    StatisticsDatabase& statistics() { return statistics_; }

    // ---- the session's reports (worker thread) ----
    void sessionLoggedIn(const std::string& connectedText) override;
    void sessionEnded() override;
    void transferStarted(int64_t expectedSize, int64_t startMs) override;
    void transferProgress(int64_t bytes) override;
    void transferEnded(int64_t bytes, int64_t endMs) override;
    void transferOutcome(bool whole) override;
    void fileTransferred(int64_t bytes, int64_t milliseconds) override;
    void certificateRefused(const std::string& host, unsigned port,
                            const TlsCertificateFacts& facts) override;

  private:
    void onSessionEnded();
    // A connect that started nothing: a restart waits again.
    void connectAbandoned();
    // After a session refused a certificate: the question, and a new connect if trusted.
    void askAboutCertificate();
    void watchSetting(const std::string& name);
    // Before a connect: a restart record that waits for nothing is dropped, one for
    // another server kept without a question, and only one for this server asked
    // about. False when the question was cancelled.
    bool settleRestartRecord(const FtpUrl& url);
    // The worker's side of a conflict question: `question` posted to the owner, its
    // answer waited for; Cancel when the session is stopped or ends meanwhile.
    ConflictAnswer askOwner(std::function<ConflictAnswer()> question);
    // The session's side of a conflict question the window may set (`asks`: it has).
    template <class Conflict>
    std::function<ConflictAnswer(const Conflict&)> asking(
        const std::atomic<bool>& asks,
        const std::function<ConflictAnswer(const Conflict&)>& question);

    HostContext& context_;
    const HostListenerSlot& listener_;
    SiteSelection& selection_;
    ConfigStore& config_;
    std::vector<ConfigStore::Subscription> subscriptions_;
    RestartDatabase restartDb_;
    StatisticsDatabase statistics_;
    TransferQueue queue_;
    SessionOutcome outcome_;

    bool restarting_ = false;
    bool restartVisible_ = false;
    bool restartOpen_ = false;
    bool statisticsOpen_ = false;
    bool statisticsOn_ = false;
    bool liveGraphs_ = true;
    bool loggedIn_ = false;
    bool retryBrokenTransfers_ = false;
    bool batchSummaries_ = true;
    ConflictQuestion conflictQuestion_;
    DownloadConflictQuestion downloadQuestion_;
    // Read by the worker: whether there is someone to ask (the question itself runs here).
    std::atomic<bool> asksConflicts_{false};
    std::atomic<bool> asksDownloads_{false};
    std::string connectedTo_;
    std::string sessionSite_;

    std::atomic<bool> cancel_{false};
    std::unique_ptr<SessionWorker> worker_;
    // Read by the worker in sessionLoggedIn: set before the session starts.
    LoginHook loginHook_;
    uint32_t sessionSiteType_ = 0;
    // Worker thread only: the running transfer as it was reported (a size of 0 is a
    // listing).
    int64_t transferStartMs_ = 0;
    int64_t transferExpected_ = 0;
    // The file whose data connection closed last, counted when its outcome is whole
    // (bytes -1: none waiting).
    int64_t endedBytes_ = -1;
    int64_t endedMilliseconds_ = 0;
    std::atomic<int64_t> progressBytes_{0};
    std::atomic<bool> progressQueued_{false};
    // When the worker last posted a progress report (worker thread only): the window
    // hears of a transfer's bytes a few times a second, never once per block, which
    // would wake the main thread for every block.
    std::mutex progressLock_;
    int64_t lastProgressPostMs_ = 0;
    static constexpr int64_t kProgressIntervalMs = 100;
    // A connect asked the keyring once more for a password it had refused.
    bool rereadAsked_ = false;

    RestartQuestion question_;
    CertificateQuestion certificateQuestion_;
    // Fingerprints trusted for this run; read by a session's worker, changed only while
    // no session runs.
    std::vector<std::string> trustedOnce_;
    struct Refusal {
        std::string host;
        unsigned port = 0;
        TlsCertificateFacts facts;
    };
    std::vector<Refusal> refusals_;
    SessionLink link_{[this] { return session(); }};
};

}  // namespace nubo
