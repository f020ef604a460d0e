#pragma once

#include <QString>

namespace nubo {

class CommandLineRequest;
class InstallPlan;
class MainSheet;
class ReadMePage;
class SetupPage;
class ShortcutLibrary;
class UninstallPlan;

// The main window in setup mode ("-i", "-r..."): the install or the uninstall page and
// "Read Me", nothing else. The settings are neither loaded nor saved; at exit the
// uninstall's last steps run (settings files, the program's own files).
class SetupRun {
  public:
    SetupRun(const CommandLineRequest& request, ShortcutLibrary& shortcuts);
    int run(int& argc, char** argv);

    // The two pages added to a sheet, over the plan that is given (the other null);
    // their close requests become the sheet's.
    struct Pages {
        SetupPage* setup = nullptr;
        ReadMePage* readMe = nullptr;
    };
    static Pages build(MainSheet& sheet, InstallPlan* install, UninstallPlan* uninstall);

  private:
    const CommandLineRequest& request_;
    ShortcutLibrary& shortcuts_;
};

}  // namespace nubo
