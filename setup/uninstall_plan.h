#pragma once

#include <array>
#include <functional>
#include <string>

#include "setup/install_footprint.h"
#include "setup/program_manifest.h"
#include "setup/setup_folders.h"
#include "setup/uninstall_record.h"

namespace nubo {

// The uninstall page's work, without widgets. Started with the argument slots of
// "-rv N -rf FOLDER -rm MENU -rd LINK", it removes what the user ticks, and only what an
// install of ours writes where it writes it (InstallFootprint), when the uninstall
// record (this user's own) says the install made it: the menu's files by name, the
// desktop link, the program's files as its archive's list names them (and only from the
// folder that holds the running program), the settings by their own names. The
// program's files, then the record, and the settings file go at exit (finishAtExit).
// While the program's files cannot go, the record, the menu and the handlers stay, so
// the menu's "Uninstall" can still remove them.
class UninstallPlan {
  public:
    static constexpr const char* kTitle = "Uninstall Nubo PRO 2.2";
    static constexpr const char* kConfirmTitle = "Nubo PRO Removal Confirmation";

    enum Check { ApplicationFiles, Settings, MenuFolder, DesktopLink };
    static constexpr int kCheckCount = 4;
    struct CheckState {
        bool ticked = false;
        bool enabled = true;
    };

    // The slots: the layout version, the program folder, the menu folder (its merge
    // file), the desktop link.
    UninstallPlan(SetupFolders folders, const std::string& version,
                  const std::string& programFolder, const std::string& menu,
                  const std::string& link);

    // Called to unregister the ".nubo" handlers; true when that worked.
    void setShellExtensionRemover(std::function<bool()> remover) {
        removeShellExtension_ = std::move(remover);
    }

    // "-rv" 2 or more: a layout this version does not know; nothing is done.
    bool refused() const { return refused_; }
    const CheckState& check(Check which) const { return checks_[which]; }
    void setTicked(Check which, bool ticked);
    // The confirmation's text for the checks as ticked now.
    std::string confirmationText() const;

    // "&Uninstall", once the user confirmed.
    void run();

    bool done() const { return done_; }
    const std::string& statusText() const { return status_; }
    std::string heading() const;
    std::string actionText() const;
    const std::string& programFolder() const { return programFolder_; }

    bool removesSettingsAtExit() const { return settingsAtExit_; }
    bool removesProgramAtExit() const { return programAtExit_; }
    // What the exit sequence finishes: the settings files, the program's files and the
    // folders left empty.
    void finishAtExit();

  private:
    bool effective(Check which) const { return checks_[which].ticked && checks_[which].enabled; }
    bool removeMenu() const;

    SetupFolders folders_;
    InstallFootprint footprint_;
    std::string programFolder_, menu_, link_;
    std::array<CheckState, kCheckCount> checks_;
    std::function<bool()> removeShellExtension_;
    UninstallRecord record_;
    bool hasRecord_ = false;
    std::string recordRefusal_;  // why the record was not read, when it was refused
    ProgramManifest manifest_;
    bool refused_ = false;
    bool done_ = false;
    bool settingsAtExit_ = false;
    bool programAtExit_ = false;
    bool finished_ = false;
    std::string status_;
};

}  // namespace nubo
