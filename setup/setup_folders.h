#pragma once

#include <string>

namespace nubo {

// The folders an install writes into and an uninstall reads, given rather than looked
// up inside the plans so that tests run them in a temporary home. No trailing "/".
struct SetupFolders {
    std::string dataHome;       // $XDG_DATA_HOME
    std::string configHome;     // $XDG_CONFIG_HOME
    std::string desktop;        // the desktop folder (xdg-user-dir DESKTOP)
    std::string programFolder;  // the unpacked archive's top folder
    std::string programPath;    // the running program

    // The folders of this process's user and program.
    static SetupFolders current();
    // `xdg-user-dir DESKTOP`, else $HOME/Desktop.
    static std::string desktopFolder();
    // The top of the unpacked archive: the folder above "bin" for FOLDER/bin/nubopro,
    // else the program's own folder.
    static std::string programFolderOf(const std::string& programPath);

    // "Tkwa/Nubo/" of the data home, ending in "/" (where the record lives).
    std::string appData() const { return dataHome + "/Tkwa/Nubo/"; }
    // Where the program keeps its settings files.
    std::string settingsFolder() const { return configHome + "/Tkwa"; }
    std::string applicationsFolder() const { return dataHome + "/applications"; }
    std::string directoriesFolder() const { return dataHome + "/desktop-directories"; }
    std::string menusFolder() const { return configHome + "/menus/applications-merged"; }
    // The menu folder "Nubo PRO 2.2": its merge file is what "-rm" names.
    std::string menuFile() const { return menusFolder() + "/nubopro-2.2.menu"; }
};

}  // namespace nubo
