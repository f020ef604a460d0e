#pragma once

#include <cstddef>
#include <string>

namespace nubo {

// Observer of the log. Called on the thread that appended, under the log's lock (so
// notifications arrive in line order); implementations must not call back into the
// log and should only forward (a widget forwards with a queued signal).
class AppLogListener {
  public:
    virtual ~AppLogListener() = default;
    // The line at `index` was appended; its text comes along, since the log may not be
    // read from inside this call.
    virtual void lineAppended(size_t index, const std::string& text) = 0;
    virtual void logWiped() = 0;
};

}  // namespace nubo
