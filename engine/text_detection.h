#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nubo {

// The Smart-mode test over the first 512 bytes: 0 binary (a byte below 0x07 or above
// 0x7F), 2 text with CR LF line ends, 1 other text.
int detectText(const uint8_t* sample, size_t length);

// Turns CR LF into LF across blocks: a CR that ends one block and the LF that starts
// the next are one line end. A CR not followed by LF is kept.
class CrLfToLf {
  public:
    // Appends the converted block to out.
    void convert(const uint8_t* data, size_t length, std::string& out);
    // What is still held back (a CR at the very end of the data).
    std::string finish();

  private:
    bool pendingCr_ = false;
};

}  // namespace nubo
