#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/folder_watch.h"
#include "views/local_entry.h"
#include "views/local_locations.h"
#include "views/remote_drag.h"
#include "views/reread_pacer.h"

class QAbstractItemView;
class QIcon;
class QComboBox;
class QSocketNotifier;
class QToolBar;

class QMimeData;

namespace nubo {

class DirectoryViews;
class FilterBar;
class LocalDirectoryModel;
class LocalTableModel;
struct EntryProperties;

// The local view of the Files page: the location combo (Desktop, Computer with its
// volumes, Network, and the folders entered below them), Up and "Create new LOCAL folder",
// and the folder in the four view modes. Folders are read off the GUI thread and followed
// on disk. Local items drag out as text/uri-list; the remote view's items dropped here are
// announced for a download. Boxes and the opener can be replaced for tests.
class LocalView : public QWidget {
    Q_OBJECT

  public:
    using QuestionBox = std::function<QMessageBox::StandardButton(
        const QString& title, const QString& text, QMessageBox::StandardButtons buttons)>;
    using Opener = std::function<void(const QString& path)>;
    // Shows the properties box: the texts, and the icon the item has in the list.
    using PropertiesBox = std::function<void(const EntryProperties& properties, const QIcon& icon)>;
    // This window's connected session (false when there is none) and its id, against
    // which a drag of remote rows is checked.
    using RemoteSession = std::function<bool(uint64_t* sessionId)>;

    explicit LocalView(LocalDirectoryModel& model, QWidget* parent = nullptr);
    ~LocalView() override;

    // The tools that go into the page's tool row, and the list area for the splitter.
    QToolBar* tools() const { return tools_; }
    DirectoryViews* views() const { return views_; }
    FilterBar* filterBar() const { return filter_; }
    QComboBox* locationBox() const { return location_; }
    LocalTableModel* tableModel() const { return table_; }
    const LocalLocations& locations() const { return locations_; }

    void setQuestionBox(QuestionBox box) { question_ = std::move(box); }
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    void setPropertiesBox(PropertiesBox box) { properties_ = std::move(box); }
    void setRemoteSession(RemoteSession session) { remoteSession_ = std::move(session); }

    // The first showing: the combo's items, then the transfer folder (or Computer).
    void start(const std::string& transferDir, const std::string& desktop,
               const std::vector<LocalLocations::Volume>& volumes);
    bool started() const { return started_; }
    // The folder shown; empty for Computer and Network.
    std::string folder() const;
    void openSelection();
    // Shows a folder (a bookmark's); false when it is no folder.
    bool openFolder(const std::string& path);
    void goUp();
    // Back to the folder shown before (Alt+Left).
    void goBack();
    void selectLocation(int index);
    void deleteSelection(bool permanently);
    void newFolder();
    void renameSelection();
    void showProperties();
    void refresh();
    QString statusText() const;

  signals:
    // Remote items were dropped on a folder: download them there.
    void remoteItemsDropped(const QString& folder, const nubo::RemoteDrag& drag);
    void statusChanged(const QString& text);
    // Another folder is shown (empty for Computer and Network).
    void folderShown(const QString& folder);
    // Escape in the list: the running transfer is to stop, as from the remote list.
    void stopWanted();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The question before a delete that skips the trash: the one item named, or the count.
    static QString permanentDeleteQuestion(const std::vector<LocalEntry>& chosen);
    void navigate();
    void refillLocationBox();
    void contextMenu(QAbstractItemView* view, const QPoint& at);
    void nameEdited(int entry, const QString& text);
    // "Rename failed." once the name's editor has closed: the box stands beside the name
    // the item kept.
    void refuseEditedName();
    bool handleKey(QKeyEvent* key);
    // The folder a drag over the view would drop into (a folder row, else the one shown).
    QString dropFolder(QAbstractItemView* view, const QPoint& at, int* highlightRow) const;
    // What a drop of that data at a point does; *drag gets the remote rows it carries.
    bool takesDrop(const QMimeData* mime, QAbstractItemView* view, const QPoint& at,
                   QString* folder, int* highlightRow, RemoteDrag* drag) const;
    QMessageBox::StandardButton ask(const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons);

    LocalDirectoryModel& model_;
    LocalLocations locations_;
    std::vector<LocalLocations::Volume> volumes_;
    LocalTableModel* table_;
    DirectoryViews* views_;
    FilterBar* filter_;
    // The folders left, the last one on top.
    std::vector<std::string> history_;
    bool goingBack_ = false;
    QToolBar* tools_;
    QComboBox* location_;
    // The folder shown, watched on disk; its changes read again as the pacer says.
    FolderWatch watch_;
    QSocketNotifier* watchNotifier_ = nullptr;
    RereadPacer pacer_;
    QElapsedTimer clock_;
    QTimer settle_;
    bool started_ = false;
    QuestionBox question_;
    Opener opener_;
    PropertiesBox properties_;
    RemoteSession remoteSession_;
};

}  // namespace nubo
