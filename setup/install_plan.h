#pragma once

#include <functional>
#include <string>
#include <vector>

#include "setup/setup_folders.h"
#include "setup/uninstall_record.h"

namespace nubo {

// The install page's work, without widgets: the menu folder "Nubo PRO 2.2" (an XDG
// menu merge file, its ".directory" entry and four desktop entries), the desktop link
// "Nubo 2.2.desktop", and the uninstall record naming everything it made. Runs once;
// the status text grows a line per step as the Windows version's did.
class InstallPlan {
  public:
    static constexpr const char* kTitle = "Install Nubo PRO 2.2";
    static constexpr const char* kMenuName = "Nubo PRO 2.2";
    static constexpr const char* kLinkName = "Nubo 2.2";
    static constexpr const char* kProgramEntry = "nubopro-2.2-program.desktop";
    static constexpr const char* kReadMeEntry = "nubopro-2.2-readme.desktop";
    static constexpr const char* kHelpEntry = "nubopro-2.2-help.desktop";
    static constexpr const char* kUninstallEntry = "nubopro-2.2-uninstall.desktop";
    static constexpr const char* kDirectoryEntry = "nubopro-2.2.directory";

    explicit InstallPlan(SetupFolders folders);

    // Files that other parts of the install made for this copy (the per-user
    // file-manager actions): added here before run(), they are listed in the uninstall
    // record and removed with the application files.
    std::vector<std::string>& extraCreatedFiles() { return extraCreated_; }
    // Marks a written desktop link as trusted where the desktop asks for that; by
    // default `gio set FILE metadata::trusted true` when gio is there. Failures count
    // for nothing.
    void setLinkTruster(std::function<void(const std::string&)> truster) {
        trustLink_ = std::move(truster);
    }

    // Registers the ".nubo" handlers for this copy (MIME type, open command with the
    // program's full path); run first by "&Install". Failures count for nothing.
    void setShortcutRegistrar(std::function<void()> registrar) {
        registerShortcuts_ = std::move(registrar);
    }

    // "&Install": the checks as ticked.
    void run(bool menu, bool desktopLink);

    bool done() const { return done_; }
    const std::string& statusText() const { return status_; }
    std::string heading() const;
    std::string actionText() const { return done_ ? "&Finish" : "&Install"; }
    // What this install's record holds (after run()).
    const UninstallRecord& record() const { return record_; }
    const SetupFolders& folders() const { return folders_; }
    // The desktop link written ("" when none).
    const std::string& desktopLink() const { return link_; }

  private:
    bool writeDesktopLink(const UninstallRecord& old);
    // Our per-user file-manager actions, when this copy has nubosx.
    void addFileManagerActions();
    bool writeMenu(const std::vector<std::string>& uninstallCommand);
    bool makeFolder(const std::string& folder);
    bool writeEntry(const std::string& path, const std::string& text, UninstallRecord::Kind kind,
                    unsigned mode = 0644);
    void forgetOldInstall(const UninstallRecord& old);
    std::string icon() const;

    SetupFolders folders_;
    std::vector<std::string> extraCreated_;
    std::function<void()> registerShortcuts_;
    std::function<void(const std::string&)> trustLink_;
    UninstallRecord record_;
    std::string link_;
    std::string status_;
    bool done_ = false;
};

}  // namespace nubo
