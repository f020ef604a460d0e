#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "engine/net_address.h"

#include "sites/diagnostics_sink.h"

namespace nubo {

class IcmpEcho;
struct IcmpEchoReply;

class AppLog;

// Ping (four echoes) and trace route (up to 30 hops, three probes each) of a host, on
// worker threads of their own, reporting rows to the sink and lines to the log. Each
// has a stop flag that the interface sets and the worker polls before every echo or
// hop. One ping and one trace route at most run at a time.
class NetworkDiagnostics {
  public:
    static constexpr int kPingCount = 4;
    static constexpr int kMaxHops = 30;
    static constexpr int kProbesPerHop = 3;
    static constexpr int kTimeoutMs = 1000;
    // The echo data: 31 letters and digits and a NUL, 32 bytes.
    static const std::string& echoData();

    NetworkDiagnostics(AppLog& log, DiagnosticsSink& sink);
    ~NetworkDiagnostics();
    NetworkDiagnostics(const NetworkDiagnostics&) = delete;
    NetworkDiagnostics& operator=(const NetworkDiagnostics&) = delete;

    // Whether echo requests can be sent; without it both operations stay disabled and
    // icmpRefusal() says why.
    bool loadIcmp();
    const std::string& icmpRefusal() const { return refusal_; }
    void unloadIcmp() { loaded_ = false; }
    bool icmpLoaded() const { return loaded_; }

    // False when ICMP is not loaded or the operation is already running.
    bool startPing(const std::string& host);
    bool startTraceRoute(const std::string& host);
    // Escape on the tab: the running operation stops before its next echo or hop.
    void stopPing() { ping_.stop = true; }
    void stopTraceRoute() { trace_.stop = true; }
    bool pingRunning() const { return ping_.running; }
    bool traceRunning() const { return trace_.running; }
    // Waits for both workers to end.
    void join();

    // The worker bodies, run on the calling thread.
    void runPing(const std::string& host);
    void runTraceRoute(const std::string& host);

  private:
    // Name and address of the host: a dotted address must have a reverse entry, an
    // IPv6 literal is named by its own when it has none, a name takes its IPv4 address,
    // else its IPv6 one. False (reported)
    // when it does not resolve.
    bool resolveTarget(DiagnosticsSink::Operation operation, const std::string& host,
                       std::string* name, NetAddress* address);
    // One echo to the target, over ICMP or ICMPv6 as its family is; the answering
    // address as text in *from.
    static void sendEcho(IcmpEcho& echo, const NetAddress& target, int ttl, IcmpEchoReply* reply,
                         std::string* from);
    void pingMessage(int message);
    void hopMessage(int hop, int message);

    AppLog& log_;
    DiagnosticsSink& sink_;
    bool loaded_ = false;
    std::string refusal_;
    // One operation's thread and flags.
    struct Worker {
        std::thread thread;
        std::atomic<bool> running{false};
        std::atomic<bool> stop{false};
    };
    bool startWorker(Worker& worker, void (NetworkDiagnostics::*body)(const std::string&),
                     const std::string& host);

    Worker ping_;
    Worker trace_;
};

}  // namespace nubo
