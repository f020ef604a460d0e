#include "shell/command_line_request.h"

#include <cctype>

#include "base/config_store.h"
#include "platform/shortcut_folder_rule.h"

namespace nubo {

namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

const std::string& CommandLineRequest::slot(size_t index) const {
    static const std::string kEmpty;
    return index < args.size() ? args[index] : kEmpty;
}

bool CommandLineRequest::isUrl(const std::string& text) {
    const size_t separator = text.find("://");
    if (separator == std::string::npos || separator == 0)
        return false;
    for (size_t i = 0; i < separator; ++i) {
        const char c = text[i];
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

void CommandLineRequest::setSlot(size_t index, const std::string& text) {
    if (args.size() <= index) {
        args.resize(index + 1);
    }
    args[index] = text;
}

std::vector<size_t> CommandLineRequest::urlArguments(const std::vector<std::string>& arguments) {
    CommandLineRequest request;
    request.parse(arguments);  // without a shortcut reader: "-o" files are not opened
    return request.urlArguments_;
}

void CommandLineRequest::parse(const std::vector<std::string>& arguments,
                               const ShortcutReader& readShortcut) {
    for (argumentIndex_ = 0; argumentIndex_ < arguments.size(); ++argumentIndex_) {
        const std::string& argument = arguments[argumentIndex_];
        if (!pending.empty()) {
            applyArgument(argument[0] == '-' ? argument.substr(1) : argument, readShortcut);
        } else if (!argument.empty() && argument[0] == '-') {
            applySwitch(argument.substr(1));
        } else {
            // A site given alone, as the desktop passes one ("nubopro ftp://host/"),
            // is the URL; without a URL switch it would be taken for a file name.
            if (slot(0).empty() && nextSlot == 2 && isUrl(argument)) {
                setSlot(0, argument);
                urlArguments_.push_back(argumentIndex_);
            } else {
                setSlot(nextSlot++, argument);
            }
        }
    }
    if (pending.empty() && mode == kNothing && !slot(0).empty()) {
        mode = nextSlot > 2 ? kTransferListed : kConnect;
    }
}

void CommandLineRequest::applySwitch(const std::string& text) {
    if (text == "-help") {
        helpRequested = true;
        return;
    }
    if (text == "-version") {
        versionRequested = true;
        return;
    }
    if (text.empty()) {
        return;
    }
    const char first = lower(text[0]);
    const char second = text.size() > 1 ? lower(text[1]) : '\0';
    switch (first) {
        case 'u':
        case 'f':
        case 'o':
        case 'd':
            pending = std::string(1, first);
            break;
        case 'p':
            mode = kPutNames;
            break;
        case 'g':
            mode = kGetNames;
            break;
        case 'x':
            if (second == 'a') {
                transferType = 1;
            } else if (second == 'i') {
                transferType = 2;
            } else if (second == 'x') {
                transferType = 3;
            }
            break;
        case 'v':
            flags |= kUpdateOnly;
            break;
        case 'i':
            flags |= kInstall;
            break;
        case 'z':
            fullExitCode = true;
            break;
        case 'r':
            flags |= kUninstall;
            if (second == 'v' || second == 'f' || second == 'm' || second == 'd') {
                pending = std::string("r") + second;
            }
            break;
        default:
            break;  // unknown switches are ignored
    }
}

void CommandLineRequest::applyArgument(const std::string& value,
                                       const ShortcutReader& readShortcut) {
    const std::string which = pending;
    pending.clear();
    if (which == "u") {
        setSlot(0, value);
        urlArguments_.push_back(argumentIndex_);
    } else if (which == "f") {
        setSlot(0, value);
        urlArguments_.push_back(argumentIndex_);
        mode = kFetch;
    } else if (which == "d") {
        setSlot(1, value);
        folderFromShortcut_ = startedByHandler;
    } else if (which == "rv") {
        setSlot(1, value);
        folderFromShortcut_ = false;
    } else if (which == "rf") {
        setSlot(2, value);
    } else if (which == "rm") {
        setSlot(3, value);
    } else if (which == "rd") {
        setSlot(4, value);
    } else if (which == "o") {
        shortcutGiven_ = true;
        ShortcutValues shortcut;
        if (!readShortcut || !readShortcut(value, &shortcut, &shortcutRefusal)) {
            return;
        }
        if (!shortcut.url.empty()) {
            setSlot(0, shortcut.url);
        }
        if (!shortcut.transferDir.empty()) {
            setSlot(1, shortcut.transferDir);
            folderFromShortcut_ = true;
        }
        transferType = shortcut.transferType;
        if (shortcut.updateMode != 0) {
            flags |= kUpdateOnly;
        }
    }
}

void CommandLineRequest::vetShortcutFolder(const ShortcutFolderRule& rule,
                                           const std::function<std::string()>& downloads) {
    std::string reason;
    if (fromShortcut() && slot(1).empty() && mode >= kTransferListed) {
        // Never the folder the file manager happens to stand in.
        setSlot(1, downloads());
        folderNote = "... the shortcut names no folder; files go to " + slot(1);
        return;
    }
    if (!folderFromShortcut_ || slot(1).empty() || rule.allows(slot(1), &reason))
        return;
    const std::string folder = downloads();
    const std::string refused = "The shortcut's folder " + slot(1) + " is not used: it " + reason;
    folderRefusal = refused + "; files go to " + folder;
    folderQuestion = refused + ".\n\nTransfer into " + folder + " instead?";
    setSlot(1, folder);
    folderFromShortcut_ = false;
}

void CommandLineRequest::storeInto(ConfigStore& config) const {
    config.SetInt("CLConnect", mode >= kConnect ? 1 : 0);
    config.SetInt("CLStart", mode >= kTransferListed ? 1 : 0);
    config.SetInt("CLOnly", mode >= kPutNames ? 1 : 0);
    config.SetInt("CLXMode", transferType);
    config.SetInt("CLXFlags", static_cast<int32_t>(flags));
    if (!slot(1).empty()) {
        config.SetString("CLXDir", slot(1));
    }
}

int CommandLineRequest::exitCode(uint32_t exitBits) const {
    return static_cast<int>(fullExitCode ? exitBits : exitBits >> 4);
}

}  // namespace nubo
