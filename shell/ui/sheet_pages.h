#pragma once

#include <string>

namespace nubo {

class AppLog;
class ConfigStore;
class HelpPage;
class LogPage;
class MainSheet;

// The pages of the main sheet, made and added in tab order for the interface that
// "Classic" chooses; pages apply their edits when they are left.
struct SheetPages {
    LogPage* log = nullptr;
    HelpPage* help = nullptr;

    static SheetPages build(MainSheet& sheet, AppLog& log, ConfigStore& config,
                            const std::string& helpFolder);
};

}  // namespace nubo
