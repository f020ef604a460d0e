#pragma once

#include <string>

#include "shellext/hresult.h"

namespace nubo {

// Registers ".nubo" files with the desktop of the current user: the MIME type
// (shared-mime-info package, "*.nubo" and the "[NuboShortcut]" header), a hidden
// desktop entry that opens them (its Exec line is the open command NuboPRO keeps
// pointing at itself) and the default-application association.
class ShortcutRegistration {
  public:
    // modulePath is the library's own file, recorded in the desktop entry.
    static HRESULT registerServer(const std::string& modulePath);
    static HRESULT unregisterServer();
    static bool isRegistered();
};

}  // namespace nubo
