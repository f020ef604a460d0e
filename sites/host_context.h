#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nubo {

class AppLog;
class ConfigStore;
class DiagnosticsSink;
class LocalViewUpkeep;
class MainOutlets;
class PasswordStore;
class RegistryKey;
class RemoteViewContract;
class ShortcutLibrary;

// What the Host page's logic works with: the log, the settings, the ports the session
// reports through, and how work reaches the owner's thread.
struct HostContext {
    using Poster = std::function<void(std::function<void()>)>;

    AppLog* log = nullptr;
    ConfigStore* config = nullptr;
    MainOutlets* outlets = nullptr;
    RemoteViewContract* remoteView = nullptr;
    LocalViewUpkeep* localView = nullptr;
    // Someone looks at the remote rows (the window), so an upload asks the server its
    // copy's time where it could not set it; see SessionContext::showsRemoteTimes.
    bool showsRemoteTimes = false;
    ShortcutLibrary* shortcuts = nullptr;  // null: no desktop shortcuts
    const RegistryKey* appKey = nullptr;   // the application's key (required)
    std::string dataFolder;                // "AppData", ending in "/"
    std::string desktopFolder;             // where shortcuts go; empty: the user's desktop
    Poster poster;                         // runs work on the owner's thread
    std::vector<std::string> commandLineArgs;
    // The command line's password when it came outside the argument list (from the
    // desktop handlers), and the netrc its URL's host is looked up in; empty: none.
    std::string commandLinePassword;
    std::string netrcPath;
    // Whether the netrc's "default" entry serves the command line's host: not for a run
    // started on a shortcut, whose host can be anyone's.
    bool netrcDefaultServes = true;
    // Where saved passwords go: the desktop keyring; null keeps them scrambled in the
    // settings file (a run that saves none, or tests).
    PasswordStore* passwords = nullptr;
    // The ping and trace route results; null: no diagnostics.
    DiagnosticsSink* diagnosticsSink = nullptr;
    // A NOOP after this many idle milliseconds (the window's sessions); 0: never.
    int keepAliveMs = 0;
    // Whether echo requests can be sent, and if not why; null: ask the system.
    // Tests stand in for a system without ICMP.
    std::function<bool(std::string* why)> icmpProbe;

    // Runs work on the owner's thread (at once without a poster).
    void post(std::function<void()> work) const {
        if (poster)
            poster(std::move(work));
        else
            work();
    }
};

// Told when anything the Host page shows changed; always on the owner's thread.
class HostControllerListener {
  public:
    virtual ~HostControllerListener() = default;
    virtual void hostStateChanged() = 0;
    // The running session's transfers, for the rate fields: a start with its expected
    // size (0 for a listing, -1 unknown), progress in bytes, an end; times in ms.
    virtual void transferStarted(int64_t /*expectedSize*/, int64_t /*startMs*/) {}
    virtual void transferProgress(int64_t /*bytes*/, int64_t /*nowMs*/) {}
    virtual void transferEnded(int64_t /*bytes*/, int64_t /*endMs*/) {}
    // A connect or a file was counted into the statistics database.
    virtual void statisticsCounted() {}
    // A session logged in with no command-line transfer to run: the live graphs start.
    virtual void sessionReady() {}
    // A session is over; message says why when it failed (SessionControl::
    // sessionMessage), empty after an orderly end.
    virtual void sessionFinished(const std::string& /*message*/) {}
    // The controller is being destroyed: the listener must not call it any more.
    virtual void hostControllerGone() {}
};

// The one listener the Host page's parts tell, held where all of them see it.
struct HostListenerSlot {
    HostControllerListener* listener = nullptr;

    void changed() const {
        if (listener != nullptr)
            listener->hostStateChanged();
    }
};

}  // namespace nubo
