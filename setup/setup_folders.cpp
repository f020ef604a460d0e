#include "setup/setup_folders.h"

#include <QProcess>
#include <QString>
#include <cstdlib>

#include "platform/program_path.h"
#include "platform/xdg_paths.h"

namespace nubo {

SetupFolders SetupFolders::current() {
    SetupFolders folders;
    folders.dataHome = xdgDataHome();
    folders.configHome = xdgConfigHome();
    folders.desktop = desktopFolder();
    folders.programPath = nubo::programPath();
    folders.programFolder = programFolderOf(folders.programPath);
    return folders;
}

std::string SetupFolders::desktopFolder() {
    QProcess query;
    query.start("xdg-user-dir", {"DESKTOP"});
    if (query.waitForFinished(5000) && query.exitStatus() == QProcess::NormalExit &&
        query.exitCode() == 0) {
        const std::string folder =
            QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed().toStdString();
        if (isAbsoluteFolder(folder))
            return folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1)
                                                             : folder;
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/Desktop";
}

std::string SetupFolders::programFolderOf(const std::string& programPath) {
    const size_t slash = programPath.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return "/";
    const std::string folder = programPath.substr(0, slash);
    const size_t up = folder.rfind('/');
    if (up != std::string::npos && folder.compare(up + 1, std::string::npos, "bin") == 0)
        return up == 0 ? "/" : folder.substr(0, up);
    return folder;
}

}  // namespace nubo
