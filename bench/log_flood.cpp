// A flood of log lines from a worker thread (the raw listing log of a large directory)
// against the Log page: how long until the view shows the last line, and the longest
// time the event loop was kept from running. Offscreen; prints the figures.
#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <thread>

#include "base/app_log.h"
#include "base/config_store.h"
#include "shell/ui/log_list_model.h"
#include "shell/ui/log_page.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
    nubo::AppLog log;
    nubo::ConfigStore config;
    nubo::LogPage page(log, config);
    page.resize(800, 500);
    page.show();
    QApplication::processEvents();

    // The event loop's heartbeat: a 1 ms timer, and the longest gap between its ticks.
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0, longestStall = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestStall = std::max(longestStall, now - lastTick);
        lastTick = now;
    });
    heartbeat.start(1);

    qint64 writerDone = 0, shown = -1;
    std::thread writer([&] {
        for (int i = 0; i < lines; ++i) {
            log.LogExtended("drwxr-xr-x   2 ftp      ftp          4096 Jun 21  2020 folder-",
                            std::to_string(i));
        }
        writerDone = clock.elapsed();
    });
    lastTick = clock.elapsed();
    const int total = lines;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        QListView* list = page.list();
        if (page.model()->rowCount() >= total && shown < 0) {
            const QModelIndex last = page.model()->index(total - 1);
            if (list->visualRect(last).intersects(list->viewport()->rect())) {
                shown = clock.elapsed();
                QApplication::quit();
            }
        }
    });
    check.start(5);
    QTimer::singleShot(60000, [] { QApplication::quit(); });
    QApplication::exec();
    writer.join();
    std::printf("log flood: %d lines from a worker thread\n", lines);
    std::printf("  writer finished after        %6lld ms\n", static_cast<long long>(writerDone));
    std::printf("  last line on screen after    %6lld ms\n", static_cast<long long>(shown));
    std::printf("  longest event-loop stall     %6lld ms\n", static_cast<long long>(longestStall));
    return shown < 0 ? 1 : 0;
}
