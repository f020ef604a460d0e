#include <ctime>
#include <string>
#include <vector>

#include "base/app_log.h"
#include "engine/ftp_session.h"

// Remote file operations of FtpSession: delete, create folder, rename.

namespace nubo {

int FtpSession::deleteEntries(const std::vector<int>& indices) {
    int result = 0;
    for (int index : indices) {
        RemoteEntry entry;
        if (view() == nullptr || !view()->entryAt(index, &entry) || !entry.valid()) {
            continue;
        }
        setStatus("DELETE " + entry.name);
        logExtended("DELETEing " + entry.name);
        control_.sendCommand(entry.type == EntryType::Directory ? "RMD" : "DELE", entry.name);
        std::string code;
        result = control_.readReply(nullptr, &code);
        setStatus({});
        if (code[0] == '2') {
            view()->removeEntry(index);
            logExtended("... DELETEd " + entry.name);
        } else {
            view()->unmarkEntry(index);
            logExtended("... Unable to DELETE " + entry.name);
            if (result == 421)
                break;
        }
    }
    return result;
}

int FtpSession::makeDirectory(const std::string& name, int placeholderIndex) {
    setStatus("CREATE " + name);
    logExtended("CREATEing " + name);
    control_.sendCommand("MKD", name);
    int code = control_.readReply();
    if (code == 257) {
        if (view() != nullptr) {
            view()->updateEntry(name, 0, static_cast<int64_t>(::time(nullptr)),
                                EntryType::Directory);
        }
        logExtended("... CREATEd " + name);
    } else {
        if (placeholderIndex >= 0 && view() != nullptr) {
            view()->removeEntry(placeholderIndex);
        }
        logExtended("... Unable to CREATE " + name);
    }
    setStatus({});
    return code;
}

int FtpSession::renameRemote(int index, const std::string& newName) {
    RemoteEntry entry;
    if (view() == nullptr || !view()->entryAt(index, &entry) || !entry.valid()) {
        return 0;
    }
    const std::string& oldName = entry.name;
    setStatus("RENAME " + oldName + " " + newName);
    logExtended("RENAMEing " + oldName + " to " + newName);
    control_.sendCommand("RNFR", oldName);
    int code = control_.readReply();
    if (code != 350) {
        logExtended("... Unable to RENAME FROM " + oldName);
    } else {
        control_.sendCommand("RNTO", newName);
        std::string text;
        code = control_.readReply(nullptr, &text);
        if (text[0] == '2') {
            view()->renameEntry(index, &newName);
            logExtended("... RENAMEd " + oldName + " to " + newName);
        } else {
            view()->renameEntry(index, nullptr);
            logExtended("... Unable to RENAME TO " + newName);
        }
    }
    setStatus({});
    return code;
}

}  // namespace nubo
