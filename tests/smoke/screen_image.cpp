#include "tests/smoke/screen_image.h"

#include <fstream>
#include <iterator>

namespace nubo::test {

namespace {

uint32_t bigEndian(const std::vector<unsigned char>& bytes, size_t at) {
    return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 |
           uint32_t{bytes[at + 2]} << 8 | uint32_t{bytes[at + 3]};
}

}  // namespace

bool ScreenImage::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    if (file.size() < 100)
        return false;
    // The XWD header: 25 big-endian words, then the window name, then the colour map.
    const auto word = [&](int index) { return bigEndian(file, size_t(index) * 4); };
    const uint32_t headerSize = word(0), format = word(2), bitsPerPixel = word(11);
    const uint32_t colours = word(19);
    if (format != 2 || (bitsPerPixel != 32 && bitsPerPixel != 24))
        return false;
    width_ = int(word(4));
    height_ = int(word(5));
    msbFirst_ = word(7) != 0;
    bytesPerLine_ = int(word(12));
    bytesPerPixel_ = int(bitsPerPixel / 8);
    const size_t start = size_t(headerSize) + size_t(colours) * 12;
    const size_t size = size_t(bytesPerLine_) * size_t(height_);
    if (file.size() < start + size || bytesPerLine_ < width_ * bytesPerPixel_)
        return false;
    pixels_.assign(file.begin() + long(start), file.begin() + long(start + size));
    return true;
}

uint32_t ScreenImage::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    const unsigned char* at =
        &pixels_[size_t(y) * size_t(bytesPerLine_) + size_t(x) * size_t(bytesPerPixel_)];
    uint32_t value = 0;
    for (int i = 0; i < bytesPerPixel_; ++i)
        value |= uint32_t{at[msbFirst_ ? bytesPerPixel_ - 1 - i : i]} << (8 * i);
    return value & 0xffffff;
}

}  // namespace nubo::test
