#include "views/history_series.h"

#include <cstddef>

namespace nubo {

void HistorySeries::setup(int width, int height, int gridSpacing, int step) {
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    gridSpacing_ = gridSpacing > 0 ? gridSpacing : 0;
    step_ = step > 0 ? step : 1;
    capacity_ = width_ / step_;
    for (std::vector<int64_t>& series : values_)
        series.assign(static_cast<size_t>(capacity_ > 0 ? capacity_ : 1), 0);
    reset();
}

void HistorySeries::resize(int width, int height) {
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    const int capacity = width_ / step_;
    if (capacity == capacity_)
        return;
    // The newest points that fit, oldest first from element 0: the ring starts over.
    const int kept = stored_ < capacity ? stored_ : capacity;
    const bool full = capacity_ > 0 && stored_ >= capacity_;
    for (std::vector<int64_t>& series : values_) {
        std::vector<int64_t> ordered(static_cast<size_t>(capacity > 0 ? capacity : 1), 0);
        for (int j = 0; j < kept; ++j) {
            const int age = stored_ - kept + j;
            const int index = full ? (ring_ + age) % capacity_ : age;
            ordered[static_cast<size_t>(j)] = series[static_cast<size_t>(index)];
        }
        series = std::move(ordered);
    }
    capacity_ = capacity;
    stored_ = kept;
    ring_ = 0;
    offset_ = capacity_ <= 0 ? 0 : stored_ > 0 ? capacity_ - stored_ : capacity_ - 1;
}

bool HistorySeries::addSeries() {
    if (seriesCount() >= kMaxSeries)
        return false;
    values_.emplace_back(static_cast<size_t>(capacity_ > 0 ? capacity_ : 1), 0);
    return true;
}

void HistorySeries::reset() {
    stored_ = 0;
    ring_ = 0;
    phase_ = gridSpacing_;
    offset_ = capacity_ > 0 ? capacity_ - 1 : 0;
    for (std::vector<int64_t>& series : values_)
        series[0] = 0;
}

bool HistorySeries::addSample(const std::vector<int64_t>& values) {
    if (static_cast<int>(values.size()) != seriesCount() || capacity_ <= 0)
        return false;
    if (stored_ == 0)
        stored_ = 1;  // the first sample follows the 0 already in element 0
    const int index = stored_ < capacity_ ? stored_ : ring_;
    for (size_t s = 0; s < values_.size(); ++s)
        values_[s][static_cast<size_t>(index)] = values[s];
    if (stored_ < capacity_) {
        ++stored_;
    } else if (++ring_ == capacity_) {
        ring_ = 0;
    }
    phase_ -= step_;
    if (phase_ < 0)
        phase_ += gridSpacing_;
    if (offset_ > 0)
        --offset_;
    return true;
}

std::vector<HistorySeries::Point> HistorySeries::points(int series) const {
    std::vector<Point> points;
    if (series < 0 || series >= seriesCount() || !ready())
        return points;
    const std::vector<int64_t>& values = values_[static_cast<size_t>(series)];
    const bool full = capacity_ > 0 && stored_ >= capacity_;
    points.reserve(static_cast<size_t>(stored_));
    for (int j = 0; j < stored_; ++j) {
        const int index = full ? (ring_ + j) % capacity_ : j;
        // 64 bits: a fast transfer's bytes per second times the height overflow 32.
        int64_t y = (height_ - 1) - values[static_cast<size_t>(index)] * height_ / scaleMax_;
        if (y < 0)
            y = 0;  // above the scale: drawn at the top edge
        points.push_back({(j + offset_) * step_, static_cast<int>(y)});
    }
    return points;
}

std::vector<int> HistorySeries::verticalGrid() const {
    std::vector<int> lines;
    for (int x = phase_; gridSpacing_ > 0 && x < width_; x += gridSpacing_)
        lines.push_back(x);
    return lines;
}

std::vector<int> HistorySeries::horizontalGrid() const {
    std::vector<int> lines;
    for (int y = gridSpacing_; gridSpacing_ > 0 && y < height_; y += gridSpacing_)
        lines.push_back(y);
    return lines;
}

}  // namespace nubo
