// Ping and trace route over real ICMP: on the loopback interface, and through a router
// between network namespaces on this machine.
#include "sites/network_diagnostics.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <fstream>
#include <mutex>

#include "base/app_log.h"
#include "platform/icmp_echo.h"
#include "tests/support/netns_topology.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

using Operation = DiagnosticsSink::Operation;

// Rows as text: "ping FROM|TIME|TTL|MESSAGE", "hop N|T1|T2|T3|NAME", "target TEXT", ...
class RecordingSink : public DiagnosticsSink {
  public:
    void targetText(Operation, const std::string& text) override { add("target " + text); }
    void pingRow(const std::string& from, const std::string& time, const std::string& ttl,
                 const std::string& message) override {
        add("ping " + from + "|" + time + "|" + ttl + "|" + message);
    }
    void pingStatus(const std::string& text) override {
        std::lock_guard lock(mutex_);
        status_ = text;
    }
    void traceRow(int hop, const std::string& a, const std::string& b, const std::string& c,
                  const std::string& name) override {
        add("hop " + std::to_string(hop) + "|" + a + "|" + b + "|" + c + "|" + name);
    }
    void finished(Operation operation) override {
        add(operation == Operation::Ping ? "finished ping" : "finished trace");
    }
    std::vector<std::string> rows() const {
        std::lock_guard lock(mutex_);
        return rows_;
    }
    std::string status() const {
        std::lock_guard lock(mutex_);
        return status_;
    }
    size_t count(const std::string& prefix) const {
        size_t n = 0;
        for (const std::string& row : rows())
            n += row.rfind(prefix, 0) == 0;
        return n;
    }

  private:
    void add(const std::string& row) {
        std::lock_guard lock(mutex_);
        rows_.push_back(row);
    }
    mutable std::mutex mutex_;
    std::vector<std::string> rows_;
    std::string status_;
};

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

class DiagnosticsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!diagnostics.loadIcmp()) {
            GTEST_SKIP() << "no ICMP sockets here (neither ping sockets nor raw sockets)";
        }
    }
    std::string logText() const { return joined(log.Lines()); }

    AppLog log;
    RecordingSink sink;
    NetworkDiagnostics diagnostics{log, sink};
};

TEST_F(DiagnosticsTest, PingOfTheLoopbackAddressAndOfLocalhost) {
    for (const char* host : {"127.0.0.1", "localhost"}) {
        log.Wipe();
        RecordingSink rows;
        NetworkDiagnostics ping(log, rows);
        ASSERT_TRUE(ping.loadIcmp());
        ASSERT_TRUE(ping.startPing(host));
        ping.join();
        const std::vector<std::string> lines = log.Lines();
        ASSERT_EQ(lines.size(), 5u) << logText();
        EXPECT_EQ(lines[0], "PINGing localhost [127.0.0.1] with 32 bytes");
        for (size_t i = 1; i < 5; ++i) {
            EXPECT_EQ(lines[i].rfind("reply from 127.0.0.1: 32 data bytes, ", 0), 0u) << lines[i];
            EXPECT_NE(lines[i].find(" ms, TTL=64"), std::string::npos) << lines[i];
        }
        EXPECT_EQ(rows.rows().front(), "target localhost [127.0.0.1]");
        EXPECT_EQ(rows.count("ping 127.0.0.1|"), 4u) << joined(rows.rows());
        EXPECT_EQ(rows.rows().back(), "finished ping");
        const std::string status = rows.status();
        EXPECT_EQ(status.rfind("[127.0.0.1]: ", 0), 0u);
        EXPECT_EQ(std::count(status.begin(), status.end(), ','), 3) << status;
        EXPECT_EQ(status.find("***"), std::string::npos) << status;
        EXPECT_FALSE(ping.pingRunning());
    }
}

TEST_F(DiagnosticsTest, PingAndTraceOfTheIpv6LoopbackAddress) {
    diagnostics.runPing("::1");
    const std::vector<std::string> lines = log.Lines();
    ASSERT_EQ(lines.size(), 5u) << logText();
    EXPECT_EQ(lines[0].rfind("PINGing ", 0), 0u);
    EXPECT_NE(lines[0].find(" [::1] with 32 bytes"), std::string::npos) << lines[0];
    for (size_t i = 1; i < 5; ++i) {
        EXPECT_EQ(lines[i].rfind("reply from ::1: 32 data bytes, ", 0), 0u) << lines[i];
        EXPECT_NE(lines[i].find(" ms, TTL=64"), std::string::npos) << lines[i];
    }
    EXPECT_EQ(sink.count("ping ::1|"), 4u) << joined(sink.rows());
    log.Wipe();
    diagnostics.runTraceRoute("::1");
    const std::vector<std::string> trace = log.Lines();
    ASSERT_EQ(trace.size(), 2u) << logText();
    EXPECT_EQ(trace[1].rfind("#01: ", 0), 0u);
    EXPECT_NE(trace[1].find(" [::1]"), std::string::npos) << trace[1];
}

