#pragma once

#include <functional>
#include <string>

namespace nubo {

class AppLog;
class ConfigStore;
class HelpPage;
class LogPage;
class MainSheet;
class OptionsPage;
class SiteList;

// The pages of the main sheet, made and added in tab order for the interface that
// "Classic" chooses; pages apply their edits when they are left.
struct SheetPages {
    LogPage* log = nullptr;
    OptionsPage* options = nullptr;
    HelpPage* help = nullptr;

    // sites and selectedSite (the Host page's selection) serve the Options page.
    static SheetPages build(MainSheet& sheet, AppLog& log, ConfigStore& config, SiteList& sites,
                            std::function<std::string()> selectedSite,
                            const std::string& helpFolder);
};

}  // namespace nubo
