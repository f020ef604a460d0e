#pragma once

#include <cstdint>
#include <vector>

namespace nubo {

// The data of a scrolling history graph (the Host page's data and control graphs):
// up to eight series of samples in a ring as wide as the graph, the scrolling grid
// phase, the scale, and the points to draw. The widget only maps these to pixels.
class HistorySeries {
  public:
    static constexpr int kMaxSeries = 8;

    struct Point {
        int x;
        int y;
    };

    // Sizes the ring to the graph's width: capacity = width / step. gridSpacing 0
    // leaves the graph blank.
    void setup(int width, int height, int gridSpacing, int step);
    // A new size for a graph that is set up: the ring follows the width and keeps the
    // newest samples that fit, the newest still at the right edge.
    void resize(int width, int height);
    // Adds a series (its first element 0); false beyond eight.
    bool addSeries();
    void reset();
    void setScale(int64_t value) { scaleMax_ = value > 0 ? value : 1; }
    int64_t scale() const { return scaleMax_; }
    // One value per series; refused when the count does not match.
    bool addSample(const std::vector<int64_t>& values);

    bool ready() const { return gridSpacing_ > 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    int capacity() const { return capacity_; }
    int stored() const { return stored_; }
    int seriesCount() const { return static_cast<int>(values_.size()); }
    // The polyline of a series: the oldest point first, the newest at the right,
    // (capacity - 1) x step; a value above the scale lies on the top edge.
    std::vector<Point> points(int series) const;
    // x of the vertical grid lines and y of the horizontal ones.
    std::vector<int> verticalGrid() const;
    std::vector<int> horizontalGrid() const;

  private:
    int width_ = 0;
    int height_ = 0;
    int gridSpacing_ = 0;
    int step_ = 2;
    int capacity_ = 0;
    std::vector<std::vector<int64_t>> values_;
    int stored_ = 0;
    int ring_ = 0;
    int phase_ = 0;
    int offset_ = 0;
    int64_t scaleMax_ = 1000;
};

}  // namespace nubo
