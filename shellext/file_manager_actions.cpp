#include "shellext/file_manager_actions.h"

#include <unistd.h>

#include <filesystem>

#include "platform/bounded_file.h"
#include "platform/pinned_folder.h"
#include "platform/xdg_paths.h"

namespace nubo {

namespace {

// Our actions' unique-ids start with this; Thunar's own are numbers.
constexpr const char* kIdPrefix = "nubosx-";
// The second line of every script we write.
constexpr const char* kScriptMark = "# Written by NuboPRO; removing NuboPRO removes it.";
constexpr size_t kMaxThunarFile = 4 << 20;

struct Command {
    const char* id;
    const char* scriptName;
    const char* name;
    const char* description;
    const char* arguments;  // after the program: the command and the selection
    bool anyFile;           // offered on any files, not only on shortcuts
};

const Command kCommands[] = {
    {"paste-download", "Paste URL for Download", "Paste URL for Download",
     "Start NuboPRO on the URL in the clipboard with this shortcut's folder and mode",
     "paste-download", false},
    {"paste-listing", "Paste URL for Listing", "Paste URL for Listing",
     "List the folder of the URL in the clipboard with NuboPRO", "paste-listing", false},
    {"properties", "Shortcut Properties", "Nubo Shortcut Properties",
     "Edit the site, folder and transfer mode of this shortcut", "properties", false},
    {"upload", "Upload to a Nubo site...", "Upload to a Nubo site...",
     "Upload the selected files to the site of a Nubo shortcut", "upload-choose", true},
};

// One argument for a POSIX shell (and for GLib's argument parser, which Thunar uses).
std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string xmlEscaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// Thunar replaces "%x" in a command; a "%" of the path itself must stay one.
std::string percentEscaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        escaped += c == '%' ? std::string("%%") : std::string(1, c);
    }
    return escaped;
}

std::string scriptText(const std::string& nubosxPath, const Command& command) {
    // Nautilus runs a script in the selection's folder with the selected names as
    // arguments; the shortcut commands take the first.
    return std::string("#!/bin/sh\n") + kScriptMark + "\nexec " + shellQuoted(nubosxPath) + " " +
           command.arguments + (command.anyFile ? " \"$@\"\n" : " \"$1\"\n");
}

bool isOurScript(const std::string& path) {
    std::string text;
    std::string reason;
    BoundedFileRule rule;
    rule.maxBytes = 64 * 1024;
    if (readBoundedFile(path, rule, &text, &reason) != BoundedFile::Usable) {
        return false;
    }
    return text.find(std::string("\n") + kScriptMark + "\n") != std::string::npos;
}

// Where the element that starts at `from` ends (after "</action>" or "/>"), npos when
// it does not.
size_t actionEnd(const std::string& text, size_t from) {
    const size_t close = text.find('>', from);
    if (close == std::string::npos) {
        return close;
    }
    if (text[close - 1] == '/') {
        return close + 1;
    }
    const size_t end = text.find("</action>", close);
    return end == std::string::npos ? end : end + 9;
}

// The start of the next <action> element (not <actions>) at or after `from`.
size_t nextAction(const std::string& text, size_t from) {
    for (size_t at = text.find("<action", from); at != std::string::npos;
         at = text.find("<action", at + 1)) {
        const char after = at + 7 < text.size() ? text[at + 7] : '\0';
        if (after == '>' || after == '/' || after == ' ' || after == '\t' || after == '\n' ||
            after == '\r') {
            return at;
        }
    }
    return std::string::npos;
}

bool readThunarFile(const std::string& path, std::string* text, bool* exists) {
    std::string reason;
    BoundedFileRule rule;
    rule.maxBytes = kMaxThunarFile;
    const BoundedFile found = readBoundedFile(path, rule, text, &reason);
    *exists = found != BoundedFile::Missing;
    return found != BoundedFile::Refused;
}

}  // namespace

std::string FileManagerActions::nautilusFolder(const std::string& dataHome) {
    return dataHome + "/nautilus/scripts/Nubo PRO";
}

std::vector<std::string> FileManagerActions::scriptPaths(const std::string& dataHome) {
    std::vector<std::string> paths;
    for (const Command& command : kCommands) {
        paths.push_back(nautilusFolder(dataHome) + "/" + command.scriptName);
    }
    return paths;
}

std::string FileManagerActions::thunarFile(const std::string& configHome) {
    return configHome + "/Thunar/uca.xml";
}

