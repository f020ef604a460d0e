#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shellext/launch_arguments.h"

namespace nubo {

// The desktop's commands on a ".nubo" file that start NuboPRO: paste a URL from the
// clipboard for download or listing, and upload files to the shortcut's site. None of
// them changes the shortcut file. Each returns false with a one-line *error when
// nothing was started.
class ShortcutCommands {
  public:
    // Finds the program: false with a one-line *error when there is none.
    using Locate = std::function<bool(std::string* program, std::string* error)>;
    // Starts an argument vector without waiting, handing it the URL's password (empty:
    // none) outside the arguments: false with a one-line *error.
    using Start = std::function<bool(const std::vector<std::string>&, const std::string& password,
                                     std::string* error)>;

    ShortcutCommands(Locate locate, Start start);
    // NuboPRO as this user runs it, started for real.
    static ShortcutCommands forThisUser();

    bool paste(const std::string& shortcutFile, const std::string& clipboard, PasteCommand command,
               std::string* error);
    bool upload(const std::string& shortcutFile, const std::vector<std::string>& paths,
                std::string* error);
    // The arguments of the last program started, and the password handed to it.
    const std::vector<std::string>& started() const { return started_; }
    const std::string& startedPassword() const { return startedPassword_; }

  private:
    bool readShortcut(const std::string& shortcutFile, ShortcutValues* values,
                      std::string* error) const;
    bool launch(LaunchKind kind, const ShortcutValues& values,
                const std::vector<std::string>& paths, std::string* error);

    Locate locate_;
    Start start_;
    std::vector<std::string> started_;
    std::string startedPassword_;
};

// The full path of a file named on the command line (relative to the current folder),
// as NuboPRO, started elsewhere, must be given it.
std::string namedInFull(const std::string& path);

}  // namespace nubo
