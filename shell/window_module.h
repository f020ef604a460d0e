#pragma once

namespace nubo {

class CommandLineRequest;
class ShortcutLibrary;

// The windows live in a library of their own ("libnubopro-window.so", beside the program
// or in lib/nubopro/), loaded only by a run that opens one: a script's transfer then
// never loads the widget, font and keyring libraries, which cost every run tens of
// milliseconds at its start.
class WindowModule {
  public:
    static constexpr const char* kLibrary = "libnubopro-window.so";
    static constexpr const char* kEntry = "nubo_window_main";
    // The library's entry: setup (1) or the main window (0); returns the exit code.
    using Entry = int (*)(int setup, const CommandLineRequest* request,
                          ShortcutLibrary* shortcuts, int* argc, char** argv);

    // Loads the library and runs the setup pages or the main window; 1 (said on
    // standard error) when the library cannot be loaded.
    static int run(bool setup, const CommandLineRequest& request, ShortcutLibrary& shortcuts,
                   int& argc, char** argv);
};

}  // namespace nubo
