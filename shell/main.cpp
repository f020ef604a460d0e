#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "nubo_version.h"
#include "platform/shortcut_folder_rule.h"
#include "platform/termination_signals.h"
#include "shell/argument_secrets.h"
#include "shell/command_line_request.h"
#include "shell/headless_run.h"
#include "shell/start_up.h"
#include "shell/window_module.h"
#include "shellext/shortcut_library.h"

namespace {

void printUsage() {
    std::printf(
        "NuboPRO %s, an FTP client\n"
        "\n"
        "usage: nubopro [switches] [URL] [files...]\n"
        "  -u URL        the site; with file names, upload them there\n"
        "  -f URL        fetch one file, or with \";type=d\" write the listing to HOST.txt\n"
        "  -o FILE.nubo  take the site, folder, type and Update-ONLY from a shortcut file\n"
        "  -d DIR        the local folder for transfers\n"
        "  -p NAMES...   upload the names from the local folder (with -u and -d)\n"
        "  -g NAMES...   download the names into the local folder (with -u and -d)\n"
        "  -xa -xi -xx   transfer in ASCII, Image or Smart (auto-detect) mode\n"
        "  -v            Update-ONLY: transfer only files newer than the other side's\n"
        "  -z            exit with every result bit rather than the failures only\n"
        "  -i            install this unpacked copy for this user (menu, desktop link)\n"
        "  -rv 1 -rf FOLDER [-rd LINK] [-rm MENU]   uninstall (what the menu entry runs)\n"
        "  --help, --version\n"
        "\n"
        "Exit code: 0 when nothing failed; else 1 a download failed, 2 an upload failed,\n"
        "4 the login failed, 8 the connection failed (OR-ed). With -z: 1 downloaded,\n"
        "2 uploaded, 4 and 8 a download or upload skipped by Update-ONLY, 16 and 32 a\n"
        "download or upload failed, 64 login failed, 128 connection failed.\n"
        "\n"
        "With a display, nubopro opens its window; a transfer typed in a terminal runs\n"
        "without one, its log on standard error, and returns when done.\n"
        "Without a display (QT_QPA_PLATFORM=offscreen or minimal counts as none), transfers\n"
        "run the same way and the log goes to standard error.\n",
        nubo::kVersionText);
}

// What QT_QPA_PLATFORM ("name:options", fallbacks after ";") says about a display.
enum class PlatformDisplay { Desktop, None, Own };

PlatformDisplay platformDisplay(const std::string& platforms) {
    bool any = false, shown = false, own = false;
    size_t start = 0;
    while (start <= platforms.size()) {
        const size_t end = std::min(platforms.find(';', start), platforms.size());
        const std::string entry = platforms.substr(start, end - start);
        const std::string name = entry.substr(0, entry.find(':'));
        start = end + 1;
        if (name.empty())
            continue;
        any = true;
        if (name != "offscreen" && name != "minimal")
            shown = true;
        if (name == "linuxfb" || name == "eglfs" || name == "vnc" || name == "vkkhrdisplay" ||
            name == "minimalegl")
            own = true;
    }
    if (any && !shown)
        return PlatformDisplay::None;
    return own ? PlatformDisplay::Own : PlatformDisplay::Desktop;
}

// A display to open the window on. The offscreen and minimal platforms (test and CI
// runs set them) show nothing: a run under them is one without a display.
bool hasDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    switch (platformDisplay(platform == nullptr ? "" : platform)) {
        case PlatformDisplay::None:
            return false;
        case PlatformDisplay::Own:
            return true;  // a framebuffer, VNC or EGL screen without X or Wayland
        case PlatformDisplay::Desktop:
            break;
    }
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

}  // namespace

int main(int argc, char** argv) {
    // First of all, while nothing else has read them: the arguments are copied, and a
    // password in a URL is masked where ps shows it.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    nubo::maskUrlPasswords(argv + 1, nubo::CommandLineRequest::urlArguments(arguments));
    const std::string handedPassword = nubo::takeHandedPassword();
    std::signal(SIGPIPE, SIG_IGN);  // a closed connection is an error code, not a signal
    nubo::ShortcutLibrary shortcuts;
    nubo::CommandLineRequest request;
    request.startedByHandler = nubo::StartUp::takeShortcutStart();
    request.parse(arguments, nubo::StartUp::shortcutReader(shortcuts));
    request.handedPassword = handedPassword;
    if (!request.shortcutRefusal.empty())
        std::fprintf(stderr, "nubopro: %s\n", request.shortcutRefusal.c_str());
    if (request.versionRequested) {
        std::printf("NuboPRO %s\n", nubo::kVersionText);
        return 0;
    }
    const bool display = hasDisplay();
    if (request.helpRequested || (argc == 1 && !display)) {
        printUsage();
        return 0;
    }
    if (request.setupMode()) {
        // Installing and uninstalling happen in the window's setup pages. The ".nubo"
        // handlers are registered by the Install button, not by opening the window (a
        // Cancel leaves nothing), and an uninstall must not register what it removes.
        if (!display) {
            std::fprintf(stderr, "nubopro: installing and uninstalling need a display\n");
            return 1;
        }
        return nubo::WindowModule::run(true, request, shortcuts, argc, argv);
    }
    // A folder that a shortcut names is taken only where the rule allows; the run says
    // why when it is not (the log, the window).
    request.vetShortcutFolder(nubo::ShortcutFolderRule::forThisUser(),
                              nubo::StartUp::downloadsFolder);
    request.flags |= nubo::StartUp::ensureShortcutsRegistered(shortcuts);
    const bool transfer = nubo::transfers(request.mode);
    // A transfer typed in a terminal behaves like curl or lftp: log on the terminal,
    // back at the prompt when done. Runs the desktop starts have no terminal and get
    // the window.
    if (display && !(transfer && ::isatty(STDERR_FILENO))) {
        return nubo::WindowModule::run(false, request, shortcuts, argc, argv);
    }
    if (!transfer) {
        std::fprintf(stderr,
                     "nubopro: without a display only transfers run (-f, -g, -p or file names)\n");
        return request.shortcutRefusal.empty() ? 0 : 1;
    }
    nubo::TerminationSignals::install();
    return nubo::HeadlessRun(request, shortcuts, stderr).run();
}
