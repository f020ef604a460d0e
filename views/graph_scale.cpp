#include "views/graph_scale.h"

#include <algorithm>

namespace nubo {

std::vector<std::string> GraphScale::comboLabels(bool perSecond) {
    std::vector<std::string> labels = {"Auto"};
    const std::string suffix = perSecond ? "/s" : "";
    for (int64_t value : kTable) {
        labels.push_back(value >= 1000000 ? std::to_string(value / 1000000) + " MB" + suffix
                                          : std::to_string(value / 1000) + " KB" + suffix);
    }
    return labels;
}

void GraphScale::choose(int comboIndex) {
    if (comboIndex <= 0) {
        countdown_ = kAutoTicks;
        maximum_ = 0;
        return;
    }
    countdown_ = 0;
    scale_ = kTable[static_cast<size_t>(std::min<int>(comboIndex, kTable.size()) - 1)];
}

bool GraphScale::observe(int64_t first, int64_t second) {
    if (countdown_ <= 0 || (first == 0 && second == 0))
        return false;
    --countdown_;
    maximum_ = std::max({maximum_, first, second});
    const auto above = std::upper_bound(kTable.begin(), kTable.end(), maximum_);
    scale_ = above != kTable.end() ? *above : kTable.back();
    return countdown_ == 0;
}

int GraphScale::comboIndex() const {
    const auto at = std::find(kTable.begin(), kTable.end(), scale_);
    return at == kTable.end() ? 0 : static_cast<int>(at - kTable.begin()) + 1;
}

}  // namespace nubo
