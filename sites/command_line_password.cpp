#include "sites/command_line_password.h"

#include "base/app_log.h"
#include "base/netrc.h"
#include "engine/ftp_url.h"
#include "platform/url_password.h"

namespace nubo {

CommandLinePassword::CommandLinePassword(AppLog& log, std::string handed, std::string netrcPath,
                                         bool defaultServes)
    : log_(log),
      handed_(std::move(handed)),
      netrcPath_(std::move(netrcPath)),
      defaultServes_(defaultServes) {}

void CommandLinePassword::complete(const std::string& text, FtpUrl* url) const {
    size_t begin = 0, end = 0;
    if (urlPasswordSpan(text, &begin, &end))
        return;
    if (!handed_.empty() && !url->userDefaulted) {
        url->password = FtpUrl::unescape(handed_);  // as the URL wrote it
        return;
    }
    if (netrcPath_.empty())
        return;
    Netrc netrc;
    std::string reason;
    switch (netrc.load(netrcPath_, &reason)) {
        case Netrc::Load::Missing:
            return;
        case Netrc::Load::Refused:
            log_.LogExtended("*** " + netrcPath_ + " not used: it " + reason);
            return;
        case Netrc::Load::Read:
            break;
    }
    std::string login, password;
    const std::string user = url->userDefaulted ? std::string() : url->user;
    if (!netrc.find(url->host, user, &login, &password, defaultServes_)) {
        if (!defaultServes_ && netrc.find(url->host, user, &login, &password, true))
            log_.LogExtended("... " + netrcPath_ + "'s \"default\" login not used for " +
                             url->host + ": a run started on a shortcut uses only a \"machine\" " +
                             "entry that names its host");
        return;
    }
    if (url->userDefaulted) {
        if (login.empty())
            return;  // a password without a login: the anonymous login keeps its own
        url->user = login;
        url->userDefaulted = false;
    }
    url->password = password;
    log_.LogExtended("... user " + url->user + " and password from " + netrcPath_);
}

}  // namespace nubo
