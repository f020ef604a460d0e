#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "engine/remote_entry.h"

namespace nubo {

// Type names and icons of remote entries, shared by the process: row 0 "File", 1
// "Folder", 2 "Symbolic Link", then one row per file type met, found by extension
// (case-sensitive). An entry's packed value holds the icon in its low 16 bits and the
// row in its high 16 bits. Icons are named (freedesktop icon names); the view turns a
// name into a picture.
class TypeTable {
  public:
    static TypeTable& instance();

    // The packed value of an entry. With local icons off every file gets row 0.
    uint32_t classify(EntryType type, const std::string& localName);
    void setLocalIcons(bool on);
    std::vector<std::string> typeNames() const;
    std::vector<std::string> iconNames() const;
    // For each icon, the MIME type's generic icon ("text-x-generic", "image-x-generic"),
    // which themes carry when they lack the specific one.
    std::vector<std::string> genericIconNames() const;
    // Makes RemoteEntry use this table.
    void install();

  private:
    TypeTable();
    uint16_t iconIndexLocked(const std::string& iconName, const std::string& generic);

    mutable std::mutex mutex_;
    bool localIcons_ = true;
    std::vector<std::string> typeNames_;
    std::vector<std::string> iconNames_;
    std::vector<std::string> genericIconNames_;
    std::map<std::string, uint32_t> byExtension_;
};

}  // namespace nubo
