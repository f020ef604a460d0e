#include "setup/uninstall_plan.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "setup/settings_removal.h"
#include "shellext/file_manager_actions.h"

namespace nubo {

namespace {

bool exists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

}  // namespace

UninstallPlan::UninstallPlan(SetupFolders folders, const std::string& version,
                             const std::string& programFolder, const std::string& menu,
                             const std::string& link)
    : folders_(std::move(folders)), programFolder_(programFolder), menu_(menu), link_(link) {
    if (std::atoi(version.c_str()) >= 2) {
        refused_ = true;
        status_ = "Uninstall info version mismatch!\nUnable to continue...";
        for (CheckState& state : checks_)
            state = {false, false};
        return;
    }
    hasRecord_ = UninstallRecord::load(folders_.appData(), &record_);
    checks_[ApplicationFiles].ticked = true;
    checks_[MenuFolder].ticked = true;
    checks_[DesktopLink].ticked = true;
    std::string* paths[] = {&programFolder_, nullptr, &menu_, &link_};
    for (int i = 0; i < kCheckCount; ++i) {
        if (paths[i] == nullptr)
            continue;
        if (paths[i]->empty()) {
            checks_[i] = {false, false};
        } else if (!exists(*paths[i])) {
            checks_[i].enabled = false;
            paths[i]->clear();
        }
    }
}

void UninstallPlan::setTicked(Check which, bool ticked) {
    if (checks_[which].enabled && !done_)
        checks_[which].ticked = ticked;
}

std::string UninstallPlan::confirmationText() const {
    const std::string first =
        checks_[Settings].ticked
            ? "This will remove FTP site info and settings.\nAny entries you have added will be "
              "LOST.\n"
            : "ALL FTP site info and settings will be KEPT.\n\nThis is useful only if you are "
              "planning\nto re-install Nubo PRO at a later time.\n";
    return first + "\nAre you SURE you want to continue?";
}

std::string UninstallPlan::heading() const {
    if (refused_)
        return "Click \"&Quit\" to exit setup";
    return done_ ? "Click \"&Finish\" to exit setup" : "Click \"&Uninstall\" to remove components";
}

std::string UninstallPlan::actionText() const {
    if (refused_)
        return "&Quit";
    return done_ ? "&Finish" : "&Uninstall";
}

bool UninstallPlan::removeListed(UninstallRecord::Kind kind) {
    bool allGone = true;
    for (const std::string& path : record_.paths(kind)) {
        if (::unlink(path.c_str()) != 0 && errno != ENOENT)
            allGone = false;
    }
    return allGone;
}

void UninstallPlan::removeApplicationFiles() {
    // The program's own files go at exit: the running program is one of them.
    if (manifest_.load(programFolder_, folders_.programPath) && manifest_.undeletableCount() == 0 &&
        removeListed(UninstallRecord::Kind::Extra)) {
        programAtExit_ = true;
        status_ += "Nubo PRO files and folders will be removed\n";
    } else {
        status_ += "Unable to remove all files and folders\n";
    }
}

void UninstallPlan::run() {
    if (done_ || refused_)
        return;
    const bool app = effective(ApplicationFiles);
    bool any = false;
    for (const CheckState& state : checks_)
        any = any || state.ticked;
    if (app || !any) {
        // The ".nubo" registration and our per-user file-manager actions.
        const bool registration = removeShellExtension_ && removeShellExtension_();
        const bool actions =
            FileManagerActions::remove(folders_.dataHome, folders_.configHome, nullptr);
        status_ += registration && actions ? "Nubo PRO Shell Extension removed\n"
                                           : "Unable to remove Nubo PRO Shell Extension\n";
    }
    if (app)
        removeApplicationFiles();
    if (checks_[Settings].ticked) {
        settingsAtExit_ = true;
        status_ += SettingsRemoval::removeDataFiles(folders_.appData())
                       ? "FTP site info and settings will be removed\n"
                       : "Unable to remove all site info and settings\n";
    }
    if (effective(MenuFolder)) {
        // Only the files the install recorded making, never whatever else lies beside
        // them in the desktop's shared menu folders.
        if (hasRecord_ && record_.lists(UninstallRecord::Kind::Menu, menu_) &&
            removeListed(UninstallRecord::Kind::Menu))
            status_ += "Nubo PRO menu folder and entries removed\n";
        else
            status_ += "Unable to remove " + menu_ + "\n";
    }
    if (effective(DesktopLink)) {
        if (hasRecord_ && record_.lists(UninstallRecord::Kind::DesktopLink, link_) &&
            (::unlink(link_.c_str()) == 0 || errno == ENOENT))
            status_ += "Nubo PRO desktop shortcut removed\n";
        else
            status_ += "Unable to remove " + link_ + "\n";
    }
    if (app) {
        UninstallRecord::remove(folders_.appData());
        status_ += "Nubo PRO 2.2 Uninstall record removed\n";
    }
    if (hasRecord_)
        record_.removeEmptyFolders();
    done_ = true;
}

void UninstallPlan::finishAtExit() {
    if (finished_ || !done_)
        return;
    finished_ = true;
    if (settingsAtExit_) {
        SettingsRemoval::removeSettingsFiles(folders_.settingsFolder());
        SettingsRemoval::removeEmptyFolder(folders_.settingsFolder(), false);
        SettingsRemoval::removeEmptyFolder(folders_.appData(), true);
    }
    if (programAtExit_)
        manifest_.removeAll();
}

}  // namespace nubo
