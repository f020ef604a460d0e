#include "shellext/shortcut_library.h"

#include <dlfcn.h>

#include "platform/program_path.h"

namespace nubo {

namespace {

// The program's own folder, with a trailing "/".
std::string programFolder() {
    const std::string path = programPath();
    return path.substr(0, path.rfind('/') + 1);
}

}  // namespace

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
    if (handle_ == nullptr && name_.find('/') == std::string::npos) {
        // The copy beside the program (a build tree) or in the installed layout
        // (bin/ and lib/nubopro/) first, whatever the loader's search path says.
        for (const std::string& path :
             {programFolder() + name_, programFolder() + "../lib/nubopro/" + name_}) {
            handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle_ != nullptr)
                break;
        }
    }
    if (handle_ == nullptr) {
        handle_ = ::dlopen(name_.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr) {
            const char* reason = ::dlerror();
            error_ = reason != nullptr ? reason : name_;
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
