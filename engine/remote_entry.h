#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nubo {

enum class EntryType : int32_t { Directory = 0, Link = 1, File = 2 };

// One entry of a remote directory listing, as the listing parser makes it and the
// remote directory model keeps it: facts only (name, size, time, type, link target,
// permissions).
// What a view makes of them (type names, icons) is the view's.
struct RemoteEntry {
    static constexpr uint32_t kVmsName = 1;       // a VMS-style name ("NAME.EXT;3")
    static constexpr uint32_t kHasTimeOfDay = 2;  // the listing gave a time of day
    // The server gave the time exactly, in UTC (MLSD, MLST, MDTM): no zone setting
    // applies to it.
    static constexpr uint32_t kExactTime = 4;

    void reset();
    // Stores both and makes the size and date texts ("Jun 21 12:30" for times less than
    // about six months old or in the future, "Jun 21 1998" otherwise).
    void setSizeAndTime(int64_t newSize, int64_t newTime);
    void setName(std::string newName) { name = std::move(newName); }
    void setMode(uint16_t bits) {
        mode = bits;
        hasMode = true;
    }
    // The permission bits, when the listing gave them.
    std::optional<uint16_t> permissions() const {
        return hasMode ? std::optional<uint16_t>(mode) : std::nullopt;
    }

    // The local file name for a download: the listed name, without its version for a
    // VMS name. A link is saved under its own name, never its target's: the server
    // chooses the target, and a target's name (".bashrc") could replace a file of the
    // user's.
    std::string localName() const;
    // What RETR and CWD use: the link target for a link, else the name.
    const std::string& remoteName() const;
    // "[.NAME]" for a VMS name, else the remote name.
    std::string changeDirectoryName() const;
    // The name, with " -> target" for a link.
    std::string displayName() const;
    // A removed entry has an empty name.
    bool valid() const { return !name.empty(); }
    // False when the local name cannot name a file inside a folder: empty, ".", "..",
    // or holding "/" or a NUL byte, and for a link whose target ends in ".", ".." or
    // "/" (the folder itself or one above it). Such an entry is shown but never
    // written locally.
    bool hasUsableLocalName() const;

    std::string name;
    std::string sizeText;
    std::string dateText;
    int64_t size = 0;
    int64_t time = 0;
    std::string linkTarget;
    EntryType type = EntryType::File;
    uint32_t flags = 0;
    uint16_t mode = 0;  // the permission bits, when hasMode
    bool hasMode = false;
};

// "Jun 21 12:30" or "Jun 21 1998" for a time, as the remote view shows it.
std::string formatEntryDate(int64_t time, int64_t now);

}  // namespace nubo
