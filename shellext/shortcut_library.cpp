#include "shellext/shortcut_library.h"

#include <dlfcn.h>

#include "platform/program_path.h"

namespace nubo {

ShortcutLibrary::ShortcutLibrary(std::string name) : name_(std::move(name)) {}

ShortcutLibrary::~ShortcutLibrary() {
    if (handle_ != nullptr) {
        ::dlclose(handle_);
    }
}

bool ShortcutLibrary::load() {
    if (factory_ != nullptr) {
        return true;
    }
    if (handle_ == nullptr) {
        handle_ = openProgramLibrary(name_, &error_);
        if (handle_ == nullptr) {
            return false;
        }
    }
    factory_ =
        reinterpret_cast<NuboSxCreateShortcutFunction>(::dlsym(handle_, kNuboSxCreateShortcut));
    if (factory_ == nullptr) {
        error_ = name_ + ": no shortcut factory";
    }
    return factory_ != nullptr;
}

ShortcutLibrary::Object ShortcutLibrary::create() {
    return Object(load() ? factory_() : nullptr);
}

bool ShortcutLibrary::isRegistered() {
    return load() && callServer(kNuboSxIsRegistered) == S_OK;
}

HRESULT ShortcutLibrary::callServer(const char* entryPoint) {
    if (handle_ == nullptr && !load()) {
        return E_FAIL;
    }
    auto function = reinterpret_cast<NuboSxServerFunction>(::dlsym(handle_, entryPoint));
    return function != nullptr ? function() : E_FAIL;
}

}  // namespace nubo
