#pragma once

#include <string>

namespace nubo {

// The full path of the running program (from /proc/self/exe); "" when it cannot be read.
std::string programPath();

// Loads one of the program's own libraries (dlopen, RTLD_NOW | RTLD_LOCAL): the copy
// beside the program (a build tree) or in the installed layout (bin/ and lib/nubopro/)
// first, then by the loader's search. Null, with the loader's reason in *error, when none
// loads.
void* openProgramLibrary(const std::string& name, std::string* error);

}  // namespace nubo
