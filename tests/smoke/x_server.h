#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/background_process.h"
#include "tests/support/test_util.h"

namespace nubo::test {

// An X server of its own for the test (a 1600 x 900 screen), on the first free display
// from 90 on.
class XServer {
  public:
    XServer() {
        for (int number = 90 + getpid() % 200; number < 400 && display_.empty(); ++number) {
            const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
            if (std::filesystem::exists(socket) ||
                std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock"))
                continue;
            const std::string name = ":" + std::to_string(number);
            if (!process_.start(
                    // -noreset: an X server resets when its last client leaves, and a client
                    // connecting during that reset is refused (our own readiness check is a
                    // client that leaves).
                    // -fbdir: the screen is also an XWD file the test can look at.
                    {"/usr/bin/Xvfb", name, "-screen", "0", "1600x900x24", "-nolisten", "tcp",
                     "-noreset", "-fbdir", screenFolder_.path()},
                    "/tmp/nubo-xvfb" + name.substr(1) + ".log"))
                return;
            // Ready once a client can ask it something, not when its socket appears; and
            // it must be ours: another test may have taken the same number a moment
            // earlier, and then our server gives up while theirs answers.
            display_ = name;
            const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
            const auto ours = [&] { return std::atoi(readFile(lock).c_str()) == process_.pid(); };
            if (!waitFor(
                    [&] {
                        return !process_.alive() ||
                               (ours() && !xdotool("getdisplaygeometry").empty());
                    },
                    20000) ||
                !process_.alive() || !ours()) {
                display_.clear();
                process_.stop();
            }
        }
    }
    const std::string& display() const { return display_; }
    // The screen as it is now, as an XWD image file (see ScreenImage).
    std::string screenFile() const { return screenFolder_.path() + "/Xvfb_screen0"; }
    // Runs an xdotool command on this display; its standard output.
    std::string xdotool(const std::string& arguments) const {
        const std::string command =
            "DISPLAY=" + display_ + " xdotool " + arguments + " 2>/dev/null";
        std::string output;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[256];
            while (fgets(buffer, sizeof buffer, pipe) != nullptr)
                output += buffer;
            pclose(pipe);
        }
        while (!output.empty() && (output.back() == '\n' || output.back() == ' '))
            output.pop_back();
        return output;
    }

  private:
    TempFolder screenFolder_{"nubo-xvfb-screen"};
    BackgroundProcess process_;
    std::string display_;
};

}  // namespace nubo::test
