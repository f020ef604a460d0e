#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/remote_entry.h"
#include "views/local_entry.h"

namespace nubo {

// The texts of the properties box: for one entry its name, type, size, link target,
// modification time (and, remote, the site's time zone; local, its folder); for several
// the counts per kind, one type or "Multiple types", and the total size.
struct EntryProperties {
    struct Row {
        std::string label;
        std::string value;
    };

    std::string caption;  // the window title is the caption and " Properties"
    std::string name;
    std::string type;
    std::string size;
    Row rows[3];
    bool multiple = false;  // shown with the multiple-selection icon
    // The entries' permission bits (nothing where unknown), for the permissions part;
    // none at all: the box has no such part. folders: a folder is among them (its
    // contents may be changed too).
    std::vector<std::optional<uint16_t>> modes;
    bool folders = false;

    // typeNames: the type name of each entry, as the view shows it. zoneName: the site's
    // time zone as the Options page lists it, empty when the site has none.
    static EntryProperties of(const std::vector<RemoteEntry>& entries,
                              const std::vector<std::string>& typeNames,
                              const std::string& zoneName);
    // Local items; linkTargets: what each links to (empty when it is no link).
    static EntryProperties ofLocal(const std::vector<LocalEntry>& entries,
                                   const std::vector<std::string>& typeNames,
                                   const std::vector<std::string>& linkTargets);
    // "Tuesday, December 08, 2026 1:05:09 PM" in local time.
    static std::string modifiedText(int64_t time);
    std::string windowTitle() const;

  private:
    struct Item {
        std::string name;
        std::string type;
        int64_t size = 0;
        int kind = 0;  // 0 file, 1 folder, 2 link
    };
    static EntryProperties ofSeveral(const std::vector<Item>& items);
    static EntryProperties ofRemote(const std::vector<RemoteEntry>& entries,
                                    const std::vector<std::string>& typeNames,
                                    const std::string& zoneName);
};

}  // namespace nubo
