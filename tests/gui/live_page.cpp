#include "tests/gui/live_page.h"

#include <QAbstractItemView>

#include "tests/gui/view_input.h"
#include "views/ui/directory_views.h"
#include "views/ui/files_page.h"
#include "views/ui/remote_page.h"

namespace nubo::test {

bool LivePage::open(bool classic, int mode) {
    live_.context.localView = &localModel;
    live_.start();
    if (classic) {
        page = new RemotePage(live_.remoteView, live_.types, *live_.host, live_.config, live_.log,
                              true);
        top.reset(page);
    } else {
        auto* files = new FilesPage(live_.remoteView, live_.types, localModel, *live_.host,
                                    live_.config, live_.log);
        page = files->remotePage();
        top.reset(files);
    }
    top->resize(900, 500);
    if (!showActive(top.get())) {
        ADD_FAILURE() << "the page never became active";
        return false;
    }
    page->setViewMode(mode);
    remote = page->findChild<QAbstractItemView*>(mode == DirectoryViews::kDetails ? "remoteDetails"
                                                                                  : "remoteList");
    if (remote == nullptr || !live_.logIn()) {
        ADD_FAILURE() << "no view, or no login: " << live_.logText();
        return false;
    }
    return true;
}

void LivePage::close() {
    if (top == nullptr)
        return;
    live_.stop();
    page = nullptr;
    remote = nullptr;
    top.reset();
}

::testing::internal::ParamGenerator<std::tuple<bool, int>> everyModeAndInterface() {
    return ::testing::Combine(
        ::testing::Bool(),
        ::testing::Values(DirectoryViews::kLargeIcons, DirectoryViews::kSmallIcons,
                          DirectoryViews::kList, DirectoryViews::kDetails));
}

std::string modeAndInterfaceName(const ::testing::TestParamInfo<std::tuple<bool, int>>& info) {
    static const char* const kModes[] = {"LargeIcons", "SmallIcons", "List", "Details"};
    const int mode = std::get<1>(info.param) - DirectoryViews::kLargeIcons;
    return std::string(std::get<0>(info.param) ? "Classic_" : "Files_") +
           (mode >= 0 && mode < 4 ? kModes[mode] : std::to_string(mode));
}

}  // namespace nubo::test
