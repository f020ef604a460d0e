#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nubo {

class INuboShortcut;

// What a shortcut tells NuboPRO when the desktop starts it on one.
struct ShortcutValues {
    std::string url;
    std::string folder;
    int32_t type = 0;  // 0 none, 1 ASCII, 2 image, 3 smart
    bool update = false;
};

// The values of a shortcut object (read lazily from its file); false when its file is
// no shortcut (missing, unreadable, without the header).
bool readShortcutValues(INuboShortcut& shortcut, ShortcutValues* values);

enum class LaunchKind { Paste, Drop };
enum class PasteCommand { Download, Listing };

// NuboPRO's argument vector for a paste ("-f") or a drop ("-u"): the program, the
// switch, the URL, "-d FOLDER" when there is a folder, "-xa"/"-xi"/"-xx" for the
// transfer types 1..3, "-v" for update mode, and for a drop the dropped paths in
// order. Each is one argument, so no quote or "$" in a path can split or expand it.
// The URL goes without its password, which every local user could read in the
// argument list: *password receives it (as the URL wrote it; empty when none) for the
// environment (kHandedPasswordVariable).
std::vector<std::string> launchArguments(const std::string& program, LaunchKind kind,
                                         const ShortcutValues& values,
                                         const std::vector<std::string>& dropped,
                                         std::string* password);

// The clipboard's text longer than this (in bytes of its UTF-8, the 8-bit text the
// shortcut counts in) is no URL to paste.
inline constexpr size_t kMaxPastedText = 503;

// The URL a paste command passes for the clipboard's text: the text itself, with
// ";type=d" for a listing. False, with a one-line *reason, when the text holds no "."
// (no host name) or is longer than kMaxPastedText.
bool pastedUrl(const std::string& clipboard, PasteCommand command, std::string* url,
               std::string* reason);

}  // namespace nubo
