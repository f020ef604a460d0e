#pragma once

#include <QMessageBox>
#include <QWidget>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "base/app_log_listener.h"
#include "base/config_store.h"
#include "views/remote_directory_model.h"
#include "views/status_echo.h"
#include "views/transfer_planner.h"

class QAction;
class QComboBox;
class QLabel;
class QListView;
class QMenu;
class QStackedWidget;
class QSplitter;
class QHBoxLayout;
class QToolBar;
class QTreeView;
class QAbstractItemView;

namespace nubo {

class AppLog;
class DirectoryViews;
class FilterBar;
class FindDialog;
class ConfigStore;
class HostController;
class RemoteDirectoryModel;
class RemoteTableModel;
class TransfersPane;
class TypeTable;

// The remote view: the path combo, the tool bar (FORCE ASCII, FORCE Image, Update-ONLY,
// Back, Up, New folder sharing its place with STOP), the listing in four view modes (a
// list view for icons, small icons and list, a tree view for details, one selection
// between them), the status bar, context menus, keys and dropped files. The logic is in
// RemoteDirectoryModel and TransferPlanner; boxes and choosers can be replaced so that
// tests need no modal dialog.
class RemotePage : public QWidget, public AppLogListener {
    Q_OBJECT

  public:
    enum ViewMode {
        kLargeIcons = 1,
        kSmallIcons = 2,
        kList = 3,
        kDetails = 4
    };  // as DirectoryViews
    // A question box: title, text, buttons; the button pressed.
    using QuestionBox = std::function<QMessageBox::StandardButton(
        const QString& title, const QString& text, QMessageBox::StandardButtons buttons)>;
    // A folder chooser: title and the folder to start in; empty when cancelled.
    using FolderChooser = std::function<QString(const QString& title, const QString& start)>;
    // Shows the properties box (tests look at the texts instead).
    using PropertiesBox = std::function<void(const struct EntryProperties& properties)>;

    // types: the window's type table, which the page keeps following "LocalIcons".
    RemotePage(RemoteDirectoryModel& model, TypeTable& types, HostController& host,
               ConfigStore& config, AppLog& log, bool classic, QWidget* parent = nullptr);
    ~RemotePage() override;

    void setQuestionBox(QuestionBox box) { question_ = std::move(box); }
    void setFolderChooser(FolderChooser chooser) { chooser_ = std::move(chooser); }
    void setPropertiesBox(PropertiesBox box) { properties_ = std::move(box); }

    // ---- the user's actions ----
    void setViewMode(int mode);
    int viewMode() const;
    // Enter on the list: into a single directory or link, else a download.
    void openSelection();
    // A download of the selection into a folder; empty: the folder the Files page shows on
    // its left, else the chooser asks.
    bool downloadSelection(const QString& folder = {});
    // A download of entries chosen earlier (dragged rows) from their directory.
    bool downloadEntries(const QString& folder, RemoteDirectoryModel::Selection chosen);
    // Uploads local paths; dropped on a directory entry (-1: none) they go into it.
    // A filter given goes into the walk of the folders among them.
    bool upload(const QStringList& paths, int directoryEntry = -1,
                std::shared_ptr<const WalkFilter> walkFilter = nullptr);
    // A Delete of the selection: one question first; when it holds folders, the session
    // counts what they hold, and the question says so once the count is in.
    void deleteSelection();
    // The same for entries chosen elsewhere (Find's results), from their directory.
    void deleteEntries(RemoteDirectoryModel::Selection chosen);
    // "Find on the Server" (Ctrl+Shift+F): the dialog, opened or brought up.
    void openFind();
    FindDialog* findDialog() const { return find_; }
    // Enters a directory (unless shown) and selects the entry of that name there.
    void reveal(const std::string& directory, const std::string& name);
    void showProperties();
    void newFolder();
    void renameSelection();
    void listToFile();
    void stop();
    // Leaving the page: "UpdateONLY" is stored.
    void apply();
    // The session is over: the FTP echo gives way to why (empty after an orderly end),
    // so that the last reply of a dead server does not stay as if it still spoke.
    void showSessionEnd(const QString& message);

    // ---- what tests and the Files page look at ----
    int transferMode() const;
    void setTransferMode(int mode);
    bool updateOnly() const;
    std::vector<int> selectedEntries() const;
    QString statusText(int part) const;
    QComboBox* pathBox() const { return path_; }
    QListView* listView() const;
    QTreeView* detailsView() const;
    QAbstractItemView* currentView() const;
    DirectoryViews* views() const { return views_; }
    FilterBar* filterBar() const { return filter_; }
    RemoteTableModel* tableModel() const { return table_; }

    // AppLogListener (any thread): FTP commands and replies echo in the status bar.
    void lineAppended(size_t index, const std::string& text, LogLineKind kind) override;
    void logWiped() override {}

