#pragma once

#include <atomic>
#include <memory>
#include <thread>

namespace nubo {

class FtpSession;

// Runs one session on its own thread. When the session's run ends, the Host page is
// told the session has ended, the remote view is disconnected and, for a nonzero exit
// code, the main window is asked to close. The session object lives as long as the
// worker, so an interface call that races with the end never reaches freed memory;
// the receivers drop their pointer when told the session ended.
class SessionWorker {
  public:
    explicit SessionWorker(std::unique_ptr<FtpSession> session);
    ~SessionWorker();
    SessionWorker(const SessionWorker&) = delete;
    SessionWorker& operator=(const SessionWorker&) = delete;

    void start();
    // Waits for the worker thread to end.
    void join();
    // Waits at most `milliseconds` for the session to end; true when it has.
    bool waitFinished(int milliseconds) const;
    // Lets a worker that does not end (a name lookup that hangs) go on alone: the
    // thread is detached and the worker with its session is kept for the rest of the
    // process, so nothing it still touches is freed. For the exit only.
    static void abandon(std::unique_ptr<SessionWorker> worker);
    bool finished() const { return finished_; }
    int exitCode() const { return exitCode_; }
    FtpSession* session() const { return session_.get(); }

  private:
    std::unique_ptr<FtpSession> session_;
    std::thread thread_;
    std::atomic<bool> finished_{false};
    std::atomic<int> exitCode_{0};
};

}  // namespace nubo
