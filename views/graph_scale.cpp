#include "views/graph_scale.h"

#include <algorithm>

namespace nubo {

namespace {

// The first table value above value; the last one when none is.
int64_t firstAbove(int64_t value) {
    const auto above =
        std::upper_bound(GraphScale::kTable.begin(), GraphScale::kTable.end(), value);
    return above != GraphScale::kTable.end() ? *above : GraphScale::kTable.back();
}

}  // namespace

std::vector<std::string> GraphScale::comboLabels(bool perSecond) {
    std::vector<std::string> labels = {"Auto"};
    const std::string suffix = perSecond ? "/s" : "";
    for (int64_t value : kTable) {
        labels.push_back(value >= 1000000000 ? std::to_string(value / 1000000000) + " GB" + suffix
                         : value >= 1000000  ? std::to_string(value / 1000000) + " MB" + suffix
                                             : std::to_string(value / 1000) + " KB" + suffix);
    }
    return labels;
}

void GraphScale::choose(int comboIndex) {
    automatic_ = comboIndex <= 0;
    if (automatic_) {
        countdown_ = kAutoTicks;
        maximum_ = 0;
        return;
    }
    countdown_ = 0;
    scale_ = kTable[static_cast<size_t>(std::min<int>(comboIndex, kTable.size()) - 1)];
}

bool GraphScale::observe(int64_t first, int64_t second) {
    if (!automatic_ || (first == 0 && second == 0))
        return false;
    const int64_t larger = std::max(first, second);
    if (countdown_ > 0) {
        --countdown_;
        maximum_ = std::max(maximum_, larger);
        scale_ = firstAbove(maximum_);
        return countdown_ == 0;
    }
    // Chosen already: a value on or above the top edge raises the scale, never lowers it.
    if (larger < scale_ || firstAbove(larger) == scale_)
        return false;
    maximum_ = larger;
    scale_ = firstAbove(larger);
    return true;
}

int GraphScale::comboIndex() const {
    const auto at = std::find(kTable.begin(), kTable.end(), scale_);
    return at == kTable.end() ? 0 : static_cast<int>(at - kTable.begin()) + 1;
}

}  // namespace nubo
