#pragma once

#include <QElapsedTimer>
#include <QHeaderView>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "tests/gui/gui_test_util.h"
#include "views/ui/directory_table_model.h"

namespace nubo::bench {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The longest gap between two ticks of a 10 ms timer: how long the event loop stalled.
class StallMeter {
  public:
    StallMeter() {
        ticker_.setInterval(10);
        QObject::connect(&ticker_, &QTimer::timeout,
                         [this] { longest_ = std::max(longest_, gap_.restart()); });
    }
    void start() {
        longest_ = 0;
        gap_.start();
        ticker_.start();
    }
    qint64 stop() {
        ticker_.stop();
        return longest_;
    }

  private:
    QElapsedTimer gap_;
    QTimer ticker_;
    qint64 longest_ = 0;
};

// Clicks each column header in turn (Size, Type, Date/Time, then Name) and prints the time
// from the click to the view repainted with the rows in their new order.
inline void timeColumnSorts(QHeaderView* header, DirectoryTableModel* table, QWidget* shown) {
    bool changed = false;
    const QMetaObject::Connection watch =
        QObject::connect(table, &DirectoryTableModel::contentsChanged, [&] { changed = true; });
    const char* const names[] = {"Name", "Size", "Type", "Date/Time"};
    for (int column : {1, 2, 3, 0}) {
        changed = false;
        const Clock::time_point start = Clock::now();
        emit header->sectionClicked(column);
        test::pumpUntil([&] { return changed; }, 10000);
        shown->grab();
        std::printf("sort by %-9s %.0f ms\n", names[column], msSince(start));
    }
    QObject::disconnect(watch);
}

}  // namespace nubo::bench
