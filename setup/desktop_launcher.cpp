#include "setup/desktop_launcher.h"

#include <sys/stat.h>

#include <fstream>

#include "platform/desktop_exec_line.h"

namespace nubo {

std::string DesktopLauncher::execLine(const std::vector<std::string>& command) {
    std::string line;
    DesktopExecLine::build(command, "", &line);
    return line;
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
    std::string exec;
    if (!DesktopExecLine::build(command, "", &exec) || !escapeValue(name, &nameValue) ||
        !escapeValue(comment, &commentValue) || !escapeValue(workingFolder, &folderValue) ||
        !escapeValue(icon, &iconValue))
        return {};
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\nName=" + nameValue + "\n";
    if (!commentValue.empty())
        text += "Comment=" + commentValue + "\n";
    text += "Exec=" + exec + "\n";
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
