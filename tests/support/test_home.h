#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace nubo::test {

// A temporary user home for a test: its own XDG config and data folders (settings,
// restart and statistics databases, desktop registration) and a work folder. While it
// lives, this process's HOME and XDG variables point into it, so nothing touches the
// real home. Everything is removed when it goes.
class TestHome {
  public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    const std::string& root() const { return root_; }
    std::string config() const { return root_ + "/config"; }
    std::string data() const { return root_ + "/data"; }
    // The "AppData" folder, ending in "/".
    std::string appData() const { return data() + "/Tkwa/Nubo/"; }
    std::string work() const { return root_ + "/work"; }
    // The system's data folders ($XDG_DATA_DIRS), empty until a test puts files there;
    // after hideSystemData the machine's own packages (an installed NuboPRO among them)
    // are out of sight. Icons and MIME types then come from nowhere: for core tests.
    std::string systemData() const { return root_ + "/system-share"; }
    void hideSystemData() const;
    std::string settingsFile() const { return config() + "/Tkwa/Nubo.conf"; }

  private:
    std::string root_;
    std::vector<std::pair<std::string, std::string>> saved_;
    std::vector<std::string> unset_;
};

struct ProgramResult {
    int exitCode = -1;  // -1: killed or not started
    std::string errorText;
    std::string outputText;
};

// Runs the built nubopro with the arguments in the home's work folder, without a
// display; gives up (killing it) after timeoutSeconds. With onTerminal, standard error
// is a pseudo-terminal whose output lands in errorText.
ProgramResult runNubopro(const TestHome& home, const std::vector<std::string>& args,
                         int timeoutSeconds = 120, bool onTerminal = false);
// The same, calling `watch` with the process id every 10 ms while the program runs (to
// send it a signal at the right moment); `environment` is set for the program on top of
// the home's (for example QT_QPA_PLATFORM, as CI jobs set it).
ProgramResult runNubopro(const TestHome& home, const std::vector<std::string>& args,
                         int timeoutSeconds, bool onTerminal,
                         const std::function<void(pid_t)>& watch,
                         const std::vector<std::pair<std::string, std::string>>& environment = {});

// The same for another program of ours (nubosx), with the same home, folder and
// environment rules.
ProgramResult runProgram(const TestHome& home, const std::string& binary,
                         const std::vector<std::string>& args, int timeoutSeconds = 120,
                         bool onTerminal = false, const std::function<void(pid_t)>& watch = {},
                         const std::vector<std::pair<std::string, std::string>>& environment = {});

}  // namespace nubo::test
