#pragma once

#include <netinet/in.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace nubo::test {

// A server program run by a test: started in its own process group with its output
// in a log file, and stopped with everything it forked when the object goes.
class BackgroundProcess {
  public:
    BackgroundProcess() = default;
    ~BackgroundProcess();
    BackgroundProcess(const BackgroundProcess&) = delete;
    BackgroundProcess& operator=(const BackgroundProcess&) = delete;

    // argv[0] is the program's path. False when it cannot be started.
    bool start(const std::vector<std::string>& argv, const std::string& logFile);
    // False once the program has ended.
    bool alive();
    void stop();
    pid_t pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
};

// Starts a helper script of tests/support with Debian's python3 (argv without the
// interpreter and the script's folder) and waits until it has written the port it
// listens on to portFile. Returns the port, or 0 with *error set (the script's log
// when it exited).
unsigned startPythonService(BackgroundProcess& process, const std::string& script,
                            const std::vector<std::string>& args, const std::string& portFile,
                            const std::string& logFile, std::string* error);

// The loopback address with a port, for bind and connect.
sockaddr_in loopbackAddress(unsigned port);
// A loopback TCP port that nothing listens on at the moment of the call.
unsigned freeLoopbackPort();
// The first of count consecutive TCP ports, below the range the system takes ports of
// outgoing connections from, that nothing holds at the moment of the call on any of the
// IPv4 addresses given; 0 when none was found.
unsigned freePortRange(unsigned count, const std::vector<std::string>& addresses);
// Waits until something accepts connections on the loopback port.
bool waitForListener(unsigned port, int timeoutMs = 10000);
// Whether a TCP socket of this machine listens on the port (read from /proc/net, IPv4 and
// IPv6): a readiness check that, unlike a trial connection, does not take one of a
// server's connections per address.
bool listensOn(unsigned port);

}  // namespace nubo::test