TEST_F(DiagnosticsTest, UnresolvableTargets) {
    diagnostics.runPing("no-such-host.invalid");
    EXPECT_EQ(logText(), "*** Unable to resolve no-such-host.invalid\n");
    EXPECT_EQ(sink.rows().front(), "target Unable to resolve no-such-host.invalid");
    log.Wipe();
    diagnostics.runTraceRoute("no-such-host.invalid");
    EXPECT_EQ(logText(), "*** Unable to resolve no-such-host.invalid\n");
    EXPECT_EQ(sink.rows().back(), "finished trace");
}

TEST_F(DiagnosticsTest, TraceToTheLoopbackAddressEndsAtTheFirstHop) {
    diagnostics.runTraceRoute("127.0.0.1");
    const std::vector<std::string> lines = log.Lines();
    ASSERT_EQ(lines.size(), 2u) << logText();
    EXPECT_EQ(lines[0], "Tracing route to localhost [127.0.0.1]");
    EXPECT_EQ(lines[1].rfind("#01: ", 0), 0u);
    EXPECT_NE(lines[1].find(" localhost [127.0.0.1]"), std::string::npos) << lines[1];
    EXPECT_EQ(sink.count("hop "), 1u);
}

TEST_F(DiagnosticsTest, NotStartedWithoutIcmpOrTwice) {
    NetworkDiagnostics unloaded(log, sink);
    EXPECT_FALSE(unloaded.startPing("127.0.0.1"));
    EXPECT_FALSE(unloaded.startTraceRoute("127.0.0.1"));
}

// Takes CAP_NET_RAW from this process (a child of the test): raw sockets are then
// refused as they are to an ordinary user.
bool dropNetRaw() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    const uint32_t bit = 1u << (CAP_NET_RAW % 32);
    data[CAP_NET_RAW / 32].effective &= ~bit;
    data[CAP_NET_RAW / 32].permitted &= ~bit;
    data[CAP_NET_RAW / 32].inheritable &= ~bit;
    return syscall(SYS_capset, &header, data) == 0;
}

// In a network namespace of its own with the given ping socket range and without
// CAP_NET_RAW: "loaded", or why not.
std::string loadWithout(const char* groupRange) {
    return test::runInChild([groupRange]() -> std::string {
        if (unshare(CLONE_NEWNET) != 0)
            return "skip: no network namespace";
        std::ofstream("/proc/sys/net/ipv4/ping_group_range") << groupRange;
        if (!dropNetRaw())
            return "skip: capabilities not changed";
        AppLog log;
        RecordingSink sink;
        NetworkDiagnostics diagnostics(log, sink);
        return diagnostics.loadIcmp() ? "loaded" : diagnostics.icmpRefusal();
    });
}

TEST(IcmpRefusalTest, WithoutPingSocketsAndRawSocketsTheRefusalSaysWhy) {
    const std::string refused = loadWithout("1 0");
    if (refused.rfind("skip: ", 0) == 0)
        GTEST_SKIP() << refused;
    EXPECT_EQ(refused,
              "No ICMP: ping sockets are not open to this user's groups "
              "(net.ipv4.ping_group_range is 1 0), and raw sockets need the CAP_NET_RAW "
              "capability, which this program lacks");
    // Ping sockets open to every group are enough without the capability.
    EXPECT_EQ(loadWithout("0 2147483647"), "loaded");
    // Other errors are named as the system names them.
    EXPECT_EQ(IcmpEcho::refusal(EAFNOSUPPORT, EAFNOSUPPORT, ""),
              "No ICMP: no ping socket (Address family not supported by protocol), and no raw "
              "socket (Address family not supported by protocol)");
}

// ---- through network namespaces ----

class RoutedDiagnosticsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!topology.error().empty()) {
            GTEST_SKIP() << "network namespaces unavailable: " << topology.error();
        }
    }
    // Runs in the client namespace; returns its log and rows.
    std::string inClient(const std::function<void(NetworkDiagnostics&, RecordingSink&)>& work,
                         IcmpEcho::Mode wanted = IcmpEcho::Mode::Any) {
        return topology.runInClient([&]() -> std::string {
            if (wanted == IcmpEcho::Mode::Datagram) {
                std::ofstream("/proc/sys/net/ipv4/ping_group_range") << "0 2147483647";
            }
            IcmpEcho probe;
            if (!probe.open(wanted)) {
                return "no ICMP socket of the wanted kind";
            }
            AppLog log;
            RecordingSink sink;
            NetworkDiagnostics diagnostics(log, sink);
            if (!diagnostics.loadIcmp()) {
                return "no ICMP";
            }
            work(diagnostics, sink);
            return joined(log.Lines()) + "--\n" + joined(sink.rows());
        });
    }

    test::NetnsTopology topology;
};

