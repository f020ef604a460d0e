#include "views/permissions_edit.h"

#include "engine/file_mode.h"

namespace nubo {

PermissionsEdit::PermissionsEdit(const std::vector<std::optional<uint16_t>>& modes) {
    bool first = true;
    bool unknown = false;
    for (const std::optional<uint16_t>& mode : modes) {
        if (!mode) {
            unknown = true;
            continue;
        }
        if (first)
            on_ = *mode & file_mode::kAllBits;
        else
            mixed_ |= static_cast<uint16_t>((on_ ^ *mode) & file_mode::kAllBits);
        first = false;
    }
    // An entry without a mode leaves the nine permission bits open; the special ones are
    // taken as off, as servers that give no mode rarely know them.
    if (unknown)
        mixed_ |= 0777;
    on_ &= static_cast<uint16_t>(~mixed_);
}

PermissionsEdit::State PermissionsEdit::state(uint16_t bit) const {
    if ((set_ & bit) != 0)
        return State::On;
    if ((clear_ & bit) != 0)
        return State::Off;
    if ((mixed_ & bit) != 0)
        return State::Mixed;
    return (on_ & bit) != 0 ? State::On : State::Off;
}

void PermissionsEdit::setBit(uint16_t bit, bool on) {
    bit &= file_mode::kAllBits;
    set_ = static_cast<uint16_t>(on ? set_ | bit : set_ & ~bit);
    clear_ = static_cast<uint16_t>(on ? clear_ & ~bit : clear_ | bit);
    // Back to what every entry has already: no change to send.
    if ((mixed_ & bit) == 0 && ((on_ & bit) != 0) == on) {
        set_ = static_cast<uint16_t>(set_ & ~bit);
        clear_ = static_cast<uint16_t>(clear_ & ~bit);
    }
}

std::string PermissionsEdit::octalText() const {
    if ((mixed_ & ~(set_ | clear_) & file_mode::kAllBits) != 0)
        return {};
    return file_mode::toOctal(static_cast<uint16_t>((on_ & ~clear_) | set_));
}

bool PermissionsEdit::setOctal(const std::string& text) {
    const std::optional<uint16_t> mode = file_mode::fromOctal(text);
    if (!mode)
        return false;
    for (uint16_t bit = 1; bit <= 04000; bit = static_cast<uint16_t>(bit << 1))
        setBit(bit, (*mode & bit) != 0);
    return true;
}

bool PermissionsEdit::changed() const {
    return (set_ | clear_) != 0;
}

ModeChange PermissionsEdit::change(bool recursive) const {
    return {set_, clear_, recursive};
}

}  // namespace nubo
