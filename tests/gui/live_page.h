#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <string>
#include <tuple>

#include "tests/gui/live_host.h"
#include "views/local_directory_model.h"

class QAbstractItemView;

namespace nubo {

class RemotePage;

namespace test {

// The remote view of either interface over a LiveHost: the Classic Remote page, or the
// Files page around one; shown, in a view mode, and logged in.
class LivePage {
  public:
    explicit LivePage(LiveHost& live) : live_(live) {}
    ~LivePage() { close(); }

    // Starts the host, shows the page, sets the mode and logs in; false (with the
    // failure added) when any step failed.
    bool open(bool classic, int mode);
    // Logs off and takes the page down.
    void close();

    LocalDirectoryModel localModel;
    std::unique_ptr<QWidget> top;
    RemotePage* page = nullptr;
    // The view of the mode: the list view, or the details view.
    QAbstractItemView* remote = nullptr;

  private:
    LiveHost& live_;
};

// Both interfaces (Classic first) in all four view modes, as a test's parameter.
::testing::internal::ParamGenerator<std::tuple<bool, int>> everyModeAndInterface();
std::string modeAndInterfaceName(const ::testing::TestParamInfo<std::tuple<bool, int>>& info);

}  // namespace test
}  // namespace nubo
