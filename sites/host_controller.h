#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/ftp_url.h"
#include "engine/session_observer.h"
#include "platform/registry_key.h"
#include "sites/diagnostics_sink.h"
#include "sites/restart_database.h"
#include "sites/session_outcome.h"
#include "sites/site_list.h"
#include "sites/statistics_database.h"
#include "views/session_link.h"

namespace nubo {

class AppLog;
class ConfigStore;
class FtpSession;
class LocalViewUpkeep;
class MainOutlets;
class NetworkDiagnostics;
class RemoteViewContract;
class SessionWorker;
class ShortcutLibrary;

// Told when anything the Host page shows changed; always on the owner's thread.
class HostControllerListener {
  public:
    virtual ~HostControllerListener() = default;
    virtual void hostStateChanged() = 0;
    // The running session's transfers, for the rate fields: a start with its expected
    // size (0 for a listing, -1 unknown), progress in bytes, an end; times in ms.
    virtual void transferStarted(int64_t /*expectedSize*/, int64_t /*startMs*/) {}
    virtual void transferProgress(int64_t /*bytes*/, int64_t /*nowMs*/) {}
    virtual void transferEnded(int64_t /*bytes*/, int64_t /*endMs*/) {}
    // A connect or a file was counted into the statistics database.
    virtual void statisticsCounted() {}
    // A session logged in with no command-line transfer to run: the live graphs start.
    virtual void sessionReady() {}
    // A session is over; message says why when it failed (HostController::
    // sessionMessage), empty after an orderly end.
    virtual void sessionFinished(const std::string& /*message*/) {}
    // The controller is being destroyed: the listener must not call it any more.
    virtual void hostControllerGone() {}
};

// What the Host page does, without the page: the site selection and the dialog's
// credentials, connect, the command-line connect, restart, logoff, the after-login
// requests of a command-line run, statistics counting, the configuration watch,
// clone, remove and desktop shortcuts. It owns the site list, this process's restart
// slot and the statistics database, and creates one session at a time.
//
// Every method runs on the owner's thread. The session calls the observer methods on
// its worker thread; they queue what they change through the poster, so the state is
// only ever touched by the owner.
class HostController : public SessionObserver {
  public:
    enum class RestartAnswer { Yes, No, Cancel };
    using Poster = std::function<void(std::function<void()>)>;
    // The restart question: gets the URL of the waiting transfer.
    using RestartQuestion = std::function<RestartAnswer(const std::string& url)>;
    // A server's certificate that did not verify: trust it for this run, always (stored
    // in the trust file), or not.
    enum class TrustAnswer { Cancel, Once, Always };
    using CertificateQuestion = std::function<TrustAnswer(const std::string& host, unsigned port,
                                                          const TlsCertificateFacts& facts)>;

    struct Context {
        AppLog* log = nullptr;
        ConfigStore* config = nullptr;
        MainOutlets* outlets = nullptr;
        RemoteViewContract* remoteView = nullptr;
        LocalViewUpkeep* localView = nullptr;
        ShortcutLibrary* shortcuts = nullptr;  // null: no desktop shortcuts
        const RegistryKey* appKey = nullptr;   // the application's key (required)
        std::string dataFolder;                // "AppData", ending in "/"
        std::string desktopFolder;             // where shortcuts go; empty: the user's desktop
        Poster poster;                         // runs work on the owner's thread
        std::vector<std::string> commandLineArgs;
        // The ping and trace route results; null: no diagnostics.
        DiagnosticsSink* diagnosticsSink = nullptr;
        // A NOOP after this many idle milliseconds (the window's sessions); 0: never.
        int keepAliveMs = 0;
        // Whether echo requests can be sent, and if not why; null: ask the system.
        // Tests stand in for a system without ICMP.
        std::function<bool(std::string* why)> icmpProbe;
    };

    explicit HostController(Context context);
    ~HostController() override;
    HostController(const HostController&) = delete;
    HostController& operator=(const HostController&) = delete;

    // Page creation: restart slot, last host, site list, configuration watch.
    void startUp();
    // Page destruction: frees an unused restart slot, closes the databases.
    void shutDown();

    // ---- the dialog ----
    const std::vector<std::string>& urlBox() const { return sites_.urlBox(); }
    int selectedIndex() const { return selected_; }
    const std::string& urlText() const { return urlText_; }
    // Typing in the URL box: the selection goes.
    void setUrlText(const std::string& text);
    const std::string& userName() const { return user_; }
    const std::string& password() const { return password_; }
    bool savePassword() const { return savePassword_; }
    void setUserName(const std::string& text) { user_ = text; }
    void setPassword(const std::string& text) { password_ = text; }
    void setSavePassword(bool on) { savePassword_ = on; }
    bool urlValid() const { return urlValid_; }

    void selectSite(int index);
    void acceptTypedUrl();
    // False when nothing was started (bad URL, not "ftp", cancelled question, busy).
    bool connect();
    // The command line's connect (mode 1-5); false for an invalid URL.
    bool commandLineConnect(int mode, const std::string& urlText);
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
    void cloneSite();
    void removeSite();
    // Saves a ".nubo" shortcut to the selected site on the desktop; the file's path.
    bool createShortcut(std::string* path = nullptr);
    // Ping and trace route of the URL box's host; false when not started (a malformed
    // URL is logged). Escape on their tabs stops them.
    bool ping();
    bool traceRoute();
    void stopPing();
    void stopTraceRoute();

