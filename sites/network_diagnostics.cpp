#include "sites/network_diagnostics.h"

#include "base/app_log.h"
#include "engine/host_lookup.h"
#include "platform/icmp_echo.h"

namespace nubo {

namespace {

using Operation = DiagnosticsSink::Operation;

// Messages 1 to 3.
const char* const kMessages[] = {"", "<timed out>", "<net unreachable>", "<aborted>"};
constexpr int kTimedOut = 1;
constexpr int kNetUnreachable = 2;
constexpr int kAborted = 3;

}  // namespace

const std::string& NetworkDiagnostics::echoData() {
    static const std::string data = std::string("abcdefghijklmnopqrstuvwxyz01234") + '\0';
    return data;
}

NetworkDiagnostics::NetworkDiagnostics(AppLog& log, DiagnosticsSink& sink)
    : log_(log), sink_(sink) {}

NetworkDiagnostics::~NetworkDiagnostics() {
    ping_.stop = true;
    trace_.stop = true;
    join();
}

void NetworkDiagnostics::join() {
    for (Worker* worker : {&ping_, &trace_}) {
        if (worker->thread.joinable()) {
            worker->thread.join();
        }
    }
}

bool NetworkDiagnostics::loadIcmp() {
    loaded_ = IcmpEcho::available();
    return loaded_;
}

bool NetworkDiagnostics::startWorker(Worker& worker,
                                     void (NetworkDiagnostics::*body)(const std::string&),
                                     const std::string& host) {
    if (!loaded_ || worker.running) {
        return false;
    }
    if (worker.thread.joinable()) {
        worker.thread.join();
    }
    worker.running = true;
    worker.stop = false;
    worker.thread = std::thread([this, body, host] { (this->*body)(host); });
    return true;
}

bool NetworkDiagnostics::startPing(const std::string& host) {
    return startWorker(ping_, &NetworkDiagnostics::runPing, host);
}

bool NetworkDiagnostics::startTraceRoute(const std::string& host) {
    return startWorker(trace_, &NetworkDiagnostics::runTraceRoute, host);
}

bool NetworkDiagnostics::resolveTarget(Operation operation, const std::string& host,
                                       std::string* name, uint32_t* address) {
    bool resolved = isDottedAddress(host) ? lookupHostByAddress(host, address, name)
                                          : lookupHostByName(host, address, name);
    if (!resolved) {
        sink_.targetText(operation, "Unable to resolve " + host);
        log_.LogExtended("*** Unable to resolve ", host);
        return false;
    }
    sink_.targetText(operation, *name + " [" + dottedAddress(*address) + "]");
    return true;
}

void NetworkDiagnostics::pingMessage(int message) {
    log_.LogExtendedFormat("*** %s", kMessages[message]);
    sink_.pingRow({}, {}, {}, kMessages[message]);
}

void NetworkDiagnostics::runPing(const std::string& host) {
    ping_.running = true;
    std::string name;
    uint32_t address = 0;
    if (resolveTarget(Operation::Ping, host, &name, &address)) {
        const std::string dotted = dottedAddress(address);
        log_.LogExtendedFormat("PINGing %s [%s] with 32 bytes", name.c_str(), dotted.c_str());
        std::string status = "[" + dotted + "]: ";
        IcmpEcho echo;
        echo.open();
        for (int i = 0; i < kPingCount; ++i) {
            if (ping_.stop) {
                pingMessage(kAborted);
                break;
            }
            IcmpEchoReply reply;
            echo.send(address, 64, kTimeoutMs, echoData(), &reply);
            const std::string from = dottedAddress(reply.address);
            if (reply.status == IcmpEcho::kSuccess) {
                log_.LogExtendedFormat("reply from %s: %u data bytes, %u ms, TTL=%u", from.c_str(),
                                       reply.dataSize, reply.roundTripMs, reply.ttl);
                sink_.pingRow(from, std::to_string(reply.roundTripMs), std::to_string(reply.ttl),
                              {});
            } else if (reply.status == IcmpEcho::kNetUnreachable) {
                log_.LogExtendedFormat("reply from %s: %s", from.c_str(),
                                       kMessages[kNetUnreachable]);
                sink_.pingRow(from, {}, {}, kMessages[kNetUnreachable]);
            } else {
                pingMessage(kTimedOut);
            }
            status += (i > 0 ? ", " : "") + (reply.status == IcmpEcho::kSuccess
                                                 ? std::to_string(reply.roundTripMs)
                                                 : std::string("***"));
            sink_.pingStatus(status);
        }
    }
    ping_.running = false;
    sink_.finished(Operation::Ping);
}

void NetworkDiagnostics::hopMessage(int hop, int message) {
    log_.LogExtendedFormat("#%02d: %s", hop, kMessages[message]);
    sink_.traceRow(hop, {}, {}, {}, kMessages[message]);
}

void NetworkDiagnostics::runTraceRoute(const std::string& host) {
    trace_.running = true;
    std::string name;
    uint32_t address = 0;
    if (resolveTarget(Operation::TraceRoute, host, &name, &address)) {
        log_.LogExtendedFormat("Tracing route to %s [%s]", name.c_str(),
                               dottedAddress(address).c_str());
        IcmpEcho echo;
        echo.open();
        for (int ttl = 1; ttl <= kMaxHops; ++ttl) {
            if (trace_.stop) {
                hopMessage(ttl, kAborted);
                break;
            }
            std::string times[kProbesPerHop] = {"*", "*", "*"};
            int hits = 0;
            bool reached = false;
            bool unreachable = false;
            uint32_t answering = 0;
            for (int probe = 0; probe < kProbesPerHop; ++probe) {
                IcmpEchoReply reply;
                echo.send(address, ttl, kTimeoutMs, echoData(), &reply);
                if (reply.status == IcmpEcho::kSuccess || reply.status == IcmpEcho::kTtlExpired) {
                    ++hits;
                    reached = reached || reply.status == IcmpEcho::kSuccess;
                    answering = reply.address;
                    times[probe] = std::to_string(reply.roundTripMs);
                } else if (reply.status == IcmpEcho::kNetUnreachable) {
                    unreachable = true;
                    break;
                }
            }
            if (unreachable) {
                hopMessage(ttl, kNetUnreachable);
                break;
            }
            if (hits == 0) {
                hopMessage(ttl, kTimedOut);
                continue;
            }
            const std::string dotted = dottedAddress(answering);
            std::string hopName;
            uint32_t ignored = 0;
            if (!lookupHostByAddress(dotted, &ignored, &hopName)) {
                hopName.clear();
            }
            log_.LogExtendedFormat("#%02d: %4s %4s %4s %s [%s]", ttl, times[0].c_str(),
                                   times[1].c_str(), times[2].c_str(), hopName.c_str(),
                                   dotted.c_str());
            sink_.traceRow(ttl, times[0], times[1], times[2], hopName + " [" + dotted + "]");
            if (reached) {
                break;
            }
        }
    }
    trace_.running = false;
    sink_.finished(Operation::TraceRoute);
}

}  // namespace nubo
