#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "base/app_log.h"
#include "base/config_store.h"
#include "engine/ftp_session.h"
#include "engine/session_worker.h"
#include "engine/url_defaults.h"
#include "tests/support/recording_ports.h"
#include "views/remote_directory_model.h"

namespace nubo::test {

// Reads a data connection until the peer closes it, then closes it.
std::string readToEnd(FtpSocket& socket);

// Everything a session needs around it, recorded for the test to look at. URLs are
// read with the program's defaults ("ftp", "anonymous", kEMail, "21").
class SessionHarness {
  public:
    static constexpr const char* kEMail = "tester@example.org";

    SessionHarness();
    ~SessionHarness();

    // A session for a target URL text.
    std::unique_ptr<FtpSession> makeSession(const std::string& url);
    SessionContext context();
    static UrlDefaults urlDefaults() { return UrlDefaults::standard(kEMail); }
    // True when some log line equals text.
    bool logHas(const std::string& text) const;
    // Index of the first log line equal to text, or -1.
    int logIndex(const std::string& text) const;
    std::string logText() const;
    // The names the remote view shows, in its row order.
    std::vector<std::string> shownNames() const;
    // Sessions made from now on go through an FTP proxy on this loopback port.
    void useFtpProxy(unsigned port);
    // ... or through a proxy of any type, with the proxy credentials given.
    void useProxy(ProxyType type, const std::string& address, const std::string& user = {},
                  const std::string& password = {});

    AppLog log;
    ConfigStore config;
    RecordingOutlets outlets;
    TransferQueue queue;
    RecordingObserver observer;
    RemoteDirectoryModel remoteView{log};
    std::atomic<bool> cancel{false};
    uint32_t perHostSettings = 0;  // the site's word (listing locale, zone, ...)
    // A batch's connections, and the waits before a broken file's next tries.
    int simultaneousTransfers = 1;
    std::vector<int> poolRetryDelaysMs{100, 200, 400};
    // The files a pool lets wait before its walk takes some itself (0: the pool's own).
    int poolMostQueued = 0;
    bool showsRemoteTimes = false;  // a window's session: uploads ask the server's time
    // The limit a pool learned of the host (0: none).
    std::atomic<int> learnedLimit{0};
    // Answers an upload's name conflicts (none: overwritten).
    ConflictQuestion uploadConflict;
    // Answers a download's local conflicts (none: replaced).
    DownloadConflictQuestion downloadConflict;
    // The restart record sessions use (none: no restart).
    RestartRecord* restart = nullptr;

    // A session on a worker thread, logged in (null when the login did not end in time);
    // ended when the harness goes.
    FtpSession* startWorker(const std::string& url);
    // Queues a request and waits until the session is idle again; false on a time-out.
    bool runRequest(SessionRequest request, int timeoutMs = 60000);

  private:
    std::unique_ptr<SessionWorker> worker_;
};

}  // namespace nubo::test
