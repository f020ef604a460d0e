#pragma once

namespace nubo {

// SIGTERM, SIGINT and SIGHUP (a logout, a kill, Ctrl+C) turned into a request to run the
// exit sequence, so that settings are saved and a session ends with QUIT. The handler
// only sets a flag and writes a byte to a pipe that an event loop can watch.
class TerminationSignals {
  public:
    // Installs the handlers once; later calls do nothing.
    static void install();
    // A termination signal arrived since install.
    static bool requested();
    // The read end of the pipe: readable once a signal arrived (-1 before install).
    static int readFd();
};

}  // namespace nubo
