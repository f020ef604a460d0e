#include "views/entry_properties.h"

#include <algorithm>
#include <ctime>

#include "views/display_format.h"

namespace nubo {

std::string EntryProperties::modifiedText(int64_t time) {
    const std::time_t seconds = static_cast<std::time_t>(time);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return {};
    char text[128];
    // The hour without a leading zero, as the Windows version's "%#I".
    const size_t length = std::strftime(text, sizeof text, "%A, %B %d, %Y %-I:%M:%S %p", &local);
    return std::string(text, length);
}

EntryProperties EntryProperties::ofSeveral(const std::vector<Item>& items) {
    EntryProperties p;
    p.multiple = true;
    p.caption = items.front().name + ", ...";
    int counts[3] = {0, 0, 0};
    int64_t total = 0;
    bool oneType = true;
    for (const Item& item : items) {
        ++counts[item.kind];
        total += std::max<int64_t>(item.size, 0);
        oneType = oneType && item.type == items.front().type;
    }
    p.name = std::to_string(counts[0]) + " Files, " + std::to_string(counts[1]) + " Folders, " +
             std::to_string(counts[2]) + " Symbolic Links";
    p.type = oneType ? "All of type " + items.front().type : "Multiple types";
    p.size = FormatSize(total, 2);
    return p;
}

EntryProperties EntryProperties::of(const std::vector<RemoteEntry>& entries,
                                    const std::vector<std::string>& typeNames,
                                    const std::string& zoneName) {
    EntryProperties p = ofRemote(entries, typeNames, zoneName);
    for (const RemoteEntry& entry : entries) {
        p.modes.push_back(entry.permissions());
        p.folders = p.folders || entry.type == EntryType::Directory;
    }
    return p;
}

EntryProperties EntryProperties::ofRemote(const std::vector<RemoteEntry>& entries,
                                          const std::vector<std::string>& typeNames,
                                          const std::string& zoneName) {
    if (entries.size() > 1) {
        std::vector<Item> items;
        for (size_t i = 0; i < entries.size(); ++i) {
            const RemoteEntry& entry = entries[i];
            items.push_back({entry.name, i < typeNames.size() ? typeNames[i] : std::string(),
                             entry.size,
                             entry.type == EntryType::File        ? 0
                             : entry.type == EntryType::Directory ? 1
                                                                  : 2});
        }
        return ofSeveral(items);
    }
    EntryProperties p;
    if (entries.empty())
        return p;
    const RemoteEntry& first = entries.front();
    p.caption = first.name;
    p.name = first.name;
    p.type = typeNames.empty() ? std::string() : typeNames.front();
    p.size = FormatSize(first.size, 2);
    int row = 0;
    if (first.type == EntryType::Link)
        p.rows[row++] = {"Links to:", first.linkTarget};
    p.rows[row++] = {"Modified:", modifiedText(first.time)};
    if (!zoneName.empty())
        p.rows[row] = {"Time:", zoneName};
    return p;
}

EntryProperties EntryProperties::ofLocal(const std::vector<LocalEntry>& entries,
                                         const std::vector<std::string>& typeNames,
                                         const std::vector<std::string>& linkTargets) {
    const auto typeOf = [&typeNames](const LocalEntry& entry) {
        return entry.typeRow < typeNames.size() ? typeNames[entry.typeRow] : std::string();
    };
    const auto linkOf = [&linkTargets](size_t i) {
        return i < linkTargets.size() ? linkTargets[i] : std::string();
    };
    if (entries.size() > 1) {
        std::vector<Item> items;
        for (size_t i = 0; i < entries.size(); ++i) {
            items.push_back({entries[i].name, typeOf(entries[i]), entries[i].size,
                             !linkOf(i).empty()  ? 2
                             : entries[i].folder ? 1
                                                 : 0});
        }
        return ofSeveral(items);
    }
    EntryProperties p;
    if (entries.empty())
        return p;
    const LocalEntry& first = entries.front();
    p.caption = first.name;
    p.name = first.name;
    p.type = typeOf(first);
    p.size = first.folder ? std::string() : FormatSize(first.size, 2);
    int row = 0;
    if (!linkOf(0).empty())
        p.rows[row++] = {"Links to:", linkOf(0)};
    const size_t slash = first.path.find_last_of('/');
    p.rows[row++] = {"Location:", slash == 0 ? std::string("/") : first.path.substr(0, slash)};
    p.rows[row] = {"Modified:", modifiedText(first.time)};
    return p;
}

std::string EntryProperties::windowTitle() const {
    return caption.empty() ? std::string("properties") : caption + " Properties";
}

}  // namespace nubo
