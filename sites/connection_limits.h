#pragma once

#include <string>

namespace nubo {

// The connections a host was found to take, kept in the setting "ConnectionLimits" as
// "host:port=N" items separated by ";" (host names compared without case), so that the
// next batch to that host opens no connection it would refuse.
class ConnectionLimits {
  public:
    static constexpr int kMaxItems = 64;
    // The limit learned for host and port; 0 when none.
    static int lookup(const std::string& text, const std::string& host, unsigned port);
    // The setting with the limit of host and port replaced (0 removes it); the oldest
    // items go beyond kMaxItems.
    static std::string store(const std::string& text, const std::string& host, unsigned port,
                             int limit);
};

}  // namespace nubo
