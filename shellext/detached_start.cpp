#include "shellext/detached_start.h"

#include <signal.h>
#include <spawn.h>

#include <cstring>
#include <string_view>

extern char** environ;

namespace nubo {

namespace {

// Whether one of the "NAME=VALUE" entries names the variable of entry.
bool setIn(const std::vector<std::string>& variables, const char* entry) {
    const char* equals = std::strchr(entry, '=');
    if (equals == nullptr)
        return false;
    const std::string_view name(entry, static_cast<size_t>(equals - entry) + 1);  // with "="
    for (const std::string& variable : variables) {
        if (std::string_view(variable).substr(0, name.size()) == name)
            return true;
    }
    return false;
}

}  // namespace

bool startDetached(const std::vector<std::string>& arguments, std::string* error,
                   const std::vector<std::string>& extra) {
    if (arguments.empty() || arguments.front().empty()) {
        *error = "no program to start";
        return false;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    // The caller's environment, a variable of `extra` replacing one of the same name.
    std::vector<char*> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!setIn(extra, *entry))
            environment.push_back(*entry);
    }
    for (const std::string& variable : extra)
        environment.push_back(const_cast<char*>(variable.c_str()));
    environment.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The file manager's other descriptors are none of NuboPRO's business.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A new session: NuboPRO outlives this helper and the terminal or file manager
    // that started it, and is not hit by their signals.
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
    pid_t pid = 0;
    const int result =
        posix_spawn(&pid, argv.front(), &actions, &attributes, argv.data(), environment.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        *error = "cannot start " + arguments.front() + ": " + std::strerror(result);
        return false;
    }
    return true;
}

}  // namespace nubo