    // ---- for a page that shows another view beside this one (the Files page) ----
    // Puts that view's tools left of the remote tools and its list left of the remote
    // list, in the splitter (the large interface only).
    void addSideView(QWidget* tools, QWidget* view);
    // Items of the side view dropped on the remote list: their folder becomes the
    // transfer folder; downloads and the listing file go into the side view's folder.
    void setLocalSource(std::function<bool(const QObject*)> isLocal,
                        std::function<std::string()> localFolder) {
        isLocal_ = std::move(isLocal);
        localFolder_ = std::move(localFolder);
    }
    // The side view's filter for the walk of folders dropped from it (null: none).
    void setLocalWalkFilter(std::function<std::shared_ptr<const WalkFilter>()> filter) {
        localWalkFilter_ = std::move(filter);
    }
    // Enters a folder in the side view (a bookmark's local folder); false when it cannot.
    void setLocalEnter(std::function<bool(const std::string&)> enter) {
        enterLocal_ = std::move(enter);
    }
    // Writes a status bar part (0 local, 1 FTP echo, 2 remote in the large interface).
    void setStatusPart(int part, const QString& text);
    const std::string& transferDir() const { return planner_.transferDir(); }
    // Between the side view and the remote list; null in the Classic interface.
    QSplitter* splitter() const { return splitter_; }
    // The Transfers pane under the views, and the splitter between them.
    TransfersPane* transfersPane() const { return pane_; }
    QSplitter* transfersSplitter() const { return paneSplitter_; }
    bool connectedNow() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Queues the Get of the entries into the folder given, the Files page's left side or
    // the one chosen; the session asks about each local file that exists.
    bool download(const QString& folder, RemoteDirectoryModel::Selection chosen);
    void buildToolBar();
    void buildViews();
    // The Transfers pane below what the page shows, folded and sized as last time.
    void buildTransfersPane(QWidget* above);
    void placeTransfersPane();
    void connected(bool on);
    // STOP stands in for New folder while the session's connection moves a file or the
    // batch runs on (its last files may be on the batch's other connections).
    void busy(bool on);
    void batchRunning(bool on);
    void showStop();
    void updateStatus();
    void refreshPathBox();
    // The path box's menu: its edit items, then the bookmarks.
    void pathBoxMenu(const QPoint& at);
    void buildBookmarks();
    void contextMenu(QAbstractItemView* view, const QPoint& at);
    void nameEdited(int entry, const QString& text);
    // "Rename failed." once the name's editor has closed: the box stands beside the name
    // the item kept.
    void refuseEditedName();
    bool handleKey(QKeyEvent* key);
    // The keys of the whole page: F5, Alt+Up, Alt+Left, Ctrl+F.
    bool handlePageKey(QKeyEvent* key);
    // Selects the entry a Reveal waits for once its directory is shown whole.
    void revealWhenShown();
    // The question before a Delete of entries chosen, with what their folders hold; the
    // Delete on Yes (the folders' contents too when there are any).
    void confirmDelete(RemoteDirectoryModel::Selection chosen, const TreeCount& held);
    QMessageBox::StandardButton ask(const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons);

    RemoteDirectoryModel& model_;
    TypeTable& types_;
    HostController& host_;
    ConfigStore& config_;
    ConfigStore::Subscription localIconsWatch_ = 0;
    AppLog& log_;
    bool classic_;
    TransferPlanner planner_;
    RemoteTableModel* table_ = nullptr;
    QToolBar* tools_ = nullptr;
    QAction* forceAscii_ = nullptr;
    QAction* forceImage_ = nullptr;
    QAction* updateOnly_ = nullptr;
    QAction* back_ = nullptr;
    QAction* up_ = nullptr;
    QAction* newFolder_ = nullptr;
    QAction* stop_ = nullptr;
    bool busy_ = false;
    bool batchRunning_ = false;
    QComboBox* path_ = nullptr;
    DirectoryViews* views_ = nullptr;
    FilterBar* filter_ = nullptr;
    class QSplitter* splitter_ = nullptr;
    QSplitter* paneSplitter_ = nullptr;
    TransfersPane* pane_ = nullptr;
    bool panePlaced_ = false;
    class QHBoxLayout* toolRow_ = nullptr;
    std::vector<QLabel*> status_;
    std::function<bool(const QObject*)> isLocal_;
    std::function<std::string()> localFolder_;
    std::function<std::shared_ptr<const WalkFilter>()> localWalkFilter_;
    std::function<bool(const std::string&)> enterLocal_;
    class BookmarkMenu* bookmarks_ = nullptr;
    bool wasConnected_ = false;  // the entry whose name is being edited
    QuestionBox question_;
    FolderChooser chooser_;
    PropertiesBox properties_;
    // The newest FTP line for the status bar, taken once per pass of the event loop.
    std::mutex echoMutex_;
    std::string echo_;
    bool echoQueued_ = false;
    bool keepAliveReply_ = false;  // the reply to a keep-alive NOOP is not news
    StatusEcho echoRule_;          // on the GUI thread
    FindDialog* find_ = nullptr;
    // The entry a Reveal selects once its directory is shown.
    std::string revealDirectory_;
    std::string revealName_;
};

}  // namespace nubo
