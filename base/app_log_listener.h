#pragma once

#include <cstddef>
#include <string>

namespace nubo {

// What a log line is: an FTP command ("<..."), a server reply (">..."), the client's
// extended output, or a line written whatever the flags say (the banner).
enum class LogLineKind { Command, Reply, Extended, Other };

// Observer of the log. Called on the thread that appended, under the log's lock (so
// notifications arrive in line order); implementations must not call back into the
// log and should only forward (a widget forwards with a queued signal).
class AppLogListener {
  public:
    virtual ~AppLogListener() = default;
    // The line at `index` was appended; its text comes along, since the log may not be
    // read from inside this call.
    virtual void lineAppended(size_t index, const std::string& text, LogLineKind kind) = 0;
    virtual void logWiped() = 0;
};

}  // namespace nubo
