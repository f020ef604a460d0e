#pragma once

#include <ctime>
#include <string>

namespace nubo {

class AppLog;

// The lines the log starts with: the title, the program's version and the start
// time, then the system the program runs on.
class LogBanner {
  public:
    // "[Nubo 2.2 (2.2.0.0) log started on Tue Dec 08 06:53:43 2026]".
    static std::string startLine(time_t now);
    // The running kernel: "[Linux 6.1.0-13-amd64 x86_64]".
    static std::string platformLine();
    static void append(AppLog& log);
};

}  // namespace nubo
