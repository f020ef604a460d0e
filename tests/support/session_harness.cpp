#include "tests/support/session_harness.h"

#include "tests/support/test_util.h"

namespace nubo::test {

std::string readToEnd(FtpSocket& socket) {
    std::string got;
    socket.setBufferSize(4096);
    int n;
    while ((n = socket.readBlock()) > 0) {
        got.append(reinterpret_cast<const char*>(socket.buffer()), static_cast<size_t>(n));
    }
    socket.close();
    return got;
}

SessionHarness::SessionHarness() {
    config.SetString("EMail", kEMail);  // a proxy's URL is read with it too
}

SessionHarness::~SessionHarness() {
    if (worker_) {
        worker_->session()->setQuitWhenDone(true);
        worker_->join();
    }
}

FtpSession* SessionHarness::startWorker(const std::string& url) {
    worker_ = std::make_unique<SessionWorker>(makeSession(url));
    FtpSession* session = worker_->session();
    worker_->start();
    return waitFor([&] { return session->completedRequests() >= 1; }) ? session : nullptr;
}

bool SessionHarness::runRequest(SessionRequest request, int timeoutMs) {
    FtpSession* session = worker_->session();
    return session->enqueue(std::move(request)) &&
           waitFor([&] { return session->idle(); }, timeoutMs);
}

SessionContext SessionHarness::context() {
    SessionContext c;
    c.log = &log;
    c.config = &config;
    c.outlets = &outlets;
    c.observer = &observer;
    c.remoteView = &remoteView;
    c.cancel = &cancel;
    c.queue = &queue;
    c.uploadConflict = uploadConflict;
    c.downloadConflict = downloadConflict;
    c.perHostSettings = perHostSettings;
    c.simultaneousTransfers = simultaneousTransfers;
    c.restart = restart;
    c.poolRetryDelaysMs = poolRetryDelaysMs;
    c.poolMostQueued = poolMostQueued;
    c.showsRemoteTimes = showsRemoteTimes;
    // What a pool learned is known to the next session, as the settings carry it
    // from one run to the next.
    c.knownConnectionLimit = learnedLimit;
    c.connectionLimitLearned = [this](int limit) { learnedLimit = limit; };
    return c;
}

std::unique_ptr<FtpSession> SessionHarness::makeSession(const std::string& url) {
    return std::make_unique<FtpSession>(FtpUrl(url, urlDefaults()), context());
}

int SessionHarness::logIndex(const std::string& text) const {
    auto lines = log.Lines();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool SessionHarness::logHas(const std::string& text) const {
    return logIndex(text) >= 0;
}

void SessionHarness::useFtpProxy(unsigned port) {
    useProxy(ProxyType::FtpProxy, "127.0.0.1:" + std::to_string(port));
}

void SessionHarness::useProxy(ProxyType type, const std::string& address, const std::string& user,
                              const std::string& password) {
    config.SetInt("ProxyType", static_cast<int32_t>(type));
    config.SetString("Proxy", address);
    config.SetString("AuthName", user);
    config.SetString("AuthPasswd", password);
}

std::vector<std::string> SessionHarness::shownNames() const {
    std::vector<std::string> names;
    for (const RemoteEntry& e : remoteView.entriesAt(remoteView.rows()))
        names.push_back(e.name);
    return names;
}

std::string SessionHarness::logText() const {
    std::string text;
    for (const std::string& line : log.Lines()) {
        text += line + "\n";
    }
    return text;
}

}  // namespace nubo::test
