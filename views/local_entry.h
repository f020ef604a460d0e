#pragma once

#include <cstdint>
#include <string>

namespace nubo {

// One item of the local view: a file or folder of the shown folder, or a volume of the
// Computer and Network locations (whose path lies elsewhere).
struct LocalEntry {
    std::string name;
    std::string path;  // the full path
    std::string sizeText;
    std::string dateText;
    std::string sortKey;  // the collation key of the name (numbers by value)
    int64_t size = 0;     // -1 for a new-folder placeholder
    int64_t time = 0;     // 0 for a new-folder placeholder
    bool folder = false;
    uint32_t typeRow = 0;  // row of the local type table

    bool placeholder() const { return size == -1 && time == 0; }
};

}  // namespace nubo
