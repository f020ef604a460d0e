#include "views/local_type_table.h"

#include <QMimeDatabase>
#include <QMimeType>

namespace nubo {

LocalTypeTable::LocalTypeTable()
    : rows_{{"", "text-x-generic", "text-x-generic"}, {"File Folder", "folder", "folder"}} {}

uint32_t LocalTypeTable::rowFor(const std::string& name, bool folder) {
    if (folder)
        return 1;
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return 0;
    const std::string extension = name.substr(dot);
    std::lock_guard lock(mutex_);
    const auto found = byExtension_.find(extension);
    if (found != byExtension_.end())
        return found->second;
    // Asked by extension alone: the disk is not touched.
    const QMimeType mime = QMimeDatabase().mimeTypeForFile("x" + QString::fromStdString(extension),
                                                           QMimeDatabase::MatchExtension);
    Row row;
    row.name = mime.isDefault() ? extension.substr(1) + " File" : mime.comment().toStdString();
    row.icon = mime.iconName().toStdString();
    row.generic = mime.genericIconName().toStdString();
    rows_.push_back(row);
    const uint32_t index = static_cast<uint32_t>(rows_.size() - 1);
    byExtension_[extension] = index;
    return index;
}

uint32_t LocalTypeTable::rowForTypeName(const std::string& typeName, const std::string& iconName) {
    std::lock_guard lock(mutex_);
    const auto found = byTypeName_.find(typeName);
    if (found != byTypeName_.end())
        return found->second;
    rows_.push_back({typeName, iconName, "folder"});
    const uint32_t index = static_cast<uint32_t>(rows_.size() - 1);
    byTypeName_[typeName] = index;
    return index;
}

std::string LocalTypeTable::typeName(uint32_t row) const {
    std::lock_guard lock(mutex_);
    return row < rows_.size() ? rows_[row].name : std::string();
}

std::vector<std::string> LocalTypeTable::iconNames(uint32_t row) const {
    std::lock_guard lock(mutex_);
    if (row >= rows_.size())
        return {};
    return {rows_[row].icon, rows_[row].generic};
}

}  // namespace nubo
