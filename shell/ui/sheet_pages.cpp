#include "shell/ui/sheet_pages.h"

#include "base/config_store.h"
#include "shell/ui/help_page.h"
#include "shell/ui/log_page.h"
#include "shell/ui/main_sheet.h"

namespace nubo {

SheetPages SheetPages::build(MainSheet& sheet, AppLog& log, ConfigStore& config,
                             const std::string& helpFolder) {
    const bool classic = config.GetInt("Classic") != 0;
    SheetPages pages;
    pages.log = new LogPage(log, config);
    pages.help = new HelpPage(log, classic, helpFolder);
    sheet.addPage(pages.log, "Log", "A record of your FTP session's commands and responses");
    if (classic) {
        sheet.addPage(pages.help, "About", "Legal stuff and contact info");
    } else {
        sheet.addPage(pages.help, "Help", "Legal stuff, contact info and HELP!");
    }
    LogPage* logPage = pages.log;
    QObject::connect(&sheet, &MainSheet::pageLeaving, &sheet, [logPage](QWidget* page) {
        if (page == logPage)
            logPage->apply();
    });
    // The window opens at the size the dialog units give; the pages stretch with it.
    const int unitX = sheet.fontMetrics().averageCharWidth();
    const int unitY = sheet.fontMetrics().height();
    sheet.resize(classic ? QSize(unitX * 240 / 4, unitY * 160 / 8)
                         : QSize(unitX * 376 / 4, unitY * 228 / 8));
    return pages;
}

}  // namespace nubo
