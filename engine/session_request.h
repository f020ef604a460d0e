#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nubo {

enum class RequestKind : int32_t {
    ChangeDirectory = 0,
    ChangeDirectoryUp = 1,
    Delete = 2,
    Get = 3,
    Put = 4,
    Logoff = 5,
    MakeDirectory = 6,
    Rename = 7,
    ListToFile = 8,
};
inline constexpr int kRequestKindCount = 9;

// Flags of a ChangeDirectory request.
namespace cdflag {
inline constexpr uint32_t kTryParent = 1;
inline constexpr uint32_t kNoHistory = 2;
inline constexpr uint32_t kRefresh = 4;
}  // namespace cdflag

// A transfer value (Get and Put): bits 0-1 the type, bit 8 Update-ONLY, bits 16 and up
// the source of the names.
namespace transfer {
inline constexpr uint32_t kAscii = 0;
inline constexpr uint32_t kImage = 1;
inline constexpr uint32_t kSmart = 2;
inline constexpr uint32_t kTypeMask = 3;
inline constexpr uint32_t kUpdateOnly = 0x100;
inline constexpr uint32_t kSourceShift = 16;
// Sources: 0 view indices / dropped files, 1 one name, 2 command-line names behind a
// directory, 3 command-line names as they stand.
inline constexpr uint32_t kFromSelection = 0;
inline constexpr uint32_t kSingleName = 1;
inline constexpr uint32_t kCommandLineInDirectory = 2;
inline constexpr uint32_t kCommandLineAsGiven = 3;
inline constexpr uint32_t type(uint32_t value) {
    return value & kTypeMask;
}
inline constexpr uint32_t source(uint32_t value) {
    return value >> kSourceShift;
}
}  // namespace transfer

// What a request carries beyond its text and value: the entry indices of the remote
// view, or names (one remote file name, dropped local files). Owned by the request and
// released when it has run or is flushed.
struct RequestData {
    std::vector<int> indices;
    std::vector<std::string> names;
    void clear() {
        indices.clear();
        indices.shrink_to_fit();
        names.clear();
        names.shrink_to_fit();
    }
};

struct SessionRequest {
    RequestKind kind = RequestKind::Logoff;
    // The path or name. A Put of dropped files (source kFromSelection) with a text goes
    // into that directory and comes back; it uploads nothing when the directory cannot
    // be entered.
    std::string text;
    RequestData data;
    int32_t value = 0;
};

}  // namespace nubo
