#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace nubo {

// Type names and icon names of local items, kept by each local view (its reading thread
// adds rows while the window reads them) and separate from the remote TypeTable: row 0 ""
// (no extension), row 1 "File Folder", then one row per extension met (case-sensitive,
// with the dot), named by the MIME database.
class LocalTypeTable {
  public:
    LocalTypeTable();

    uint32_t rowFor(const std::string& name, bool folder);
    std::string typeName(uint32_t row) const;
    // The freedesktop icon names of a row: the type's own, then its generic one.
    std::vector<std::string> iconNames(uint32_t row) const;
    // Rows named directly (a mounted volume, the network), without an extension.
    uint32_t rowForTypeName(const std::string& typeName, const std::string& iconName);

  private:
    struct Row {
        std::string name;
        std::string icon;
        std::string generic;
    };
    mutable std::mutex mutex_;
    std::vector<Row> rows_;
    std::map<std::string, uint32_t> byExtension_;
    std::map<std::string, uint32_t> byTypeName_;
};

}  // namespace nubo
