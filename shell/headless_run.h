#pragma once

#include <cstdio>

namespace nubo {

class CommandLineRequest;
class ShortcutLibrary;

// A command-line run without windows: the same start-up, store, Host page logic and
// engine as the windowed program, with the log on a stream (as the Log page would
// show it), a progress line when that stream is a terminal, and the exit code. A
// transfer broken off by a lost connection is resumed: the run logs in again after 2,
// 8 and 30 seconds, and gives up after three attempts in a row that neither finished a
// file nor moved bytes the resumption keeps.
class HeadlessRun {
  public:
    HeadlessRun(const CommandLineRequest& request, ShortcutLibrary& shortcuts, FILE* stream);
    // Runs to the end of the session; returns the process exit code.
    int run();

  private:
    const CommandLineRequest& request_;
    ShortcutLibrary& shortcuts_;
    FILE* stream_;
};

}  // namespace nubo
