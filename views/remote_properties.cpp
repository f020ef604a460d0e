#include "views/remote_properties.h"

#include <ctime>

#include "views/display_format.h"

namespace nubo {

namespace {

std::string typeName(const RemoteEntry& entry, const std::vector<std::string>& typeNames) {
    const size_t row = entry.icon >> 16;
    return row < typeNames.size() ? typeNames[row] : std::string();
}

}  // namespace

std::string RemoteProperties::modifiedText(int64_t time) {
    const std::time_t seconds = static_cast<std::time_t>(time);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return {};
    char text[128];
    // The hour without a leading zero, as the Windows version's "%#I".
    const size_t length = std::strftime(text, sizeof text, "%A, %B %d, %Y %-I:%M:%S %p", &local);
    return std::string(text, length);
}

RemoteProperties RemoteProperties::of(const std::vector<RemoteEntry>& entries,
                                      const std::vector<std::string>& typeNames,
                                      const std::string& zoneName) {
    RemoteProperties p;
    if (entries.empty())
        return p;
    const RemoteEntry& first = entries.front();
    if (entries.size() == 1) {
        p.caption = first.name;
        p.name = first.name;
        p.type = typeName(first, typeNames);
        p.size = FormatSize(first.size, 2);
        int row = 0;
        if (first.type == EntryType::Link)
            p.rows[row++] = {"Links to:", first.linkTarget};
        p.rows[row++] = {"Modified:", modifiedText(first.time)};
        if (!zoneName.empty())
            p.rows[row] = {"Time:", zoneName};
        return p;
    }
    p.multiple = true;
    p.caption = first.name + ", ...";
    int files = 0, folders = 0, links = 0;
    int64_t total = 0;
    bool oneType = true;
    for (const RemoteEntry& entry : entries) {
        files += entry.type == EntryType::File;
        folders += entry.type == EntryType::Directory;
        links += entry.type == EntryType::Link;
        total += entry.size;
        oneType = oneType && (entry.icon >> 16) == (first.icon >> 16);
    }
    p.name = std::to_string(files) + " Files, " + std::to_string(folders) + " Folders, " +
             std::to_string(links) + " Symbolic Links";
    p.type = oneType ? "All of type " + typeName(first, typeNames) : "Multiple types";
    p.size = FormatSize(total, 2);
    return p;
}

std::string RemoteProperties::windowTitle() const {
    return caption.empty() ? std::string("properties") : caption + " Properties";
}

}  // namespace nubo
