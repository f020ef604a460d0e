// The entry of "libnubopro-window.so", which the program loads for a run that opens a
// window (shell/window_module.h).
#include <type_traits>

#include "platform/termination_signals.h"
#include "setup/ui/setup_run.h"
#include "shell/command_line_request.h"
#include "shell/ui/window_run.h"
#include "shell/window_module.h"
#include "shellext/shortcut_library.h"

extern "C" __attribute__((visibility("default"))) int nubo_window_main(
    int setup, const nubo::CommandLineRequest* request, nubo::ShortcutLibrary* shortcuts,
    int* argc, char** argv) {
    // The entry must keep the shape the program calls it by.
    static_assert(std::is_same_v<decltype(&nubo_window_main), nubo::WindowModule::Entry>);
    if (setup != 0) {
        return nubo::SetupRun(*request, *shortcuts).run(*argc, argv);
    }
    // The library's own copy of the signal flags is the one the window watches.
    nubo::TerminationSignals::install();
    return nubo::WindowRun(*request, *shortcuts).run(*argc, argv);
}
