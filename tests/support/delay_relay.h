#pragma once

#include <string>

#include "tests/support/background_process.h"
#include "tests/support/test_util.h"

namespace nubo::test {

// A long line in front of an FTP server (delay_relay.py): every segment, both ways,
// control and data, arrives a fixed time after it was sent, in order; passive data
// connections are relayed through listeners of its own. It counts the connections it
// relayed, so a test can see how many a client opened at once.
class DelayRelay {
  public:
    // Ftp rewrites passive replies and relays their data connections; Plain passes one
    // connection's bytes as they are (SSH).
    enum class Kind { Ftp, Plain };
    // oneWayMs: the delay each way (the round trip is twice this).
    DelayRelay(unsigned targetPort, double oneWayMs = 10, Kind kind = Kind::Ftp);
    ~DelayRelay();
    DelayRelay(const DelayRelay&) = delete;
    DelayRelay& operator=(const DelayRelay&) = delete;

    bool running() const { return port_ != 0; }
    const std::string& startError() const { return error_; }
    unsigned port() const { return port_; }
    // A count as last written (several times a second): "control" and "data" (relayed
    // so far), "open-control" (open now), "peak-control" (most open at once); -1 when
    // there is none yet.
    long count(const std::string& key) const;

  private:
    TempFolder folder_{"nubo-delay"};
    std::string error_;
    unsigned port_ = 0;
    BackgroundProcess process_;
};

}  // namespace nubo::test
