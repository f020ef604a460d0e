#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "engine/remote_entry.h"

namespace nubo {

// Type names and icons of remote entries, resolved by the views from an entry's facts:
// row 0 "File", 1 "Folder", 2 "Symbolic Link", then one row per file type met, found by
// extension (case-sensitive) and cached per extension. A packed value holds the icon in
// its low 16 bits and the row in its high 16 bits. Icons are named (freedesktop icon
// names); the view turns a name into a picture. One table serves a window: its owner
// hands it to the views that show remote entries. Safe from any thread (the remote
// model sorts by type on the session's thread).
class TypeTable {
  public:
    TypeTable();
    TypeTable(const TypeTable&) = delete;
    TypeTable& operator=(const TypeTable&) = delete;

    // The packed value of an entry. With local icons off every file gets row 0.
    uint32_t classify(EntryType type, std::string_view localName);
    uint32_t classify(const RemoteEntry& entry);
    // The type name of an entry ("Folder", "Zip archive", ...).
    std::string typeNameOf(const RemoteEntry& entry);
    void setLocalIcons(bool on);
    std::vector<std::string> typeNames() const;
    // The icon of a packed value's low 16 bits, then the MIME type's generic icon
    // ("text-x-generic", "image-x-generic"), which themes carry when they lack the
    // specific one; empty for an unknown index.
    std::vector<std::string> iconNames(uint32_t icon) const;

  private:
    uint32_t classifyLocked(EntryType type, std::string_view localName);
    uint16_t iconIndexLocked(const std::string& iconName, const std::string& generic);

    mutable std::mutex mutex_;
    bool localIcons_ = true;
    std::vector<std::string> typeNames_;
    std::vector<std::string> iconNames_;
    std::vector<std::string> genericIconNames_;
    std::map<std::string, uint32_t, std::less<>> byExtension_;
};

}  // namespace nubo
