#pragma once

#include <cstddef>

namespace nubo {

// Observer of the log. Called on the thread that appended, under the log's lock (so
// notifications arrive in line order); implementations must not call back into the
// log and should only forward (a widget forwards with a queued signal).
class AppLogListener {
  public:
    virtual ~AppLogListener() = default;
    // Lines [first, first + count) were appended.
    virtual void linesAppended(size_t first, size_t count) = 0;
    virtual void logWiped() = 0;
};

}  // namespace nubo
