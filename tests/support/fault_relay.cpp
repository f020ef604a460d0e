#include "tests/support/fault_relay.h"

#include <string>
#include <vector>

namespace nubo::test {

FaultRelay::FaultRelay(unsigned targetPort, int seed, const Odds& odds, const Blind* blind) {
    const std::string& base = folder_.path();
    std::vector<std::string> args = {"--target-port",  std::to_string(targetPort),
                                     "--port-file",    base + "/port",
                                     "--fault-file",   base + "/faults",
                                     "--seed",         std::to_string(seed),
                                     "--data-cut",     std::to_string(odds.dataCut),
                                     "--control-drop", std::to_string(odds.controlDrop),
                                     "--min-cut",      std::to_string(odds.minCut),
                                     "--max-cut",      std::to_string(odds.maxCut)};
    if (blind != nullptr) {
        args.insert(args.end(),
                    {"--target-host", blind->serverAddress, "--blind",
                     std::to_string(blind->lowPort) + ":" + std::to_string(blind->highPort),
                     "--cut-way", blind->cutUploads ? "up" : "down"});
    }
    port_ = startPythonService(process_, "fault_relay.py", args, base + "/port",
                               base + "/relay.log", &error_);
}

FaultRelay::~FaultRelay() {
    process_.stop();
}

std::string FaultRelay::faults() const {
    return readFile(folder_.path() + "/faults");
}

}  // namespace nubo::test
