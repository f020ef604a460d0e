#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace nubo::test {

// A copy of an X screen from Xvfb's framebuffer file (XWD, 24 or 32 bits a pixel), for
// finding where something is drawn: the tests steer the mouse by what is on the screen,
// as a person does.
class ScreenImage {
  public:
    struct Box {
        int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; empty when right < left
        bool empty() const { return right < left; }
        int centreX() const { return (left + right) / 2; }
        int centreY() const { return (top + bottom) / 2; }
    };
    // False when the file is no ZPixmap XWD image of 24 or 32 bits a pixel.
    bool load(const std::string& path);
    int width() const { return width_; }
    int height() const { return height_; }
    // 0xRRGGBB.
    uint32_t pixel(int x, int y) const;
    // The box around the rows of `area` holding at least minRun pixels that `matches`
    // accepts: a selected item's highlight, not the few such pixels of an icon.
    template <class Match>
    Box band(const Box& area, int minRun, Match matches) const {
        Box found{0, 0, -1, -1};
        for (int y = area.top; y <= area.bottom && y < height_; ++y) {
            int count = 0, first = -1, last = -1;
            for (int x = area.left; x <= area.right && x < width_; ++x) {
                if (matches(pixel(x, y))) {
                    ++count;
                    last = x;
                    if (first < 0)
                        first = x;
                }
            }
            if (count < minRun)
                continue;
            if (found.empty()) {
                found = {first, y, last, y};
            } else {
                found.left = std::min(found.left, first);
                found.right = std::max(found.right, last);
                found.bottom = y;
            }
        }
        return found;
    }

  private:
    int width_ = 0;
    int height_ = 0;
    int bytesPerLine_ = 0;
    int bytesPerPixel_ = 0;
    bool msbFirst_ = false;
    std::vector<unsigned char> pixels_;
};

}  // namespace nubo::test
