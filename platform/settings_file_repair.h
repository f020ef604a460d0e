#pragma once

#include <string>

namespace nubo {

// Guards the settings file against a damage that the INI reader would take silently:
// a value with an unterminated double quote makes the reader swallow every later line
// into that value, so those settings would read as defaults and be saved over.
//
// `repair` scans the file line by line. When a line's value leaves a quote open, the
// file is copied beside itself as "<name>.bad-YYYYMMDD-HHMMSS" (owner-only), the open
// quotes are closed at their line ends, and the mended text replaces the file, so every
// readable value is kept.
class SettingsFileRepair {
  public:
    // True when the file was damaged and mended; *copyPath then names the copy of the
    // damaged file ("" when the copy could not be written).
    static bool repair(const std::string& path, std::string* copyPath);
    // True when the value part of one INI line (after its "=") closes every quote it
    // opens; a backslash escapes the character after it.
    static bool quotesBalanced(const std::string& line);
};

}  // namespace nubo
