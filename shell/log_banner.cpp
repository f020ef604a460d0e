#include "shell/log_banner.h"

#include <sys/utsname.h>

#include "base/app_log.h"
#include "nubo_version.h"

namespace nubo {

namespace {

const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

std::string LogBanner::startLine(time_t now) {
    tm local{};
    localtime_r(&now, &local);
    // English names whatever the locale: the line is the same for every user.
    char date[64];
    std::snprintf(date, sizeof date, "%s %s %02d %02d:%02d:%02d %04d", kWeekdays[local.tm_wday],
                  kMonths[local.tm_mon], local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  local.tm_year + 1900);
    return std::string("[") + kProgramTitle + " (" + kVersionText + ") log started on " + date +
           "]";
}

std::string LogBanner::platformLine() {
    utsname name{};
    if (::uname(&name) != 0) {
        return "[Unknown platform]";
    }
    return std::string("[") + name.sysname + " " + name.release + " " + name.machine + "]";
}

void LogBanner::append(AppLog& log) {
    log.AppendLine(startLine(time(nullptr)));
    log.AppendLine(platformLine());
}

}  // namespace nubo
