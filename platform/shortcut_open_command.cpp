#include "platform/shortcut_open_command.h"

#include "platform/desktop_entry_file.h"
#include "platform/desktop_exec_line.h"
#include "platform/xdg_paths.h"

namespace nubo {

std::string ShortcutOpenCommand::mimePackagePath() {
    return xdgDataHome() + "/mime/packages/nubo-shortcut.xml";
}

std::string ShortcutOpenCommand::desktopEntryPath() {
    return xdgDataHome() + "/applications/" + kDesktopFileName;
}

std::string ShortcutOpenCommand::mimeAppsPath() {
    return xdgConfigHome() + "/mimeapps.list";
}

bool ShortcutOpenCommand::read(std::string* command) {
    DesktopEntryFile entry(desktopEntryPath());
    return entry.load() && entry.value(kEntryGroup, "Exec", command);
}

bool ShortcutOpenCommand::write(const std::string& command) {
    DesktopEntryFile entry(desktopEntryPath());
    if (!entry.load()) {
        return false;
    }
    entry.setValue(kEntryGroup, "Exec", command);
    return entry.save();
}

std::string ShortcutOpenCommand::forProgram(const std::string& programPath) {
    std::string command;
    return DesktopExecLine::build({programPath, "-o"}, "%f", &command) ? command : std::string();
}

}  // namespace nubo
