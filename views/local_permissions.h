#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/mode_change.h"

namespace nubo {

// Permissions of local files for the properties box: read, and changed with chmod as the
// remote ones are with SITE CHMOD (a folder's contents too when the change says so,
// links inside never followed).
class LocalPermissions {
  public:
    // The bits of what the path names (a link's target, as chmod changes it); nothing
    // when it cannot be read.
    static std::optional<uint16_t> modeOf(const std::string& path);
    // Applies the change; what could not be changed, "path: reason" each.
    static std::vector<std::string> apply(const std::vector<std::string>& paths,
                                          const ModeChange& change);

  private:
    static void applyOne(const std::string& path, bool inside, const ModeChange& change, int depth,
                         std::vector<std::string>* refusals);
    static void applyContents(const std::string& folder, const ModeChange& change, int depth,
                              std::vector<std::string>* refusals);
};

}  // namespace nubo
