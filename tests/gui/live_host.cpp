#include "tests/gui/live_host.h"

#include <filesystem>

#include "tests/gui/gui_test_util.h"

namespace nubo::test {

LiveHost::LiveHost(DiagnosticsSink* sink, const std::vector<std::string>& serverArgs)
    : server(serverArgs) {
    config.SetInt("XAppVersion", 0x02020000);
    config.SetString("EMail", "tester@example.org");  // the anonymous password
    config.SetInt("Statistics", 1);
    config.SetInt("Passive", 1);
    config.SetString("AppData", home.appData());
    context.log = &log;
    context.config = &config;
    context.outlets = &outlets;
    context.remoteView = &remoteView;
    context.appKey = &appKey;
    context.dataFolder = home.appData();
    context.diagnosticsSink = sink;
    context.shortcuts = &shortcuts;
    context.desktopFolder = home.root() + "/Desktop";
    context.poster = [this](std::function<void()> work) {
        QMetaObject::invokeMethod(&postTarget, std::move(work), Qt::QueuedConnection);
    };
    config.SetPoster(context.poster);
    config.EnableNotifications(true);
    std::filesystem::create_directories(context.desktopFolder);
    std::filesystem::create_directories(home.appData());
}

LiveHost::~LiveHost() {
    stop();
}

HostController& LiveHost::start() {
    host = std::make_unique<HostController>(context);
    host->startUp();
    return *host;
}

void LiveHost::stop() {
    if (host == nullptr)
        return;
    if (host->control().sessionActive()) {
        host->control().logoff();
        pumpUntil([&] { return !host->control().sessionActive(); });
    }
    host->shutDown();
    host.reset();
}

bool LiveHost::logIn(const std::string& url) {
    host->selection().setUrlText(url.empty() ? server.url("", true) + "/" : url);
    host->selection().acceptTypedUrl();
    return host->control().connect() && pumpUntil([&] { return host->control().logoffEnabled(); });
}

bool LiveHost::logHas(const std::string& start) const {
    for (const std::string& logged : log.Lines()) {
        if (logged.rfind(start, 0) == 0)
            return true;
    }
    return false;
}

std::string LiveHost::logText() const {
    std::string text;
    for (const std::string& line : log.Lines())
        text += line + "\n";
    return text;
}

}  // namespace nubo::test
