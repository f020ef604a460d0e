#include "setup/uninstall_advice.h"

namespace nubo {

std::string UninstallAdvice::withoutRecord(const std::string& programPath) {
    if (programPath.rfind("/usr/", 0) == 0) {
        return "Nubo PRO was installed by the package manager; remove it with:\n"
               "sudo apt remove nubopro";
    }
    return "No uninstall record exists for this copy of Nubo PRO (" + programPath +
           "), so there is nothing to uninstall.\n\nTo make one, run \"nubopro -i\" from the "
           "unpacked folder (bin/nubopro -i) and click \"Install\"; to remove the copy by hand, "
           "delete its folder.";
}

}  // namespace nubo
