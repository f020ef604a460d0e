#pragma once

#include <string>

#include "tests/support/background_process.h"
#include "tests/support/test_util.h"

namespace nubo::test {

// A flaky line in front of an FTP server (fault_relay.py): control passed through,
// passive data connections relayed and cut at random (by a close or a reset), the
// control connection dropped now and then right after a RETR. The seed fixes the
// faults' order; faults() lists those played so far.
class FaultRelay {
  public:
    struct Odds {
        double dataCut = 0.3;       // share of data connections cut short
        double controlDrop = 0.05;  // share of RETR commands after which the line drops
        int maxCut = 200000;        // a cut comes after 0 to this many bytes
    };
    FaultRelay(unsigned targetPort, int seed, const Odds& odds);
    ~FaultRelay();
    FaultRelay(const FaultRelay&) = delete;
    FaultRelay& operator=(const FaultRelay&) = delete;

    bool running() const { return port_ != 0; }
    const std::string& startError() const { return error_; }
    unsigned port() const { return port_; }
    // One line per fault played: "data-close N", "data-reset N", "control-drop".
    std::string faults() const;

  private:
    TempFolder folder_{"nubo-relay"};
    std::string error_;
    unsigned port_ = 0;
    BackgroundProcess process_;
};

}  // namespace nubo::test
