#pragma once

#include <cstdint>
#include <optional>

namespace nubo {

// A change of permissions as the properties box makes it: the bits to set and the bits
// to clear, every other bit left as each entry has it, so that one change serves a
// selection (and a folder's contents) whose modes differ.
struct ModeChange {
    uint16_t set = 0;
    uint16_t clear = 0;
    // Folders chosen are changed with everything below them (links are not followed).
    bool recursive = false;

    // The mode an entry gets: from its current one, or, when that is unknown, only from
    // a change that names all nine permission bits. Nothing when there is no mode to
    // send, or it would not change.
    std::optional<uint16_t> target(std::optional<uint16_t> current) const;
    // Whether a folder is changed before its contents: after them only when the change
    // takes the owner's read or execute away (the walk could not enter it after), and
    // never when it grants them (the walk may need them to enter).
    bool folderBeforeContents() const;
};

}  // namespace nubo
