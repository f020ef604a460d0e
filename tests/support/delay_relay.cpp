#include "tests/support/delay_relay.h"

#include <sstream>
#include <vector>

namespace nubo::test {

DelayRelay::DelayRelay(unsigned targetPort, double oneWayMs, Kind kind) {
    const std::string& base = folder_.path();
    std::vector<std::string> args = {"--target-port", std::to_string(targetPort),
                                     "--port-file",   base + "/port",
                                     "--stats-file",  base + "/stats",
                                     "--delay-ms",    std::to_string(oneWayMs)};
    if (kind == Kind::Plain)
        args.push_back("--plain");
    port_ = startPythonService(process_, "delay_relay.py", args, base + "/port",
                               base + "/relay.log", &error_);
}

DelayRelay::~DelayRelay() {
    process_.stop();
}

long DelayRelay::count(const std::string& key) const {
    std::istringstream lines(readFile(folder_.path() + "/stats"));
    std::string name;
    long value = 0;
    while (lines >> name >> value) {
        if (name == key)
            return value;
    }
    return -1;
}

}  // namespace nubo::test
