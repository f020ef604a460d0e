#pragma once

#include <memory>
#include <string>

#include "shellext/nubo_shortcut.h"

namespace nubo {

// NuboPRO's handle on libnubosx.so, loaded by name on first use: shortcut objects
// from its factory, and its registration entry points.
class ShortcutLibrary {
  public:
    struct Releaser {
        void operator()(INuboShortcut* object) const { object->Release(); }
    };
    using Object = std::unique_ptr<INuboShortcut, Releaser>;

    // `name` is a library name searched as the dynamic loader does (the program's own
    // folder first) or a path.
    explicit ShortcutLibrary(std::string name = kNuboSxLibrary);
    ~ShortcutLibrary();
    ShortcutLibrary(const ShortcutLibrary&) = delete;
    ShortcutLibrary& operator=(const ShortcutLibrary&) = delete;

    // Loads the library when not yet loaded; false when it or its factory is missing.
    bool load();
    // A new shortcut object; null when the library cannot be loaded.
    Object create();
    // Whether ".nubo" files are registered with the desktop.
    bool isRegistered();
    // Calls an entry point (kDllRegisterServer, kDllUnregisterServer); E_FAIL when the
    // library or the entry point is missing.
    HRESULT callServer(const char* entryPoint);
    // Why the last load failed, for messages.
    const std::string& loadError() const { return error_; }

  private:
    std::string name_;
    void* handle_ = nullptr;
    NuboSxCreateShortcutFunction factory_ = nullptr;
    std::string error_;
};

}  // namespace nubo
