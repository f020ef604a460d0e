#pragma once

#include <string>

namespace nubo {

// What "Quit and Uninstall" says when this copy has no uninstall record: how it was
// installed, and so how it is removed.
class UninstallAdvice {
  public:
    static std::string withoutRecord(const std::string& programPath);
};

}  // namespace nubo
