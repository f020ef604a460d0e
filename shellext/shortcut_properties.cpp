#include "shellext/shortcut_properties.h"

namespace nubo {

namespace {

std::string cut(const std::string& text, size_t limit) {
    return text.size() > limit ? text.substr(0, limit) : text;
}

}  // namespace

bool ShortcutProperties::load(const std::string& path) {
    path_ = path;
    object_.Load(path, 0);
    int32_t mode = 0;
    object_.GetURL(&url);
    object_.GetTransferDir(&folder);
    object_.GetTransferType(&type);
    object_.GetUpdateMode(&mode);
    update = mode != 0;
    return object_.loaded();
}

std::string ShortcutProperties::name() const {
    const size_t slash = path_.rfind('/');
    std::string file = slash == std::string::npos ? path_ : path_.substr(slash + 1);
    const size_t dot = file.rfind('.');
    if (dot != std::string::npos && dot != 0) {
        file.erase(dot);
    }
    return file;
}

bool ShortcutProperties::differs() {
    std::string storedUrl;
    std::string storedFolder;
    int32_t storedType = 0;
    int32_t storedUpdate = 0;
    object_.GetURL(&storedUrl);
    object_.GetTransferDir(&storedFolder);
    object_.GetTransferType(&storedType);
    object_.GetUpdateMode(&storedUpdate);
    return cut(url, ShortcutObject::kMaxUrl) != storedUrl ||
           cut(folder, ShortcutObject::kMaxDir) != storedFolder || type != storedType ||
           update != (storedUpdate != 0);
}

void ShortcutProperties::transfer() {
    if (!differs()) {
        return;
    }
    object_.SetURL(cut(url, ShortcutObject::kMaxUrl));
    object_.SetTransferDir(cut(folder, ShortcutObject::kMaxDir));
    object_.SetTransferType(type >= 0 && type <= 3 ? type : 0);
    object_.SetUpdateMode(update ? 1 : 0);
}

ShortcutProperties::Applied ShortcutProperties::apply() {
    transfer();
    // Still dirty after a save that failed, so the next Apply tries again.
    if (!object_.dirty()) {
        return Applied::Unchanged;
    }
    return Succeeded(object_.Save(path_, true)) ? Applied::Saved : Applied::Failed;
}

}  // namespace nubo
