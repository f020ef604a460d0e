#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace nubo {

// The standard reflected CRC-32 (polynomial 0xEDB88320, initial value 0xFFFFFFFF,
// final complement), as the stored settings and credentials use it.
uint32_t crc32(std::string_view bytes);

}  // namespace nubo
