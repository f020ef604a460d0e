#pragma once

#include <string>
#include <vector>

namespace nubo {

// The Exec value of a desktop entry for an argument list, by the Desktop Entry rules:
// an argument holding a reserved character goes in double quotes with '"', '`', '$'
// and '\' escaped by a backslash, every "%" is written "%%", and the key file then
// doubles each backslash once more. So a folder with blanks, quotes, "$" or "%"
// reaches the program as the one argument it is, under GIO, KDE and the others alike.
class DesktopExecLine {
  public:
    // The value, with fieldCode (such as "%f", "" for none) after the arguments. False
    // for an empty list or program, or an argument with a line break or a NUL, which no
    // key-file line can hold.
    static bool build(const std::vector<std::string>& command, const std::string& fieldCode,
                      std::string* value);
};

}  // namespace nubo
