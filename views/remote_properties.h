#pragma once

#include <string>
#include <vector>

#include "engine/remote_entry.h"

namespace nubo {

// The texts of the properties box for remote entries: one entry (name, type, size, link
// target, modification time and the site's time zone) or several (counts per kind, one
// type or "Multiple types", the total size).
struct RemoteProperties {
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

    // typeNames: by the high 16 bits of an entry's icon. zoneName: the site's time zone
    // as the Options page lists it, empty when the site has none.
    static RemoteProperties of(const std::vector<RemoteEntry>& entries,
                               const std::vector<std::string>& typeNames,
                               const std::string& zoneName);
    // "Tuesday, December 08, 2026 1:05:09 PM" in local time.
    static std::string modifiedText(int64_t time);
    std::string windowTitle() const;
};

}  // namespace nubo
