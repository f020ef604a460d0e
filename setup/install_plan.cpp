#include "setup/install_plan.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <algorithm>

#include "platform/xdg_paths.h"
#include "setup/desktop_launcher.h"
#include "setup/install_footprint.h"
#include "shellext/file_manager_actions.h"

namespace nubo {

namespace {

bool exists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

bool isFolder(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

void trustWithGio(const std::string& path) {
    const QString gio = QStandardPaths::findExecutable("gio");
    if (gio.isEmpty())
        return;
    QProcess process;
    process.start(gio, {"set", QString::fromStdString(path), "metadata::trusted", "true"});
    process.waitForFinished(5000);
}

std::string menuMergeText(const std::vector<std::string>& entries) {
    std::string text =
        "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
        " \"http://www.freedesktop.org/standards/menu-spec/menu-1.0.dtd\">\n"
        "<Menu>\n"
        "  <Name>Applications</Name>\n"
        "  <Menu>\n"
        "    <Name>Nubo PRO 2.2</Name>\n"
        "    <Directory>" +
        std::string(InstallPlan::kDirectoryEntry) +
        "</Directory>\n"
        "    <Include>\n";
    for (const std::string& entry : entries)
        text += "      <Filename>" + entry + "</Filename>\n";
    return text + "    </Include>\n  </Menu>\n</Menu>\n";
}

}  // namespace

InstallPlan::InstallPlan(SetupFolders folders)
    : folders_(std::move(folders)), trustLink_(trustWithGio) {
    status_ = "Files installed in " + folders_.programFolder + "\n";
}

std::string InstallPlan::heading() const {
    return done_ ? "Click \"&Finish\" to exit setup"
                 : "Click \"&Install\" to complete installation";
}

std::string InstallPlan::icon() const {
    const std::string svg =
        folders_.programFolder + "/share/icons/hicolor/scalable/apps/org.nubopro.NuboPRO.svg";
    return exists(svg) ? svg : "org.nubopro.NuboPRO";
}

bool InstallPlan::makeFolder(const std::string& folder) {
    // Each level made here is listed, so that the uninstall takes it away again when
    // it is left empty.
    std::vector<std::string> missing;
    for (std::string level = folder; !level.empty() && level != "/" && !isFolder(level);
         level = level.substr(0, level.rfind('/')))
        missing.push_back(level);
    if (!makeFolderPath(folder))
        return false;
    for (auto level = missing.rbegin(); level != missing.rend(); ++level)
        record_.created.push_back({UninstallRecord::Kind::Folder, *level});
    return true;
}

bool InstallPlan::writeEntry(const std::string& path, const std::string& text,
                             UninstallRecord::Kind kind, unsigned mode) {
    if (text.empty() || !replaceFile(path, text, mode))
        return false;
    ::chmod(path.c_str(), mode);  // replaceFile honours the umask
    record_.created.push_back({kind, path});
    return true;
}

bool InstallPlan::writeDesktopLink(const UninstallRecord& old) {
    if (!makeFolder(folders_.desktop))
        return false;
    // A file of that name that an install wrote is replaced; a file of the user's
    // keeps its name and ours takes the next " (n)" one.
    std::string path = folders_.desktop + "/" + kLinkName + ".desktop";
    for (int n = 2; exists(path) && !DesktopLauncher::isOurs(path) &&
                    !old.lists(UninstallRecord::Kind::DesktopLink, path);
         ++n)
        path = folders_.desktop + "/" + kLinkName + " (" + std::to_string(n) + ").desktop";
    DesktopLauncher link;
    link.name = kLinkName;
    link.comment = "FTP client";
    link.command = {folders_.programPath};
    link.workingFolder = folders_.programFolder;
    link.icon = icon();
    if (exists(path))
        ::unlink(path.c_str());
    if (!writeEntry(path, link.text(), UninstallRecord::Kind::DesktopLink, 0755))
        return false;
    link_ = path;
    if (trustLink_)
        trustLink_(path);
    return true;
}

bool InstallPlan::writeMenu(const std::vector<std::string>& uninstallCommand) {
    if (!makeFolder(folders_.applicationsFolder()) || !makeFolder(folders_.directoriesFolder()) ||
        !makeFolder(folders_.menusFolder()))
        return false;
    const std::string apps = folders_.applicationsFolder() + "/";
    DesktopLauncher program{
        kLinkName, "FTP client", {folders_.programPath}, folders_.programFolder, icon()};
    DesktopLauncher readMe{"ReadMe",
                           "Read me first",
                           {"xdg-open", folders_.programFolder + "/ReadMe.txt"},
                           "",
                           "text-x-generic"};
    DesktopLauncher help{"Nubo PRO Help",
                         "Help for Nubo PRO",
                         {"xdg-open", folders_.programFolder + "/share/nubopro/help/index.html"},
                         "",
                         "help-browser"};
    DesktopLauncher uninstall{"Uninstall Nubo 2.2", "Remove Nubo PRO 2.2", uninstallCommand, "",
                              icon()};
    std::string iconValue;
    DesktopLauncher::escapeValue(icon(), &iconValue);
    const std::string directory =
        "[Desktop Entry]\nType=Directory\nName=" + std::string(kMenuName) + "\nIcon=" + iconValue +
        "\n" + DesktopLauncher::kMarkerKey + "=2.2\n";
    bool written = writeEntry(folders_.directoriesFolder() + "/" + kDirectoryEntry, directory,
                              UninstallRecord::Kind::Menu);
    written =
        writeEntry(apps + kProgramEntry, program.text(), UninstallRecord::Kind::Menu) && written;
    written =
        writeEntry(apps + kReadMeEntry, readMe.text(), UninstallRecord::Kind::Menu) && written;
    written = writeEntry(apps + kHelpEntry, help.text(), UninstallRecord::Kind::Menu) && written;
    written = writeEntry(apps + kUninstallEntry, uninstall.text(), UninstallRecord::Kind::Menu) &&
              written;
    // The merge file last: the menu shows the folder once its entries are there.
    written = writeEntry(folders_.menuFile(),
                         menuMergeText({kProgramEntry, kReadMeEntry, kHelpEntry, kUninstallEntry}),
                         UninstallRecord::Kind::Menu) &&
              written;
    return written;
}

void InstallPlan::forgetOldInstall(const UninstallRecord& old) {
    // What the earlier install made and this one did not make again: its files first,
    // then its folders when that left them empty. Only files of ours by name and place
    // (InstallFootprint), whatever else the old record lists; nothing else in those
    // folders.
    const InstallFootprint footprint(folders_);
    for (const UninstallRecord::Item& item : old.created) {
        if (item.kind != UninstallRecord::Kind::Folder && footprint.covers(item) &&
            std::find(record_.created.begin(), record_.created.end(), item) ==
                record_.created.end())
            InstallFootprint::removeFile(item.path);
    }
    footprint.removeEmptyFolders(old);
}

void InstallPlan::addFileManagerActions() {
    // What the Windows version's shell extension added to the context menu of a shortcut,
    // for the file managers that read only per-user actions. Thunar's file is the user's
    // and not listed: the uninstall takes our actions out of it and leaves the rest.
    const std::string nubosx = folders_.programFolder + "/bin/nubosx";
    if (::access(nubosx.c_str(), X_OK) != 0)
        return;
    std::vector<std::string> written;
    FileManagerActions::install(folders_.dataHome, folders_.configHome, nubosx, &written);
    const std::string thunar = FileManagerActions::thunarFile(folders_.configHome);
    for (const std::string& path : written) {
        if (path != thunar &&
            std::find(extraCreated_.begin(), extraCreated_.end(), path) == extraCreated_.end())
            extraCreated_.push_back(path);
    }
}

void InstallPlan::run(bool menu, bool desktopLink) {
    if (done_)
        return;
    if (folders_.programPath.find_first_of("\n\r") != std::string::npos) {
        // No desktop entry, menu entry or open command can name such a program.
        status_ +=
            "The folder's name holds a line break, which no menu or desktop entry can "
            "hold: nothing installed. Move the folder to a name without one and "
            "install again.\n";
        done_ = true;
        return;
    }
    if (registerShortcuts_)
        registerShortcuts_();
    UninstallRecord old;
    std::string oldRefusal;
    const bool hadRecord = UninstallRecord::load(folders_.appData(), &old, &oldRefusal);
    if (!oldRefusal.empty())
        status_ += "The earlier uninstall record " + folders_.appData() +
                   UninstallRecord::kFileName + " was not used: it " + oldRefusal + "\n";
    record_ = UninstallRecord();
    record_.program = folders_.programPath;
    record_.arguments = {"-rv", "1", "-rf", folders_.programFolder};

    if (desktopLink && writeDesktopLink(old)) {
        record_.arguments.insert(record_.arguments.end(), {"-rd", link_});
        status_ += "Nubo 2.2 shortcut added to desktop\n";
    }
    if (menu) {
        std::vector<std::string> command = {folders_.programPath};
        command.insert(command.end(), record_.arguments.begin(), record_.arguments.end());
        command.insert(command.end(), {"-rm", folders_.menuFile()});
        if (writeMenu(command)) {
            record_.arguments.insert(record_.arguments.end(), {"-rm", folders_.menuFile()});
            status_ += "Nubo PRO 2.2 folder added to Programs\n";
        }
    }
    addFileManagerActions();
    for (const std::string& extra : extraCreated_)
        record_.created.push_back({UninstallRecord::Kind::Extra, extra});
    // Folders an earlier install made are still ours to take away when empty.
    for (const std::string& folder : old.paths(UninstallRecord::Kind::Folder)) {
        if (isFolder(folder) && !record_.lists(UninstallRecord::Kind::Folder, folder))
            record_.created.push_back({UninstallRecord::Kind::Folder, folder});
    }
    record_.sortCreated();

    bool recorded = hadRecord && old == record_;
    if (!recorded) {
        if (hadRecord)
            forgetOldInstall(old);
        recorded = makeFolderPath(folders_.appData()) && record_.save(folders_.appData());
    }
    if (recorded)
        status_ += "Nubo PRO 2.2 Uninstall record created\n";
    done_ = true;
}

}  // namespace nubo
