#pragma once

#include <string>

namespace nubo {

// Two remote names equal but for letter case (Unicode case folding for names that are
// not plain ASCII): how a server that ignores case would take them.
bool namesEqualIgnoringCase(const std::string& a, const std::string& b);

}  // namespace nubo
