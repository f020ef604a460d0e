#pragma once

#include <string>

namespace nubo {

// Where the desktop handlers find NuboPRO: the "AppFile" value that the program writes
// into the "Settings" group of its settings file at every start, when that names an
// executable file; else the "nubopro" beside this helper (an unpacked copy that has not
// run yet, and is not on the PATH); else "nubopro" in a folder of the PATH.
class NuboproLocator {
  public:
    NuboproLocator(std::string settingsFile, std::string pathVariable, std::string ownFolder = {});
    // The settings file and PATH of this process.
    static NuboproLocator forThisUser();

    // The program's path; false with a one-line *error when there is none.
    bool locate(std::string* program, std::string* error) const;
    // "AppFile" from the settings file, "" when the file or the value is missing or the
    // file is no regular file of a sane size. Never creates or changes the file.
    std::string appFile() const;

  private:
    std::string settingsFile_;
    std::string pathVariable_;
    std::string ownFolder_;
};

}  // namespace nubo
