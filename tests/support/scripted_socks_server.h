#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace nubo::test {

// A loopback SOCKS server whose every connection runs a test's handler: the handler
// reads and writes the raw dialogue with the helpers below and may then relay the
// connection to a real server or to a connection accepted for a BIND, so a whole FTP
// session can pass through it with its SOCKS bytes checked exactly.
class ScriptedSocksServer {
  public:
    // Runs on its own thread for each accepted connection (in accept order).
    using Handler = std::function<void(ScriptedSocksServer& server, int fd)>;

    ScriptedSocksServer();
    ~ScriptedSocksServer();
    ScriptedSocksServer(const ScriptedSocksServer&) = delete;
    ScriptedSocksServer& operator=(const ScriptedSocksServer&) = delete;

    unsigned port() const { return port_; }
    // Handlers for the connections to come, in order; a connection beyond them is closed.
    void addHandler(Handler handler);

    // ---- for handlers ----
    // Exactly n bytes, or fewer when the client closed.
    static std::string readBytes(int fd, size_t n);
    // Bytes up to and including a zero byte (a SOCKS4 user id).
    static std::string readUntilZero(int fd);
    static void writeBytes(int fd, const std::string& bytes);
    // Pumps bytes both ways until either side closes.
    static void relay(int fd, int otherFd);
    // Connects to a loopback port; -1 on failure.
    static int connectLoopback(unsigned port);
    // Listens on an ephemeral loopback port; the port in *port.
    static int listenLoopback(unsigned* port);
    // Notes something the test checks afterwards (thread-safe).
    void record(const std::string& what);
    std::vector<std::string> records() const;

  private:
    void acceptLoop();

    int listener_ = -1;
    unsigned port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread acceptor_;
    mutable std::mutex mutex_;
    std::vector<Handler> handlers_;
    size_t nextHandler_ = 0;
    std::vector<std::thread> workers_;
    std::vector<int> fds_;
    std::vector<std::string> records_;
};

}  // namespace nubo::test
