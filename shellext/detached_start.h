#pragma once

#include <string>
#include <vector>

namespace nubo {

// Starts arguments[0] with the argument vector as it is (no shell, no command string),
// in the caller's folder and environment (with the "NAME=VALUE" entries of `extra` set
// on top), with only standard input, output and error inherited, and does not wait for
// it. False with a one-line *error when it could not be started (missing, not
// executable).
bool startDetached(const std::vector<std::string>& arguments, std::string* error,
                   const std::vector<std::string>& extra = {});

}  // namespace nubo
