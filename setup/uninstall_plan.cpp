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
    : folders_(std::move(folders)),
      footprint_(folders_),
      programFolder_(programFolder),
      menu_(menu),
      link_(link) {
    if (std::atoi(version.c_str()) >= 2) {
        refused_ = true;
        status_ = "Uninstall info version mismatch!\nUnable to continue...";
        for (CheckState& state : checks_)
            state = {false, false};
        return;
    }
    hasRecord_ = UninstallRecord::load(folders_.appData(), &record_, &recordRefusal_);
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

bool UninstallPlan::removeMenu() const {
    bool allGone = true;
    for (const std::string& file : footprint_.menuFiles())
        allGone = InstallFootprint::removeFile(file) && allGone;
    return allGone;
}

void UninstallPlan::run() {
    if (done_ || refused_)
        return;
    const bool app = effective(ApplicationFiles);
    bool any = false;
    for (const CheckState& state : checks_)
        any = any || state.ticked;
    if (!recordRefusal_.empty())
        status_ += "Uninstall record " + folders_.appData() + UninstallRecord::kFileName +
                   " not used: it " + recordRefusal_ + "\n";
    // The program's files go only from the folder that holds the running program and
    // lists its files. While they stay, so does what lets the menu's "Uninstall" (or
    // Options' "Quit and Uninstall") remove them later: the record, the menu, the
    // handlers.
    programAtExit_ = app && manifest_.load(programFolder_, folders_.programPath) &&
                     manifest_.undeletableCount() == 0;
    const bool programStays = app && !programAtExit_;
    const std::string stays = " kept while the program's files stay\n";
    if (app || !any) {
        if (programStays) {
            status_ += "Nubo PRO Shell Extension" + stays;
        } else {
            // The ".nubo" registration and our per-user file-manager actions.
            const bool registration = removeShellExtension_ && removeShellExtension_();
            const bool actions =
                FileManagerActions::remove(folders_.dataHome, folders_.configHome, nullptr);
            status_ += registration && actions ? "Nubo PRO Shell Extension removed\n"
                                               : "Unable to remove Nubo PRO Shell Extension\n";
        }
    }
    if (app)
        status_ += programAtExit_ ? "Nubo PRO files and folders will be removed\n"
                                  : "Unable to remove all files and folders\n";
    if (checks_[Settings].ticked) {
        settingsAtExit_ = true;
        status_ += SettingsRemoval::removeDataFiles(folders_.appData())
                       ? "FTP site info and settings will be removed\n"
                       : "Unable to remove all site info and settings\n";
    }
    if (effective(MenuFolder)) {
        // Only our own files, by name, and only when the record says the install made
        // this menu; never whatever else lies beside them in the shared menu folders.
        if (programStays)
            status_ += "Nubo PRO menu folder" + stays;
        else if (hasRecord_ && menu_ == folders_.menuFile() &&
                 record_.lists(UninstallRecord::Kind::Menu, menu_) && removeMenu())
            status_ += "Nubo PRO menu folder and entries removed\n";
        else
            status_ += "Unable to remove " + menu_ + "\n";
    }
    if (effective(DesktopLink)) {
        if (hasRecord_ && record_.lists(UninstallRecord::Kind::DesktopLink, link_) &&
            footprint_.isDesktopLink(link_) && InstallFootprint::removeFile(link_))
            status_ += "Nubo PRO desktop shortcut removed\n";
        else
            status_ += "Unable to remove " + link_ + "\n";
    }
    if (programStays && hasRecord_)
        status_ += "Nubo PRO 2.2 Uninstall record" + stays;
    else if (programAtExit_)
        status_ += "Nubo PRO 2.2 Uninstall record will be removed\n";
    if (hasRecord_)
        footprint_.removeEmptyFolders(record_);
    done_ = true;
}

void UninstallPlan::finishAtExit() {
    if (finished_ || !done_)
        return;
    finished_ = true;
    // The record goes once the files it serves are gone, before its folder is cleared.
    if (programAtExit_ && manifest_.removeAll() == 0 && hasRecord_)
        UninstallRecord::remove(folders_.appData());
    if (settingsAtExit_) {
        SettingsRemoval::removeSettingsFiles(folders_.settingsFolder());
        SettingsRemoval::removeEmptyFolder(folders_.settingsFolder(), false);
        SettingsRemoval::removeEmptyFolder(folders_.appData(), true);
    }
}

}  // namespace nubo
