#include "sites/network_diagnostics.h"

#include <arpa/inet.h>

#include <cstring>
#include <vector>

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
    refusal_.clear();
    loaded_ = IcmpEcho::available(&refusal_);
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
                                       std::string* name, NetAddress* address) {
    uint32_t v4 = 0;
    bool resolved = false;
    if (isDottedAddress(host)) {
        resolved = lookupHostByAddress(host, &v4, name);
        *address = NetAddress::fromIpv4(v4, 0);
    } else if (host.find(':') != std::string::npos) {
        // An IPv6 literal is pinged whether or not it has a name.
        resolved = NetAddress::parseLiteral(host, 0, address);
        if (resolved && !reverseLookup(*address, name)) {
            *name = address->text();
        }
    } else if (lookupHostByName(host, &v4, name)) {
        resolved = true;
        *address = NetAddress::fromIpv4(v4, 0);
    } else {
        // A host with IPv6 addresses only.
        std::vector<NetAddress> all;
        if (resolveAll(host, 0, &all)) {
            *address = all.front();
            *name = host;
            resolved = true;
        }
    }
    if (!resolved) {
        sink_.targetText(operation, "Unable to resolve " + host);
        log_.LogExtended("*** Unable to resolve ", host);
        return false;
    }
    sink_.targetText(operation, *name + " [" + address->text() + "]");
    return true;
}

void NetworkDiagnostics::sendEcho(IcmpEcho& echo, const NetAddress& target, int ttl,
                                  IcmpEchoReply* reply, std::string* from) {
    if (target.isIpv6()) {
        in6_addr address{};
        std::memcpy(&address, target.ipv6Bytes(), sizeof address);
        echo.send(address, ttl, kTimeoutMs, echoData(), reply);
        char text[INET6_ADDRSTRLEN] = "";
        inet_ntop(AF_INET6, &reply->address6, text, sizeof text);
        *from = text;
    } else {
        echo.send(target.ipv4(), ttl, kTimeoutMs, echoData(), reply);
        *from = dottedAddress(reply->address);
    }
}

void NetworkDiagnostics::pingMessage(int message) {
    log_.LogExtendedFormat("*** %s", kMessages[message]);
    sink_.pingRow({}, {}, {}, kMessages[message]);
}

void NetworkDiagnostics::runPing(const std::string& host) {
    ping_.running = true;
    std::string name;
    NetAddress address;
    if (resolveTarget(Operation::Ping, host, &name, &address)) {
        const std::string dotted = address.text();
        log_.LogExtendedFormat("PINGing %s [%s] with 32 bytes", name.c_str(), dotted.c_str());
        std::string status = "[" + dotted + "]: ";
        IcmpEcho echo;
        echo.open(IcmpEcho::Mode::Any, address.family());
        for (int i = 0; i < kPingCount; ++i) {
            if (ping_.stop) {
                pingMessage(kAborted);
                break;
            }
            IcmpEchoReply reply;
            std::string from;
            sendEcho(echo, address, 64, &reply, &from);
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
    NetAddress address;
    if (resolveTarget(Operation::TraceRoute, host, &name, &address)) {
        log_.LogExtendedFormat("Tracing route to %s [%s]", name.c_str(), address.text().c_str());
        IcmpEcho echo;
        echo.open(IcmpEcho::Mode::Any, address.family());
        for (int ttl = 1; ttl <= kMaxHops; ++ttl) {
            if (trace_.stop) {
                hopMessage(ttl, kAborted);
                break;
            }
            std::string times[kProbesPerHop] = {"*", "*", "*"};
            int hits = 0;
            bool reached = false;
            bool unreachable = false;
            std::string dotted;
            for (int probe = 0; probe < kProbesPerHop; ++probe) {
                IcmpEchoReply reply;
                std::string from;
                sendEcho(echo, address, ttl, &reply, &from);
                if (reply.status == IcmpEcho::kSuccess || reply.status == IcmpEcho::kTtlExpired) {
                    ++hits;
                    reached = reached || reply.status == IcmpEcho::kSuccess;
                    dotted = from;
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
            std::string hopName;
            NetAddress hop;
            if (!NetAddress::parseLiteral(dotted, 0, &hop) || !reverseLookup(hop, &hopName)) {
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
