#include "shell/argument_secrets.h"

#include <cstdlib>
#include <cstring>

#include "platform/url_password.h"

namespace nubo {

void maskUrlPasswords(char** arguments, const std::vector<size_t>& urlArguments) {
    for (size_t index : urlArguments) {
        char* text = arguments[index];
        size_t begin = 0, end = 0;
        if (urlPasswordSpan(text, &begin, &end))
            std::memset(text + begin, '*', end - begin);
    }
}

std::string takeHandedPassword() {
    char* value = std::getenv(kHandedPasswordVariable);
    if (value == nullptr)
        return {};
    std::string password(value);
    // /proc/PID/environ shows the memory the environment came in, whatever unsetenv
    // does to the list.
    std::memset(value, '*', password.size());
    unsetenv(kHandedPasswordVariable);
    return password;
}

}  // namespace nubo
