#include "platform/program_path.h"

#include <limits.h>
#include <unistd.h>

namespace nubo {

std::string programPath() {
    char path[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

}  // namespace nubo