TEST_F(RoutedDiagnosticsTest, TwoHopsThroughARouterWithEitherKindOfSocket) {
    for (IcmpEcho::Mode mode : {IcmpEcho::Mode::Raw, IcmpEcho::Mode::Datagram}) {
        const std::string result = inClient(
            [](NetworkDiagnostics& d, RecordingSink&) { d.runTraceRoute("nubo-target"); }, mode);
        EXPECT_NE(result.find("Tracing route to nubo-target [10.77.2.2]\n"), std::string::npos)
            << result;
        EXPECT_NE(result.find(" nubo-router [10.77.1.2]\n#02: "), std::string::npos) << result;
        EXPECT_NE(result.find(" nubo-target [10.77.2.2]\n--"), std::string::npos) << result;
        EXPECT_NE(result.find("hop 1|"), std::string::npos);
        EXPECT_NE(result.find("|nubo-target [10.77.2.2]\nfinished trace"), std::string::npos)
            << result;
        EXPECT_EQ(result.find("#03"), std::string::npos) << result;
    }
}

TEST_F(RoutedDiagnosticsTest, TwoIpv6HopsThroughARouterWithEitherKindOfSocket) {
    if (!topology.ipv6Error().empty()) {
        GTEST_SKIP() << topology.ipv6Error();
    }
    for (IcmpEcho::Mode mode : {IcmpEcho::Mode::Raw, IcmpEcho::Mode::Datagram}) {
        const std::string result = inClient(
            [](NetworkDiagnostics& d, RecordingSink&) {
                d.runTraceRoute("nubo-target6");
                d.runPing("fd77:2::2");
            },
            mode);
        EXPECT_NE(result.find("Tracing route to nubo-target6 [fd77:2::2]\n"), std::string::npos)
            << result;
        EXPECT_NE(result.find(" nubo-router6 [fd77:1::2]\n#02: "), std::string::npos) << result;
        EXPECT_NE(result.find(" nubo-target6 [fd77:2::2]\n"), std::string::npos) << result;
        EXPECT_EQ(result.find("#03"), std::string::npos) << result;
        EXPECT_NE(result.find("PINGing nubo-target6 [fd77:2::2] with 32 bytes\n"
                              "reply from fd77:2::2: 32 data bytes, "),
                  std::string::npos)
            << result;
        EXPECT_NE(result.find(" ms, TTL=63\n"), std::string::npos) << "one router on the way\n"
                                                                   << result;
    }
}

TEST_F(RoutedDiagnosticsTest, ADottedAddressWithoutAReverseEntryIsUnresolvable) {
    const std::string result = inClient([](NetworkDiagnostics& d, RecordingSink&) {
        d.runPing("10.77.2.1");  // the router's far side: no name anywhere
        d.runPing("10.77.1.2");  // named in the hosts file
    });
    EXPECT_NE(result.find("*** Unable to resolve 10.77.2.1\nPINGing nubo-router [10.77.1.2] "
                          "with 32 bytes\n"),
              std::string::npos)
        << result;
    EXPECT_NE(result.find("target Unable to resolve 10.77.2.1\nfinished ping\n"), std::string::npos)
        << result;
}

TEST_F(RoutedDiagnosticsTest, ASilentTargetTimesOutUntilStopped) {
    ASSERT_TRUE(
        topology.exec("target", "sh -c 'echo 1 > /proc/sys/net/ipv4/icmp_echo_ignore_all'"));
    const std::string result = inClient([](NetworkDiagnostics& d, RecordingSink& sink) {
        d.runPing("nubo-target");
        d.startTraceRoute("nubo-target");
        test::waitFor([&] { return sink.count("hop 3|") == 1; }, 30000);
        d.stopTraceRoute();
        d.join();
    });
    // Ping: four times nothing.
    EXPECT_NE(result.find("PINGing nubo-target [10.77.2.2] with 32 bytes\n*** <timed out>\n"
                          "*** <timed out>\n*** <timed out>\n*** <timed out>\nTracing"),
              std::string::npos)
        << result;
    // Trace: the router answers, then the target never does, until the stop, which
    // the next hop reports.
    EXPECT_NE(result.find(" nubo-router [10.77.1.2]\n#02: <timed out>\n#03: <timed out>\n"),
              std::string::npos)
        << result;
    const size_t aborted = result.find(": <aborted>\n--");
    ASSERT_NE(aborted, std::string::npos) << result;
    EXPECT_EQ(result.find("#3"), std::string::npos) << result;  // stopped well before hop 30
    EXPECT_NE(result.find("||||<aborted>\nfinished trace"), std::string::npos) << result;
}

}  // namespace
}  // namespace nubo
