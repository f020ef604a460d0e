#pragma once

#include <string>
#include <vector>

namespace nubo {

// The shortcut commands in the file managers that have no system-wide declarative
// actions, written per user: Nautilus scripts (a "Nubo PRO" sub-menu of Scripts) and
// Thunar custom actions (our <action> elements in uca.xml, beside the user's own).
// Every file or action written is marked as ours, and removal takes only those.
class FileManagerActions {
  public:
    // Writes the scripts into dataHome/nautilus/scripts/Nubo PRO/ and our actions into
    // configHome/Thunar/uca.xml, each calling nubosxPath. *created (when given) receives
    // every file written. A uca.xml that cannot be understood is left alone (false).
    static bool install(const std::string& dataHome, const std::string& configHome,
                        const std::string& nubosxPath, std::vector<std::string>* created);
    // Removes our scripts (and their folder when it is then empty) and our actions;
    // *removed (when given) receives every file deleted or rewritten.
    static bool remove(const std::string& dataHome, const std::string& configHome,
                       std::vector<std::string>* removed);

    // uca.xml's text with our actions taken out and `ours` (elements, may be empty)
    // added at the end of <actions>; "" text makes a new file. False when the text has
    // no <actions> element to add to.
    static bool mergeThunarActions(const std::string& existing, const std::string& ours,
                                   std::string* merged);
    // Our <action> elements for a nubosx at nubosxPath.
    static std::string thunarActions(const std::string& nubosxPath);

    static std::string nautilusFolder(const std::string& dataHome);
    // The paths of the scripts install writes (whether there or not).
    static std::vector<std::string> scriptPaths(const std::string& dataHome);
    static std::string thunarFile(const std::string& configHome);
};

}  // namespace nubo
