// A local file dragged out of the Files page's local view into another program's window,
// on a real X server (Xvfb), with the mouse moved by xdotool: the other program receives
// the file as text/uri-list.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/smoke/x_server.h"
#include "tests/support/test_util.h"

namespace nubo {
namespace {

namespace fs = std::filesystem;

// Starts the probe on the X server; its process id.
pid_t startProbe(const std::string& display, const std::vector<std::string>& args) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        unsetenv("QT_QPA_PLATFORM");
        unsetenv("WAYLAND_DISPLAY");
        std::vector<char*> argv = {const_cast<char*>(NUBO_DRAG_PROBE)};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(NUBO_DRAG_PROBE, argv.data());
        _exit(127);
    }
    return pid;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// From a folder, and from the Desktop location (an ordinary folder on Linux).
class DragOutSmokeTest : public ::testing::TestWithParam<bool> {};

TEST_P(DragOutSmokeTest, ALocalFileDraggedToAnotherProgramArrivesAsAUriList) {
    const bool desktop = GetParam();
    test::XServer x;
    ASSERT_FALSE(x.display().empty()) << "Xvfb did not start";
    test::TempFolder temp{"nubo-drag-out"};
    const std::string folder = temp.path() + "/local";
    fs::create_directories(folder);
    test::writeFile(folder + "/drag-me.txt", "dragged");
    const std::string received = temp.path() + "/received.txt";
    const std::string position = temp.path() + "/position.txt";

    const pid_t target = startProbe(x.display(), {"receive", received});
    ASSERT_TRUE(test::waitFor(
        [&] { return !x.xdotool("search --onlyvisible --name 'Nubo drop target'").empty(); },
        20000));
    std::vector<std::string> sourceArgs = {"source", folder, position};
    if (desktop)
        sourceArgs.push_back("desktop");
    const pid_t source = startProbe(x.display(), sourceArgs);
    ASSERT_TRUE(test::waitFor([&] { return !test::readFile(position).empty(); }, 20000));
    int fromX = 0, fromY = 0;
    std::istringstream(test::readFile(position)) >> fromX >> fromY;
    // Press on the item, move past the drag distance, over to the other window, let go.
    std::ostringstream drag;
    drag << "mousemove " << fromX << " " << fromY << " sleep 0.3 mousedown 1 sleep 0.2";
    for (int step = 1; step <= 6; ++step)
        drag << " mousemove " << fromX + step * 5 << " " << fromY + step * 2 << " sleep 0.05";
    for (int step = 1; step <= 10; ++step)
        drag << " mousemove " << fromX + (750 - fromX) * step / 10 << " "
             << fromY + (250 - fromY) * step / 10 << " sleep 0.1";
    drag << " sleep 0.5 mouseup 1";
    x.xdotool(drag.str());
    const bool arrived = test::waitFor([&] { return !test::readFile(received).empty(); }, 10000);
    stop(source);
    stop(target);
    ASSERT_TRUE(arrived) << "nothing was dropped";
    EXPECT_NE(test::readFile(received).find("file://" + folder + "/drag-me.txt"), std::string::npos)
        << test::readFile(received);
}

INSTANTIATE_TEST_SUITE_P(FolderAndDesktop, DragOutSmokeTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Desktop" : "Folder");
                         });

}  // namespace
}  // namespace nubo