std::string FileManagerActions::thunarActions(const std::string& nubosxPath) {
    std::string elements;
    for (const Command& command : kCommands) {
        elements += "<action>\n";
        elements += "\t<icon>org.nubopro.NuboPRO</icon>\n";
        elements += std::string("\t<name>") + command.name + "</name>\n";
        elements += "\t<submenu></submenu>\n";
        elements += std::string("\t<unique-id>") + kIdPrefix + command.id + "</unique-id>\n";
        elements += "\t<command>" +
                    xmlEscaped(percentEscaped(shellQuoted(nubosxPath)) + " " + command.arguments +
                               (command.anyFile ? " %F" : " %f")) +
                    "</command>\n";
        elements +=
            std::string("\t<description>") + xmlEscaped(command.description) + "</description>\n";
        elements += command.anyFile ? "\t<range></range>\n\t<patterns>*</patterns>\n"
                                    : "\t<range>1</range>\n\t<patterns>*.nubo</patterns>\n";
        if (command.anyFile) {
            elements += "\t<directories/>\n\t<audio-files/>\n\t<image-files/>\n\t<video-files/>\n";
        }
        elements += "\t<other-files/>\n\t<text-files/>\n</action>\n";
    }
    return elements;
}

bool FileManagerActions::mergeThunarActions(const std::string& existing, const std::string& ours,
                                            std::string* merged) {
    std::string text = existing;
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n</actions>\n";
    }
    const size_t empty = text.find("<actions/>");
    if (empty != std::string::npos) {
        text.replace(empty, 10, "<actions>\n</actions>");
    }
    if (text.find("<actions>") == std::string::npos ||
        text.rfind("</actions>") == std::string::npos) {
        return false;
    }
    for (size_t at = nextAction(text, 0); at != std::string::npos; at = nextAction(text, at)) {
        const size_t end = actionEnd(text, at);
        if (end == std::string::npos) {
            return false;
        }
        const std::string element = text.substr(at, end - at);
        if (element.find(std::string("<unique-id>") + kIdPrefix) == std::string::npos) {
            at = end;
            continue;
        }
        // With the line it stood on.
        size_t start = at;
        while (start > 0 && (text[start - 1] == ' ' || text[start - 1] == '\t')) {
            --start;
        }
        const size_t stop = end < text.size() && text[end] == '\n' ? end + 1 : end;
        text.erase(start, stop - start);
        at = start;
    }
    const size_t close = text.rfind("</actions>");
    size_t lineStart = close;
    while (lineStart > 0 && (text[lineStart - 1] == ' ' || text[lineStart - 1] == '\t')) {
        --lineStart;
    }
    if (lineStart > 0 && text[lineStart - 1] != '\n' && !ours.empty()) {
        text.insert(lineStart, "\n");
        ++lineStart;
    }
    text.insert(lineStart, ours);
    *merged = text;
    return true;
}

bool FileManagerActions::install(const std::string& dataHome, const std::string& configHome,
                                 const std::string& nubosxPath, std::vector<std::string>* created) {
    bool ok = true;
    const std::string folder = nautilusFolder(dataHome);
    if (makeFolderPath(folder)) {
        for (const Command& command : kCommands) {
            const std::string path = folder + "/" + command.scriptName;
            if (replaceFile(path, scriptText(nubosxPath, command), 0755)) {
                if (created != nullptr) {
                    created->push_back(path);
                }
            } else {
                ok = false;
            }
        }
    } else {
        ok = false;
    }

    const std::string thunar = thunarFile(configHome);
    std::string existing;
    bool exists = false;
    std::string merged;
    if (!readThunarFile(thunar, &existing, &exists) ||
        !mergeThunarActions(existing, thunarActions(nubosxPath), &merged)) {
        return false;
    }
    if (!makeFolderPath(configHome + "/Thunar") || !replaceFile(thunar, merged, 0644)) {
        return false;
    }
    if (created != nullptr) {
        created->push_back(thunar);
    }
    return ok;
}

bool FileManagerActions::remove(const std::string& dataHome, const std::string& configHome,
                                std::vector<std::string>* removed) {
    bool ok = true;
    const std::string folder = nautilusFolder(dataHome);
    // By name in the folder as it is opened now: a script swapped for a link is removed
    // as the link, never followed.
    const PinnedFolder scripts(folder);
    for (const Command& command : kCommands) {
        const std::string path = folder + "/" + command.scriptName;
        if (isOurScript(path)) {
            if (scripts.removeFile(command.scriptName)) {
                if (removed != nullptr) {
                    removed->push_back(path);
                }
            } else {
                ok = false;
            }
        }
    }
    // Only when empty: whatever the user put there stays.
    ::rmdir(folder.c_str());

    const std::string thunar = thunarFile(configHome);
    std::string existing;
    bool exists = false;
    std::string merged;
    if (!readThunarFile(thunar, &existing, &exists)) {
        return false;
    }
    if (!exists || existing.find(std::string("<unique-id>") + kIdPrefix) == std::string::npos) {
        return ok;
    }
    if (!mergeThunarActions(existing, "", &merged) || !replaceFile(thunar, merged, 0644)) {
        return false;
    }
    if (removed != nullptr) {
        removed->push_back(thunar);
    }
    return ok;
}

}  // namespace nubo
