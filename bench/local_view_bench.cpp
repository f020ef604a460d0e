// The local view with a large folder, offscreen: time from asking for the folder to all
// rows on screen, sorted and painted (the folder is read off the GUI thread), the longest
// stall of the event loop meanwhile, and the time to sort by each other column.
// Usage: bench_local_view [FILES]
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTimer>
#include <QTreeView>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "bench/view_timing.h"
#include "tests/gui/gui_test_util.h"
#include "tests/support/test_util.h"
#include "views/local_directory_model.h"
#include "views/ui/directory_views.h"
#include "views/ui/local_table_model.h"
#include "views/ui/local_view.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    nubo::test::TempFolder temp("nubo-bench-local");
    const std::string folder = temp.path() + "/big";
    std::filesystem::create_directories(folder);
    for (int i = 0; i < count; ++i)
        std::ofstream(folder + "/file-" + std::to_string(i) + ".dat")
            << std::string(static_cast<size_t>(i % 997), 'x');
    nubo::LocalDirectoryModel model;
    nubo::LocalView view(model);
    view.resize(900, 600);
    view.show();
    view.views()->setViewMode(nubo::DirectoryViews::kDetails);

    nubo::bench::StallMeter stalls;
    stalls.start();
    const nubo::bench::Clock::time_point start = nubo::bench::Clock::now();
    view.start(folder, temp.path() + "/Desktop", {{"File System", "/"}});
    nubo::LocalTableModel* table = view.tableModel();
    nubo::test::pumpUntil([&] { return table->rowCount() == count; }, 120000);
    view.grab();
    const double shownMs = nubo::bench::msSince(start);
    const qint64 longest = stalls.stop();
    std::printf(
        "%d files: read, sorted and painted %.0f ms after the folder was asked for; "
        "longest event-loop stall %lld ms\n",
        table->rowCount(), shownMs, static_cast<long long>(longest));
    nubo::bench::timeColumnSorts(view.views()->details()->header(), table, &view);
    // The list mode measures every name (in batches): how long until it is all laid out,
    // and the longest stall meanwhile.
    stalls.start();
    const nubo::bench::Clock::time_point listStart = nubo::bench::Clock::now();
    view.views()->setViewMode(nubo::DirectoryViews::kList);
    view.grab();
    const double firstPaint = nubo::bench::msSince(listStart);
    nubo::test::pumpUntil([] { return false; }, 3000);
    const qint64 listLongest = stalls.stop();
    std::printf("list mode: first paint %.0f ms; longest event-loop stall over 3 s %lld ms\n",
                firstPaint, static_cast<long long>(listLongest));
    return table->rowCount() == count ? 0 : 1;
}
