#pragma once

#include <string>
#include <vector>

namespace nubo {

// How the installed program is uninstalled: the program and its arguments, kept as a
// file in the data folder ("Uninstall.rec", written when installing). The Windows
// version kept one command string and split it before "-r"; here it is an argument
// list (the fields end in NUL bytes), so no path with a blank or a quote is ever split.
class UninstallRecord {
  public:
    static constexpr const char* kFileName = "Uninstall.rec";

    // dataFolder ends in "/".
    static bool write(const std::string& dataFolder, const std::string& program,
                      const std::vector<std::string>& arguments);
    // False when there is no record or it names no program.
    static bool read(const std::string& dataFolder, std::string* program,
                     std::vector<std::string>* arguments);
};

}  // namespace nubo
