#pragma once

#include <string>

namespace nubo {

// The full path of the running program (from /proc/self/exe); "" when it cannot be read.
std::string programPath();

}  // namespace nubo
