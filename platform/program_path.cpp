#include "platform/program_path.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

namespace nubo {

std::string programPath() {
    char path[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

void* openProgramLibrary(const std::string& name, std::string* error) {
    void* handle = nullptr;
    if (name.find('/') == std::string::npos) {
        const std::string path = programPath();
        const std::string folder = path.substr(0, path.rfind('/') + 1);
        for (const std::string& candidate : {folder + name, folder + "../lib/nubopro/" + name}) {
            handle = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle != nullptr)
                return handle;
        }
    }
    handle = ::dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr && error != nullptr) {
        const char* reason = ::dlerror();
        *error = reason != nullptr ? reason : name;
    }
    return handle;
}

}  // namespace nubo
