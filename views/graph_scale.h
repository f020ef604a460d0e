#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace nubo {

// The scale of one history graph: a value of the scale table chosen in the combo, or
// "Auto", which for five ticks with traffic raises the scale to the first table value
// above the largest value seen and then shows that value in the combo. Unlike the
// Windows version, whose table ends at 1 MB and whose Auto then stays put, the table goes
// on to 1 GB and Auto keeps rising when a later sample would be clipped: a LAN transfer
// is a curve, not a line along the top edge.
class GraphScale {
  public:
    static constexpr std::array<int64_t, 24> kTable = {
        1000,   5000,   10000,  20000,  30000,   40000,    50000,     60000,
        70000,  80000,  90000,  100000, 200000,  300000,   400000,    500000,
        600000, 700000, 800000, 900000, 1000000, 10000000, 100000000, 1000000000};
    static constexpr int kAutoTicks = 5;

    // "Auto", then the table as "1 KB/s" ... "1 GB/s" (or without "/s"); a KB is 1000
    // bytes.
    static std::vector<std::string> comboLabels(bool perSecond);

    // A combo choice: 0 is "Auto", i (1 to 24) table value i - 1.
    void choose(int comboIndex);
    // One tick's two values. True when Auto has just made its choice or raised the
    // scale after it: the combo then shows comboIndex().
    bool observe(int64_t first, int64_t second);

    int64_t scale() const { return scale_; }
    // Whether Auto is in charge (the combo may show the value it chose).
    bool automatic() const { return automatic_; }
    // The combo index of the current scale (1 to 24).
    int comboIndex() const;
    bool counting() const { return countdown_ > 0; }

  private:
    int64_t scale_ = 1000;
    int64_t maximum_ = 0;
    int countdown_ = 0;
    bool automatic_ = false;
};

}  // namespace nubo
