#include "views/type_table.h"

#include <QMimeDatabase>
#include <QMimeType>
#include <QString>

namespace nubo {

TypeTable::TypeTable()
    : typeNames_{"File", "Folder", "Symbolic Link"},
      iconNames_{"text-x-generic", "folder", "emblem-symbolic-link"},
      genericIconNames_{"text-x-generic", "folder", "inode-symlink"} {}

void TypeTable::setLocalIcons(bool on) {
    std::lock_guard lock(mutex_);
    localIcons_ = on;
}

uint16_t TypeTable::iconIndexLocked(const std::string& iconName, const std::string& generic) {
    for (size_t i = 0; i < iconNames_.size(); ++i) {
        if (iconNames_[i] == iconName)
            return static_cast<uint16_t>(i);
    }
    iconNames_.push_back(iconName);
    genericIconNames_.push_back(generic.empty() ? std::string("text-x-generic") : generic);
    return static_cast<uint16_t>(iconNames_.size() - 1);
}

uint32_t TypeTable::classify(const RemoteEntry& entry) {
    // A VMS name's version (";3") is no part of its extension.
    std::string_view name = entry.name;
    if (entry.flags & RemoteEntry::kVmsName)
        name = name.substr(0, name.rfind(';'));
    return classify(entry.type, name);
}

std::string TypeTable::typeNameOf(const RemoteEntry& entry) {
    std::string_view name = entry.name;
    if (entry.flags & RemoteEntry::kVmsName)
        name = name.substr(0, name.rfind(';'));
    std::lock_guard lock(mutex_);
    const uint32_t row = classifyLocked(entry.type, name) >> 16;
    return row < typeNames_.size() ? typeNames_[row] : std::string();
}

uint32_t TypeTable::classify(EntryType type, std::string_view localName) {
    std::lock_guard lock(mutex_);
    return classifyLocked(type, localName);
}

uint32_t TypeTable::classifyLocked(EntryType type, std::string_view localName) {
    if (type == EntryType::Directory)
        return 1u << 16 | 1u;
    if (type == EntryType::Link)
        return 2u << 16 | 2u;
    const size_t dot = localName.rfind('.');
    if (!localIcons_ || dot == std::string::npos) {
        return 0;
    }
    // A name whose only full stop comes first ("x" of ".x") is typed like an .ini file.
    const std::string_view extension = dot == 0 ? std::string_view(".ini") : localName.substr(dot);
    auto found = byExtension_.find(extension);
    if (found != byExtension_.end()) {
        return found->second;
    }
    QMimeDatabase database;
    QMimeType mime = database.mimeTypeForFile(
        "x" + QString::fromUtf8(extension.data(), static_cast<qsizetype>(extension.size())),
        QMimeDatabase::MatchExtension);
    std::string name = mime.isDefault() ? std::string(extension.substr(1)) + " File"
                                        : mime.comment().toStdString();
    std::string icon = mime.iconName().toStdString();
    uint32_t row = static_cast<uint32_t>(typeNames_.size());
    typeNames_.push_back(name);
    if (typeNames_.size() > 0xFFFF) {
        typeNames_.pop_back();
        return 0;  // the table is full: plain file
    }
    uint32_t packed = row << 16 | iconIndexLocked(icon, mime.genericIconName().toStdString());
    byExtension_.emplace(std::string(extension), packed);
    return packed;
}

std::vector<std::string> TypeTable::typeNames() const {
    std::lock_guard lock(mutex_);
    return typeNames_;
}

std::vector<std::string> TypeTable::iconNames(uint32_t icon) const {
    const size_t index = icon & 0xFFFF;
    std::lock_guard lock(mutex_);
    if (index >= iconNames_.size())
        return {};
    return {iconNames_[index], genericIconNames_[index]};
}

}  // namespace nubo
