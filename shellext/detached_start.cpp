#include "shellext/detached_start.h"

#include <signal.h>
#include <spawn.h>

#include <cstring>

extern char** environ;

namespace nubo {

bool startDetached(const std::vector<std::string>& arguments, std::string* error) {
    if (arguments.empty() || arguments.front().empty()) {
        *error = "no program to start";
        return false;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

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
    const int result = posix_spawn(&pid, argv.front(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        *error = "cannot start " + arguments.front() + ": " + std::strerror(result);
        return false;
    }
    return true;
}

}  // namespace nubo
