#pragma once

#include <string>

namespace nubo {

// Where the desktop learns about ".nubo" files, and the command that opens them: the
// shared-mime-info package that defines the type, the desktop entry whose Exec line is
// the open command, and the user's default-application list. Paths follow the XDG
// base folders of the moment, so tests can point them at temporary folders.
class ShortcutOpenCommand {
  public:
    static constexpr const char* kMimeType = "application/x-nubo-shortcut";
    static constexpr const char* kDesktopFileName = "nubo-shortcut.desktop";
    static constexpr const char* kEntryGroup = "Desktop Entry";

    static std::string mimePackagePath();
    static std::string desktopEntryPath();
    static std::string mimeAppsPath();

    // The Exec line of the desktop entry; false when there is none.
    static bool read(std::string* command);
    // Replaces the Exec line; false when the entry is missing or cannot be written.
    static bool write(const std::string& command);
    // The open command for a program path: the path as an Exec argument
    // (DesktopExecLine), then "-o" and the file; "" for a path that no desktop entry can
    // hold (a line break).
    static std::string forProgram(const std::string& programPath);
};

}  // namespace nubo
