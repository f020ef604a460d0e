#include "setup/uninstall_command.h"

#include <limits.h>
#include <stdlib.h>

#include "setup/uninstall_record.h"

namespace nubo {

namespace {

std::string resolved(const std::string& path) {
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) != nullptr ? std::string(buffer) : std::string();
}

// "-rv N" first, then any of "-rf", "-rd", "-rm" with a value each, "-rf" among them.
bool isUninstallLayout(const std::vector<std::string>& arguments) {
    if (arguments.size() < 4 || arguments.size() % 2 != 0 || arguments[0] != "-rv")
        return false;
    bool folder = false;
    for (size_t i = 2; i < arguments.size(); i += 2) {
        const std::string& key = arguments[i];
        if (key != "-rf" && key != "-rd" && key != "-rm")
            return false;
        folder = folder || key == "-rf";
    }
    return folder;
}

}  // namespace

bool UninstallCommand::forRunningProgram(const std::string& dataFolder,
                                         const std::string& runningProgram,
                                         std::vector<std::string>* arguments, std::string* why) {
    arguments->clear();
    const std::string path = dataFolder + UninstallRecord::kFileName;
    UninstallRecord record;
    std::string refusal;
    if (!UninstallRecord::load(dataFolder, &record, &refusal)) {
        *why = refusal.empty() ? std::string()
                               : "The uninstall record " + path + " is not used: it " + refusal +
                                     ". Nothing was started.";
        return false;
    }
    const std::string running = resolved(runningProgram);
    if (running.empty() || resolved(record.program) != running) {
        *why = "The uninstall record " + path + " belongs to another copy of Nubo PRO (" +
               record.program + "): uninstall that copy from its own menu entry.";
        return false;
    }
    if (!isUninstallLayout(record.arguments)) {
        *why = "The uninstall record " + path + " holds no uninstall command. Nothing was started.";
        return false;
    }
    *arguments = record.arguments;
    why->clear();
    return true;
}

}  // namespace nubo
