#pragma once

#include <string>
#include <vector>

namespace nubo {

// What Options' "Quit and Uninstall" starts: this very program, never the program an
// uninstall record names (a record is a file that someone else may have written), with
// the uninstall arguments of the record that an install of this copy left.
class UninstallCommand {
  public:
    // True with the arguments for runningProgram when this user's own record (in
    // dataFolder, ending in "/") names that very program (links resolved) and holds the
    // uninstall arguments "-rv N -rf FOLDER [-rd LINK] [-rm MENU]". Else false with *why,
    // a sentence for the user; "" when there is no record at all.
    static bool forRunningProgram(const std::string& dataFolder, const std::string& runningProgram,
                                  std::vector<std::string>* arguments, std::string* why);
};

}  // namespace nubo
