#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nubo {

// The name a download gathers its bytes under beside its target until it is whole, as
// the restart record keeps it: the target's name cut to `stem` bytes and a suffix by
// `variant` (".part", ".1.part", ".2.part", ...). Several candidates exist for one
// target because the folder may hold any of them already (a listed "x.part" beside "x",
// two long names that share their first 250 bytes, another connection's download).
// OlderRule, the value of zeros, is the only name older versions made: "NAME.part"
// with the name cut to fit 255 bytes.
struct PartialName {
    enum class Kind : uint8_t { OlderRule = 0, Chosen = 1, None = 2 };
    // Candidates tried for one target before the download gives up.
    static constexpr uint32_t kMaxVariants = 1000;

    Kind kind = Kind::OlderRule;
    uint32_t variant = 0;
    uint32_t stem = 0;

    // No partial file exists (a transfer that broke before its file was made).
    static PartialName none() { return {Kind::None, 0, 0}; }
    // The variant-th candidate for a target name within `longest` bytes (the folder's
    // NAME_MAX), cut at a character boundary; OlderRule where that is the same name.
    static PartialName candidate(const std::string& targetName, uint32_t variant, size_t longest);

    // The partial file's name for the target name; empty for None.
    std::string fileName(const std::string& targetName) const;
    // The partial file's path beside the target's path; empty for None.
    std::string pathFor(const std::string& targetPath) const;

    bool operator==(const PartialName&) const = default;
};

}  // namespace nubo
