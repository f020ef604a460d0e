#pragma once

namespace nubo {

class AppSession;
class HostController;
class MainOutlets;
class MainSheet;

// The main window's exit, whatever asked for it (the window's close, "&Close" in the
// tray, Ctrl+Q, a session's close request, a termination signal, the desktop's logout):
// the active page applies its edits, a session ends with QUIT, the settings are saved,
// and for "Quit and &Uninstall Nubo PRO" nothing is saved and the uninstall record's
// program is started. Runs once.
class ExitSequence {
  public:
    ExitSequence(MainSheet& sheet, AppSession& app, HostController& host, MainOutlets& outlets);

    void run();
    bool ran() const { return ran_; }
    // False when a session would not end: the process must leave without destructors.
    bool sessionEnded() const { return sessionEnded_; }

  private:
    MainSheet& sheet_;
    AppSession& app_;
    HostController& host_;
    MainOutlets& outlets_;
    bool ran_ = false;
    bool sessionEnded_ = true;
};

}  // namespace nubo
