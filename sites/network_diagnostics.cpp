#include "sites/network_diagnostics.h"

#include <cstdarg>
#include <cstdio>

#include "engine/host_lookup.h"
#include "platform/icmp_echo.h"
#include "shell/app_log.h"

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
    stopPing_ = true;
    stopTrace_ = true;
    join();
}

void NetworkDiagnostics::join() {
    if (pingThread_.joinable()) {
        pingThread_.join();
    }
    if (traceThread_.joinable()) {
        traceThread_.join();
    }
}

bool NetworkDiagnostics::loadIcmp() {
    loaded_ = IcmpEcho::available();
    return loaded_;
}

void NetworkDiagnostics::logFormatted(const char* pattern, ...) {
    char text[512];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(text, sizeof text, pattern, args);
    va_end(args);
    log_.LogExtended(text);
}

bool NetworkDiagnostics::startPing(const std::string& host) {
    if (!loaded_ || pingRunning_) {
        return false;
    }
    if (pingThread_.joinable()) {
        pingThread_.join();
    }
    pingRunning_ = true;
    stopPing_ = false;
    pingThread_ = std::thread([this, host] { runPing(host); });
    return true;
}

bool NetworkDiagnostics::startTraceRoute(const std::string& host) {
    if (!loaded_ || traceRunning_) {
        return false;
    }
    if (traceThread_.joinable()) {
        traceThread_.join();
    }
    traceRunning_ = true;
    stopTrace_ = false;
    traceThread_ = std::thread([this, host] { runTraceRoute(host); });
    return true;
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
    logFormatted("*** %s", kMessages[message]);
    sink_.pingRow({}, {}, {}, kMessages[message]);
}

void NetworkDiagnostics::runPing(const std::string& host) {
    pingRunning_ = true;
    std::string name;
    uint32_t address = 0;
    if (resolveTarget(Operation::Ping, host, &name, &address)) {
        const std::string dotted = dottedAddress(address);
        logFormatted("PINGing %s [%s] with 32 bytes", name.c_str(), dotted.c_str());
        std::string status = "[" + dotted + "]: ";
        IcmpEcho echo;
        echo.open();
        for (int i = 0; i < kPingCount; ++i) {
            if (stopPing_) {
                pingMessage(kAborted);
                break;
            }
            IcmpEchoReply reply;
            echo.send(address, 64, kTimeoutMs, echoData(), &reply);
            const std::string from = dottedAddress(reply.address);
            if (reply.status == IcmpEcho::kSuccess) {
                logFormatted("reply from %s: %u data bytes, %u ms, TTL=%u", from.c_str(),
                             reply.dataSize, reply.roundTripMs, reply.ttl);
                sink_.pingRow(from, std::to_string(reply.roundTripMs), std::to_string(reply.ttl),
                              {});
            } else if (reply.status == IcmpEcho::kNetUnreachable) {
                logFormatted("reply from %s: %s", from.c_str(), kMessages[kNetUnreachable]);
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
    pingRunning_ = false;
    sink_.finished(Operation::Ping);
}

void NetworkDiagnostics::hopMessage(int hop, int message) {
    logFormatted("#%02d: %s", hop, kMessages[message]);
    sink_.traceRow(hop, {}, {}, {}, kMessages[message]);
}

void NetworkDiagnostics::runTraceRoute(const std::string& host) {
    traceRunning_ = true;
    std::string name;
    uint32_t address = 0;
    if (resolveTarget(Operation::TraceRoute, host, &name, &address)) {
        logFormatted("Tracing route to %s [%s]", name.c_str(), dottedAddress(address).c_str());
        IcmpEcho echo;
        echo.open();
        for (int ttl = 1; ttl <= kMaxHops; ++ttl) {
            if (stopTrace_) {
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
            logFormatted("#%02d: %4s %4s %4s %s [%s]", ttl, times[0].c_str(), times[1].c_str(),
                         times[2].c_str(), hopName.c_str(), dotted.c_str());
            sink_.traceRow(ttl, times[0], times[1], times[2], hopName + " [" + dotted + "]");
            if (reached) {
                break;
            }
        }
    }
    traceRunning_ = false;
    sink_.finished(Operation::TraceRoute);
}

}  // namespace nubo
