#pragma once

#include <string>

#include "tests/support/background_process.h"
#include "tests/support/test_util.h"

namespace nubo::test {

// A flaky line in front of an FTP server (fault_relay.py): control passed through,
// passive data connections relayed and cut at random (by a close or a reset), the
// control connection dropped now and then right after a transfer command. The seed
// fixes the faults' order; faults() lists those played so far.
//
// Blind, for FTP over TLS: the control connection passes unread, and the relay listens
// on 127.0.0.1 on the server's own passive ports (the server on another loopback
// address, naming 127.0.0.1 in its replies); cuts count the bytes going one way, and a
// control connection is dropped once a file's data connection is under way (minCut).
class FaultRelay {
  public:
    struct Odds {
        double dataCut = 0.3;       // share of transfers' data connections cut short
        double controlDrop = 0.05;  // share of transfer commands after which the line drops
        int minCut = 0;             // a cut comes after minCut to maxCut bytes
        int maxCut = 200000;
    };
    struct Blind {
        std::string serverAddress;  // the loopback address the server listens on
        unsigned lowPort = 0;       // its passive ports
        unsigned highPort = 0;
        bool cutUploads = false;  // cuts count client-to-server bytes, else the other way
    };
    FaultRelay(unsigned targetPort, int seed, const Odds& odds, const Blind* blind = nullptr);
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
