#pragma once

#include "shell/ui/main_sheet.h"
#include "shell/ui/sheet_pages.h"
#include "tests/gui/live_host.h"

namespace nubo {

class LocalDirectoryModel;
class QtDiagnosticsSink;

namespace test {

// The program's main window with all its pages, over a test's host and settings, made
// as the program makes it (and made again, to see what it remembers).
struct MainWindow {
    MainWindow(LiveHost& live, LocalDirectoryModel& local, QtDiagnosticsSink& sink)
        : sheet(live.config) {
        pages = SheetPages::build(sheet, live.log, live.config,
                                  {*live.host, live.remoteView, live.types, local, sink}, "");
    }
    MainSheet sheet;
    SheetPages pages;
};

}  // namespace test
}  // namespace nubo
