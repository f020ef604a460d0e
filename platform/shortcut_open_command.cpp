#include "platform/shortcut_open_command.h"

#include "platform/desktop_entry_file.h"
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
    // Inside double quotes a desktop entry escapes '"', '`', '$' and '\' with a
    // backslash; the key file format then doubles every backslash once more.
    std::string quoted = "\"";
    for (char c : programPath) {
        if (c == '"' || c == '`' || c == '$') {
            quoted += "\\\\";
        } else if (c == '\\') {
            quoted += "\\\\\\";
        }
        quoted += c;
    }
    return quoted + "\" -o %f";
}

}  // namespace nubo
