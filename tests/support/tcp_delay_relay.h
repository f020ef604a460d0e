#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace nubo::test {

// A long line in front of a one-connection protocol (SSH): every block of bytes, both
// ways, reaches the other side a fixed time after the relay read it, in order, and an
// end arrives as late as the bytes before it. Threads of this process do the work, so it
// passes hundreds of MiB/s where the Python DelayRelay (which also knows FTP's passive
// data connections) tops out near 100. Up to 16 MiB wait per direction; beyond that the
// relay stops reading, as a full TCP window would.
class TcpDelayRelay {
  public:
    TcpDelayRelay(unsigned targetPort, double oneWayMs);
    ~TcpDelayRelay();
    TcpDelayRelay(const TcpDelayRelay&) = delete;
    TcpDelayRelay& operator=(const TcpDelayRelay&) = delete;

    bool running() const { return port_ != 0; }
    const std::string& startError() const { return error_; }
    unsigned port() const { return port_; }
    // Connections relayed so far.
    unsigned connections() const { return accepted_; }

    struct Lane;

  private:
    void acceptLoop();

    unsigned targetPort_;
    double oneWayMs_;
    int listener_ = -1;
    unsigned port_ = 0;
    std::string error_;
    std::atomic<bool> stopping_{false};
    std::atomic<unsigned> accepted_{0};
    std::thread acceptor_;
    std::mutex mutex_;
    std::vector<std::shared_ptr<Lane>> lanes_;
    std::vector<std::thread> threads_;
};

}  // namespace nubo::test
