#pragma once

#include <string>
#include <vector>

namespace nubo {

// What a command line must not leave where other users can read it. The argument list
// of a process is world-readable (ps, /proc/PID/cmdline): a password typed in a URL is
// overwritten there with "*", once the program has its own copy of the arguments. The
// desktop handlers hand a password in the environment instead, which only the same
// user can read; it is taken out before the program starts anything of its own.

// Overwrites the password bytes of the URL arguments (indices into arguments, which
// follow the program's name) in place.
void maskUrlPasswords(char** arguments, const std::vector<size_t>& urlArguments);

// The password in kHandedPasswordVariable, or "" when none: its bytes in the process's
// environment memory are overwritten and the variable removed, so that programs this
// one starts do not inherit it.
std::string takeHandedPassword();

}  // namespace nubo
