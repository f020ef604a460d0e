#pragma once

#include <string>
#include <vector>

namespace nubo {

// One desktop entry an install writes (a menu entry or the desktop link): its texts
// and the command as an argument list, turned into the key file with the Exec quoting
// that freedesktop launchers undo, so a folder with blanks, quotes, "$" or "%"
// reaches the program as the one argument it is.
struct DesktopLauncher {
    // Marks the files an install wrote, so a later install can tell its own desktop
    // link from a file of the user's that bears the same name.
    static constexpr const char* kMarkerKey = "X-NuboPRO-Setup";

    std::string name;
    std::string comment;
    std::vector<std::string> command;  // the program, then its arguments
    std::string workingFolder;         // "" for none
    std::string icon;

    // The whole file; "" when a text or argument cannot be written into one (a line
    // break, a NUL, an empty program).
    std::string text() const;

    // The Exec value for an argument list, already escaped for the key file.
    static std::string execLine(const std::vector<std::string>& command);
    // A string value escaped for the key file ("\\" for a backslash); false for a
    // line break or a NUL, which no value can hold here.
    static bool escapeValue(const std::string& value, std::string* escaped);
    // True when the file at the path is a desktop entry that an install wrote.
    static bool isOurs(const std::string& path);
};

}  // namespace nubo
