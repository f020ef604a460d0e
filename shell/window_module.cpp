#include "shell/window_module.h"

#include <dlfcn.h>

#include <cstdio>
#include <string>

#include "platform/program_path.h"

namespace nubo {

int WindowModule::run(bool setup, const CommandLineRequest& request, ShortcutLibrary& shortcuts,
                      int& argc, char** argv) {
    std::string error;
    // Never closed: the window's Qt libraries stay until the process ends.
    void* handle = openProgramLibrary(kLibrary, &error);
    auto entry = handle != nullptr ? reinterpret_cast<Entry>(::dlsym(handle, kEntry)) : nullptr;
    if (entry == nullptr) {
        std::fprintf(stderr, "nubopro: the window part could not be loaded (%s)\n",
                     handle != nullptr ? "no entry" : error.c_str());
        return 1;
    }
    return entry(setup ? 1 : 0, &request, &shortcuts, &argc, argv);
}

}  // namespace nubo
