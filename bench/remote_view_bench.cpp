// The remote view with a large listing from a real pyftpdlib server, offscreen: time from
// the listing's end (the session logs "... cached a copy of") to all rows on screen,
// sorted and painted; the longest stall of the event loop while the entries arrive; and
// the time to sort by each other column (click to painted); the time to filter the rows
// by a pattern and to show them all again (set to painted).
// Usage: bench_remote_view [ENTRIES]
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "base/app_log_listener.h"
#include "bench/view_timing.h"
#include "tests/gui/gui_test_util.h"
#include "tests/gui/live_host.h"
#include "views/ui/remote_page.h"
#include "views/ui/remote_table_model.h"

namespace {

// Notes when the listing ended, on the session's thread.
class ListingEnd : public nubo::AppLogListener {
  public:
    void lineAppended(size_t, const std::string& text, nubo::LogLineKind) override {
        if (text.rfind("... cached a copy of ", 0) == 0)
            at = nubo::bench::Clock::now().time_since_epoch().count();
    }
    void logWiped() override {}
    std::atomic<nubo::bench::Clock::rep> at{0};
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    nubo::test::LiveHost live;
    if (!live.server.running()) {
        std::fprintf(stderr, "server: %s\n", live.server.startError().c_str());
        return 1;
    }
    std::filesystem::create_directories(live.server.root() + "/big");
    for (int i = 0; i < count; ++i)
        std::ofstream(live.server.root() + "/big/file-" + std::to_string(i) + ".dat")
            << std::string(static_cast<size_t>(i % 997), 'x');
    live.config.SetInt("LogExt", 1);
    live.config.SetInt("LocalIcons", 1);
    ListingEnd end;
    live.log.AddListener(&end);
    live.start();
    nubo::RemotePage page(live.remoteView, live.types, *live.host, live.config, live.log, true);
    page.resize(900, 600);
    page.show();
    page.setViewMode(nubo::RemotePage::kDetails);

    nubo::bench::StallMeter stalls;
    stalls.start();
    const nubo::bench::Clock::time_point loginStart = nubo::bench::Clock::now();
    if (!live.logIn(live.server.url("big", true))) {
        std::fprintf(stderr, "no login:\n%s", live.logText().c_str());
        return 1;
    }
    nubo::RemoteTableModel* table = page.tableModel();
    nubo::test::pumpUntil(
        [&] { return end.at != 0 && table->rowCount() == count && page.pathBox()->count() == 1; },
        120000);
    page.grab();  // painted
    const nubo::bench::Clock::time_point listingEnd{nubo::bench::Clock::duration(end.at.load())};
    const double shownMs = nubo::bench::msSince(listingEnd);
    const double wholeMs = nubo::bench::msSince(loginStart);
    const qint64 longest = stalls.stop();
    std::printf(
        "%d entries: on screen, sorted and painted %.0f ms after the listing's end; "
        "longest event-loop stall while listing %lld ms\n",
        table->rowCount(), shownMs, static_cast<long long>(longest));
    std::printf("from the login to every row painted %.0f ms\n", wholeMs);

    nubo::bench::timeColumnSorts(page.detailsView()->header(), table, &page);
    // The filter box: a pattern set at once (as pasted), then emptied, each to painted.
    auto* filterBox = page.findChild<QLineEdit*>("remoteFilter");
    for (const char* pattern : {"*7*.dat", "*.txt;!a*", "*.dat;!*7*", ""}) {
        bool changed = false;
        const QMetaObject::Connection watch = QObject::connect(
            table, &nubo::DirectoryTableModel::contentsChanged, [&] { changed = true; });
        const nubo::bench::Clock::time_point start = nubo::bench::Clock::now();
        filterBox->setText(pattern);
        nubo::test::pumpUntil([&] { return changed; }, 10000);
        page.grab();
        QObject::disconnect(watch);
        std::printf("filter \"%s\": %d rows shown, %.0f ms\n", pattern, table->rowCount(),
                    nubo::bench::msSince(start));
    }
    // New entries placed one at a time, as uploads into the folder are, while sorted by
    // type: each lands in its place without the whole folder being classified again.
    live.remoteView.arrangeBy(2);
    constexpr int kPlaced = 200;
    const nubo::bench::Clock::time_point placeStart = nubo::bench::Clock::now();
    for (int i = 0; i < kPlaced; ++i)
        live.remoteView.updateEntry("/big", "upload-" + std::to_string(i) + ".txt", i, 0,
                                    nubo::EntryType::File);
    std::printf("%d entries placed one at a time, sorted by type: %.2f ms each\n", kPlaced,
                nubo::bench::msSince(placeStart) / kPlaced);
    nubo::test::pumpUntil([&] { return table->rowCount() == count + kPlaced; }, 10000);
    live.log.RemoveListener(&end);
    live.stop();
    return table->rowCount() == 0 || table->rowCount() == count + kPlaced ? 0 : 1;
}
