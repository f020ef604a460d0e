// The entry points of libnubosx.so, found by name after dlopen.
#include <dlfcn.h>

#include <new>
#include <string>

#include "shellext/nubo_shortcut.h"
#include "shellext/shortcut_object.h"
#include "shellext/shortcut_registration.h"

namespace {

std::string modulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&modulePath), &info) != 0 && info.dli_fname != nullptr) {
        return info.dli_fname;
    }
    return {};
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) nubo::INuboShortcut* NuboSxCreateShortcut() {
    return new (std::nothrow) nubo::ShortcutObject();
}

__attribute__((visibility("default"))) nubo::HRESULT NuboSxIsRegistered() {
    return nubo::ShortcutRegistration::isRegistered() ? nubo::S_OK : nubo::S_FALSE;
}

__attribute__((visibility("default"))) nubo::HRESULT DllRegisterServer() {
    return nubo::ShortcutRegistration::registerServer(modulePath());
}

__attribute__((visibility("default"))) nubo::HRESULT DllUnregisterServer() {
    return nubo::ShortcutRegistration::unregisterServer();
}

__attribute__((visibility("default"))) nubo::HRESULT DllCanUnloadNow() {
    return nubo::ShortcutObject::liveObjects() == 0 ? nubo::S_OK : nubo::S_FALSE;
}
}
