#pragma once

namespace nubo {

class CommandLineRequest;
class ShortcutLibrary;

// The windowed program: the main window with its pages over the same start-up, store,
// Host page logic and engine as a headless run, and the exit sequence when the window
// closes, a session asks to, or a termination signal or the desktop's logout arrives.
class WindowRun {
  public:
    WindowRun(const CommandLineRequest& request, ShortcutLibrary& shortcuts);
    // Runs until the window closes; returns the process exit code.
    int run(int& argc, char** argv);

  private:
    const CommandLineRequest& request_;
    ShortcutLibrary& shortcuts_;
};

}  // namespace nubo
