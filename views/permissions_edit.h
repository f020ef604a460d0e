#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/mode_change.h"

namespace nubo {

// The permissions part of the properties box without widgets: the chosen entries' modes
// as twelve boxes (ticked, not ticked, or mixed where the entries differ or the listing
// gave none) and the octal text, both edited, and the change they make.
class PermissionsEdit {
  public:
    enum class State { Off, On, Mixed };

    // modes: each chosen entry's bits, nothing where they are not known.
    explicit PermissionsEdit(const std::vector<std::optional<uint16_t>>& modes);

    // The bit's box (a single bit of file_mode::kAllBits).
    State state(uint16_t bit) const;
    // A box ticked or cleared by the user.
    void setBit(uint16_t bit, bool on);
    // "755" when every bit is known, else "" (the entries differ, or no mode was given).
    std::string octalText() const;
    // An octal text typed: every bit takes its value; false (nothing changes) when the
    // text is no mode.
    bool setOctal(const std::string& text);
    // Whether the user changed a bit from what the entries have.
    bool changed() const;
    ModeChange change(bool recursive) const;

  private:
    uint16_t on_ = 0;     // set in every entry
    uint16_t mixed_ = 0;  // differs between the entries, or unknown
    uint16_t set_ = 0;
    uint16_t clear_ = 0;
};

}  // namespace nubo
