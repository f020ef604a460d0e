#include "engine/mode_change.h"

#include "engine/file_mode.h"

namespace nubo {

std::optional<uint16_t> ModeChange::target(std::optional<uint16_t> current) const {
    if (!current && ((set | clear) & 0777) != 0777)
        return std::nullopt;  // some bits would be guessed
    const uint16_t from = current.value_or(0);
    const uint16_t to = static_cast<uint16_t>(((from & ~clear) | set) & file_mode::kAllBits);
    if (current && to == *current)
        return std::nullopt;
    return to;
}

bool ModeChange::folderBeforeContents() const {
    return (set & 0500) != 0 || (clear & 0500) == 0;
}

}  // namespace nubo
