#include "setup/desktop_launcher.h"

#include <sys/stat.h>

#include <fstream>

namespace nubo {

namespace {

// Characters that oblige an Exec argument to be quoted.
bool isReserved(char c) {
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    return reserved.find(c) != std::string::npos;
}

std::string quoteArgument(const std::string& argument) {
    bool quote = argument.empty();
    for (char c : argument)
        quote = quote || isReserved(c);
    std::string out = quote ? "\"" : "";
    for (char c : argument) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\'))
            out += '\\';
        out += c == '%' ? std::string("%%") : std::string(1, c);
    }
    return quote ? out + "\"" : out;
}

}  // namespace

std::string DesktopLauncher::execLine(const std::vector<std::string>& command) {
    std::string line;
    for (const std::string& argument : command) {
        if (!line.empty())
            line += ' ';
        line += quoteArgument(argument);
    }
    // The key file reads "\\" as one backslash, under the Exec quoting.
    std::string escaped;
    for (char c : line)
        escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return escaped;
}

bool DesktopLauncher::escapeValue(const std::string& value, std::string* escaped) {
    escaped->clear();
    for (char c : value) {
        if (c == '\n' || c == '\r' || c == '\0')
            return false;
        *escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    return true;
}

std::string DesktopLauncher::text() const {
    std::string nameValue, commentValue, folderValue, iconValue;
    if (command.empty() || command[0].empty() || !escapeValue(name, &nameValue) ||
        !escapeValue(comment, &commentValue) || !escapeValue(workingFolder, &folderValue) ||
        !escapeValue(icon, &iconValue))
        return {};
    for (const std::string& argument : command) {
        if (argument.find_first_of(std::string("\n\r\0", 3)) != std::string::npos)
            return {};
    }
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\nName=" + nameValue + "\n";
    if (!commentValue.empty())
        text += "Comment=" + commentValue + "\n";
    text += "Exec=" + execLine(command) + "\n";
    if (!folderValue.empty())
        text += "Path=" + folderValue + "\n";
    if (!iconValue.empty())
        text += "Icon=" + iconValue + "\n";
    text += "Terminal=false\n";
    text += std::string(kMarkerKey) + "=2.2\n";
    return text;
}

bool DesktopLauncher::isOurs(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > 64 * 1024)
        return false;
    std::ifstream in(path);
    const std::string marker = std::string(kMarkerKey) + "=";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(marker, 0) == 0)
            return true;
    }
    return false;
}

}  // namespace nubo
