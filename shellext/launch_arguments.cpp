#include "shellext/launch_arguments.h"

#include "platform/url_password.h"
#include "shellext/shortcut_object.h"

namespace nubo {

bool readShortcutValues(INuboShortcut& shortcut, ShortcutValues* values) {
    int32_t update = 0;
    shortcut.GetURL(&values->url);
    shortcut.GetTransferDir(&values->folder);
    shortcut.GetTransferType(&values->type);
    shortcut.GetUpdateMode(&update);
    values->update = update != 0;
    // Reading loads the file; an object of another kind has nothing to say about it.
    auto* object = dynamic_cast<ShortcutObject*>(&shortcut);
    return object == nullptr || object->loaded();
}

std::vector<std::string> launchArguments(const std::string& program, LaunchKind kind,
                                         const ShortcutValues& values,
                                         const std::vector<std::string>& dropped,
                                         std::string* password) {
    std::string url = values.url;
    password->clear();
    size_t begin = 0, end = 0;
    if (urlPasswordSpan(url, &begin, &end)) {
        *password = url.substr(begin, end - begin);
        url.erase(begin - 1, end - begin + 1);  // with its ":": "user@host"
    }
    std::vector<std::string> arguments{program, kind == LaunchKind::Drop ? "-u" : "-f", url};
    if (!values.folder.empty()) {
        arguments.push_back("-d");
        arguments.push_back(values.folder);
    }
    if (values.type >= 1 && values.type <= 3) {
        arguments.push_back(std::string("-x") + "aix"[values.type - 1]);
    }
    if (values.update) {
        arguments.push_back("-v");
    }
    if (kind == LaunchKind::Drop) {
        arguments.insert(arguments.end(), dropped.begin(), dropped.end());
    }
    return arguments;
}

bool pastedUrl(const std::string& clipboard, PasteCommand command, std::string* url,
               std::string* reason) {
    if (clipboard.empty()) {
        *reason = "the clipboard holds no text";
        return false;
    }
    if (clipboard.size() > kMaxPastedText) {
        *reason = "the clipboard's text is too long for a URL (" +
                  std::to_string(clipboard.size()) + " characters, at most " +
                  std::to_string(kMaxPastedText) + ")";
        return false;
    }
    if (clipboard.find('.') == std::string::npos) {
        *reason = "the clipboard's text names no host (it holds no \".\")";
        return false;
    }
    *url = command == PasteCommand::Listing ? clipboard + ";type=d" : clipboard;
    return true;
}

}  // namespace nubo
