#pragma once

#include <QElapsedTimer>
#include <QStackedWidget>
#include <functional>
#include <string>
#include <vector>

class QAbstractItemView;
class QListView;
class QMenu;
class QTreeView;

namespace nubo {

class ConfigStore;
class DirectoryTableModel;

// The four view modes of a directory over one table: a list view for large icons, small
// icons and list, a tree view for details (Name, Size, Type, Date/Time), one selection
// shared by both. The remote and the local view each hold one.
class DirectoryViews : public QStackedWidget {
    Q_OBJECT

  public:
    enum ViewMode { kLargeIcons = 1, kSmallIcons = 2, kList = 3, kDetails = 4 };
    // The details' column widths in percent of the width: Size, Type, Date/Time.
    struct Widths {
        int size;
        int type;
        int date;
    };

    // name: the prefix of the object names ("remote": "remoteList", "remoteDetails").
    DirectoryViews(DirectoryTableModel* table, Widths widths, const QString& name,
                   QWidget* parent = nullptr);

    void setViewMode(int mode);
    int viewMode() const { return mode_; }
    QListView* list() const { return list_; }
    QTreeView* details() const { return details_; }
    QAbstractItemView* current() const;
    // The view a watched object (a view or its viewport) belongs to, or null.
    QAbstractItemView* viewOf(const QObject* object) const;
    bool isViewport(const QObject* object) const;
    // A name is being edited in place (the editor has the keyboard): keys that reach the
    // view now come from the editor (its Enter ends the edit and must not open the entry).
    bool editing() const;

    // Entry indices of the selected rows, in row order. A click in the list view selects
    // whole rows as well; a row counts when any of its cells is selected.
    std::vector<int> selectedEntries() const;
    // The details' header shows the sort column and its direction (a signed sort code:
    // 1 name, 2 type, 3 size, 4 time; negative descending).
    void showSortKey(int key);
    // Starts editing an entry's name in place.
    void editEntry(int entry);
    // Selects an entry's row alone, current and scrolled into sight.
    void selectEntry(int entry);
    // The "&View" menu (the four modes, the current one checked), a separator and
    // "Arrange &Icons" (name, type, size, date: codes 1-4 handed to arrange).
    void addViewMenus(QMenu& menu, const std::function<void(int)>& arrange);
    // Key presses and drops of both views and their viewports go to filter first.
    void watch(QObject* filter);
    // Takes the mode, sort and hand-sized columns the window kept under name (see
    // WindowMemory) and keeps them there as they change. sortKey reads the model's
    // order, restoreSort gives it the kept one. Called after the owner's own handling
    // of columnClicked is connected, so that the order kept is the new one.
    void remember(ConfigStore& config, const std::string& name, std::function<int()> sortKey,
                  const std::function<void(int)>& restoreSort);

  signals:
    void columnClicked(int column);
    void contextMenuWanted(QAbstractItemView* view, const QPoint& at);
    // A double click with exactly one item selected.
    void openWanted();
    // The in-place edit of an entry closed without a name (Escape).
    void editCancelled(int entry);
    void selectionChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The details' columns for the width there is: Size, Type and Date/Time as wide as
    // the Windows version's shares (with room for their texts), Name the rest. Where
    // that leaves Name less than a useful width, Type gives way, then Date/Time and Size
    // together down to a whole date and seven digits; narrower still, Name keeps its
    // minimum and the view scrolls sideways.
    void fitColumns();
    // Writes the layout to the window's memory (when remember was called).
    void keepLayout();
    // Scrolls to the entry whose name was just edited once its row has moved.
    void followEdited();

    DirectoryTableModel* table_;
    Widths widths_;
    QListView* list_;
    QTreeView* details_;
    int mode_ = kList;
    int editing_ = -1;
    // The entry whose name was edited last, its row then, and since when (-1: none).
    int followed_ = -1;
    int followedRow_ = -1;
    QElapsedTimer followedSince_;
    bool fitting_ = false;
    bool userSized_ = false;  // a column was sized by hand: the view keeps it
    ConfigStore* memory_ = nullptr;
    std::string memoryName_;
    std::function<int()> sortKey_;
};

}  // namespace nubo
