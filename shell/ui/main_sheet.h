#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "engine/main_outlets.h"
#include "engine/transfer_queue.h"
#include "shell/ui/program_icons.h"

class QMenu;
class QProgressBar;
class QSystemTrayIcon;
class QTabWidget;

namespace nubo {

class ConfigStore;

// The program's only top-level window: the pages as tabs, the transfer progress beside
// them, in the title and in a tray icon, and the minimise-to-tray of "NoUITray". The
// rules of title, bar and icon are ProgressDisplay's; the exit sequence belongs to the
// owner, which the sheet asks through closeRequested.
class MainSheet : public QWidget {
    Q_OBJECT

  public:
    // What the tray menu needs of the session: whether one exists, whether its
    // logoff-and-exit is pending, and toggling it.
    struct SessionControl {
        std::function<bool()> exists;
        std::function<bool()> quitPending;
        std::function<void(bool)> setQuit;
    };

    explicit MainSheet(ConfigStore& config, QWidget* parent = nullptr);
    ~MainSheet() override;

    // Adds a page as the next tab.
    void addPage(QWidget* page, const QString& title, const QString& toolTip);
    // The opening size: as wanted, but never beyond the screen's free area (a large font
    // or QT_SCALE_FACTOR would otherwise open the window partly off the screen).
    void resizeWithinScreen(QSize wanted);
    // Takes the place, size and maximised state the settings kept (WindowMemory: on the
    // screen it stood on when that screen is there, within its free area) and keeps
    // them there as they change from now on.
    void rememberPlacement();
    QTabWidget* tabs() const { return tabs_; }
    QProgressBar* progressBar() const { return bar_; }
    void setSessionControl(SessionControl control) { session_ = std::move(control); }
    // Asked before a close the user chose (the window's close, Ctrl+Q, "&Close"): false
    // keeps the window open. None: the close goes on.
    void setCloseQuestion(std::function<bool()> question) { closeQuestion_ = std::move(question); }
    // The session's batch as its queue has it: the title and the tray count a batch of
    // several files whole, every connection's files, and say when some failed.
    void setBatchSource(std::function<BatchProgress()> source) { batch_ = std::move(source); }
    // Tests and desktops without a tray: whether a tray can be used.
    void setTrayAvailable(bool available) { trayAvailable_ = available; }

    // The MainOutlets calls, on the GUI thread.
    void setStatus(const QString& text);
    void reportProgress(const TransferProgress& progress);

    // Minimise: with "NoUITray" and a tray, hide and show the tray icon; otherwise to
    // the taskbar. Restore undoes either.
    void minimise();
    void restore();
    bool trayShown() const;
    // The icon number the tray shows (ProgressDisplay's numbering) and its tip.
    int trayIconIndex() const { return iconIndex_; }
    QString trayToolTip() const;
    // The tray menu, built as it is shown (for tests).
    QMenu* trayMenu();
    // The Options page's "Quit and &Uninstall Nubo PRO": remembered, then a close
    // request; the exit then saves nothing and starts the uninstaller.
    void requestUninstall();
    bool uninstallRequested() const { return uninstallRequested_; }
    // Marks the sheet as shutting down: closing no longer asks the owner.
    void setShuttingDown() { shuttingDown_ = true; }
    bool shuttingDown() const { return shuttingDown_; }

  signals:
    // The user closed the window or chose "&Close": the owner runs the exit sequence.
    void closeRequested();
    // The active page is left (a tab change, a minimise, the exit): pages apply edits.
    void pageLeaving(QWidget* page);
    // A page became the active tab: pages load what they show.
    void pageEntered(QWidget* page);

  protected:
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A close the user chose: asked first, then closeRequested.
    void userClose();
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showIcon(int index);
    void updateTrayMenu();
    // The tray when "NoUITray" is on and a tray exists (the active page's edits applied
    // first, so a tick given just now counts); false: the taskbar it is.
    bool hideToTray();
    // Ctrl+Tab and Ctrl+Shift+Tab that no page widget took: the focus moves on within
    // the page, not to another tab.
    void moveFocusWithinPage(bool forward);
    // The window manager's frame before the window is shown: a title bar and thin
    // borders, with some room to spare.
    QMargins frameEstimate() const;
    // Writes where the window stands now (after rememberPlacement).
    void keepPlacement();

    ConfigStore& config_;
    ProgramIcons icons_;
    QTabWidget* tabs_;
    QProgressBar* bar_;
    QSystemTrayIcon* tray_;
    QMenu* menu_;
    QAction* restoreAction_;
    QAction* logoffAction_;
    std::function<bool()> closeQuestion_;
    std::function<BatchProgress()> batch_;
    SessionControl session_;
    QPointer<QWidget> activePage_;
    int iconIndex_ = -1;
    bool trayAvailable_;
    bool shuttingDown_ = false;
    bool uninstallRequested_ = false;
    bool minimising_ = false;
    bool remembering_ = false;
};

}  // namespace nubo
