#pragma once

#include <cstdio>
#include <string>

#include "base/app_log_listener.h"

namespace nubo {

class AppLog;
class ConsoleOutlets;

// Writes every new log line to a stream as the Log page would show it: the log of a
// run without windows, on standard error.
class StreamLogWriter : public AppLogListener {
  public:
    // `outlets` (may be null) has its progress line cleared before each line.
    StreamLogWriter(AppLog& log, FILE* stream, ConsoleOutlets* outlets);
    ~StreamLogWriter() override;

    void lineAppended(size_t index, const std::string& text, LogLineKind kind) override;
    void logWiped() override {}

  private:
    AppLog& log_;
    FILE* stream_;
    ConsoleOutlets* outlets_;
};

}  // namespace nubo