    // ---- what the page shows ----
    bool connectEnabled() const { return worker_ == nullptr; }
    bool logoffEnabled() const { return loggedIn_; }
    // Ping and trace route have their place (no proxy), and they can run (ICMP too).
    bool diagnosticsOffered() const;
    bool pingEnabled() const;
    // Why ping and trace route cannot run here; empty when they can.
    const std::string& icmpRefusal() const { return icmpRefusal_; }
    bool pingRunning() const;
    bool traceRunning() const;
    // The main window's status text (the classic layout's running ping line).
    void showStatus(const std::string& text);
    bool restartVisible() const { return restartVisible_; }
    bool restarting() const { return restarting_; }
    bool shortcutEnabled() const;
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
    const SessionLink& sessionLink() const { return link_; }
    // The site of the running (or last) session as the site list names it, and its
    // per-host settings word.
    const std::string& sessionSite() const { return sessionSite_; }
    uint32_t sessionSettings() const { return sites_.settingsWord(sessionSite_); }
    bool sessionActive() const { return worker_ != nullptr; }

    void setListener(HostControllerListener* listener) { listener_ = listener; }
    void setRestartQuestion(RestartQuestion question) { question_ = std::move(question); }
    // Asked after a session ended on an untrusted certificate; a trusted one connects
    // again at once.
    void setCertificateQuestion(CertificateQuestion question) {
        certificateQuestion_ = std::move(question);
    }
    // A run without windows quits when its command-line requests are done, whatever
    // "NoUIQuit" says, since nobody could end it otherwise.
    void setQuitAfterCommandLine(bool on) { quitAfterCommandLine_ = on; }
    // A command-line run resumes broken transfers itself (retryCommandLine): their
    // failure is not counted by the session.
    void setRetryBrokenTransfers(bool on) { retryBrokenTransfers_ = on; }
    // The session has ended with a transfer broken off and its restart mark kept.
    bool brokenTransferWaiting() const;
    // The exit bit of that transfer when it is given up: 16 (Get) or 32 (Put).
    uint32_t brokenTransferFailureBit() const;
    // Logs in again for the command line: the broken transfer resumes first, then what
    // the command line named after it. False when there is nothing to resume.
    bool retryCommandLine();
    // True once since the last call when a session completed a transfer or moved bytes
    // its resumption keeps: a retrying run counts its attempts anew.
    bool takeTransferAdvanced() { return transferAdvanced_.exchange(false); }

    SiteList& sites() { return sites_; }
    RestartDatabase& restartDatabase() { return restartDb_; }
    StatisticsDatabase& statistics() { return statistics_; }

    // ---- the session's reports (worker thread) ----
    void sessionLoggedIn(const std::string& connectedText) override;
    void sessionEnded() override;
    void transferStarted(int64_t expectedSize, int64_t startMs) override;
    void transferProgress(int64_t bytes) override;
    void transferEnded(int64_t bytes, int64_t endMs) override;
    void transferOutcome(bool whole) override;
    void transferAdvanced() override { transferAdvanced_ = true; }
    void certificateRefused(const std::string& host, unsigned port,
                            const TlsCertificateFacts& facts) override;

  private:
    void changed();
    void post(std::function<void()> work);
    void loadCredentials(const std::string& name);
    void takeUserPart(const FtpUrl& url);
    void clearAnonymous();
    int indexOf(const std::string& name) const;
    int addAndSelect(const std::string& name);
    // Connect from step 8 on: credentials into the URL, session created and started.
    void startSession(FtpUrl url, const std::string& name);
    void issueCommandLineRequest(FtpSession& session, int mode);
    void onSessionEnded();
    // After a session refused a certificate: the question, and a new connect if trusted.
    void askAboutCertificate();
    void watchSetting(const std::string& name);
    // Before a connect: a restart record that waits for nothing is dropped, one for
    // another server kept without a question, and only one for this server asked
    // about. False when the question was cancelled.
    bool settleRestartRecord(const FtpUrl& url);

    Context context_;
    ConfigStore& config_;
    SiteList sites_;
    RestartDatabase restartDb_;
    StatisticsDatabase statistics_;
    SessionOutcome outcome_;

    std::string urlText_;
    std::string user_;
    std::string password_;
    bool savePassword_ = false;
    int selected_ = -1;
    bool urlValid_ = false;
    bool restarting_ = false;
    bool restartVisible_ = false;
    bool restartOpen_ = false;
    bool statisticsOpen_ = false;
    bool statisticsOn_ = false;
    bool liveGraphs_ = true;
    bool icmpAvailable_ = false;
    std::string icmpRefusal_;  // why echo requests cannot be sent
    bool loggedIn_ = false;
    bool quitAfterCommandLine_ = false;
    bool retryBrokenTransfers_ = false;
    int commandLineMode_ = 0;
    // A retry whose resumption is all that was left of the command line.
    bool commandLineDone_ = false;
    std::string connectedTo_;

    std::atomic<bool> cancel_{false};
    std::unique_ptr<SessionWorker> worker_;
    // Read by the worker in sessionLoggedIn: set before the session starts.
    int pendingMode_ = 0;
    FtpUrl commandLineUrl_;
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
    std::atomic<bool> transferAdvanced_{false};
    std::string sessionSite_;

    std::unique_ptr<NetworkDiagnostics> diagnostics_;
    HostControllerListener* listener_ = nullptr;
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
