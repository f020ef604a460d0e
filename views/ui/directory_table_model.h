#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace nubo {

// A directory listing as a Qt table (Name, Size, Type, Date/Time), the common part of
// the remote and the local view's adapters. The core model changes on other threads; a
// subclass turns its events into markReset/markAppended, and the table applies them once
// per pass of the event loop: rows appended since the last pass are fetched and inserted,
// a reset fetches the row order once, an update fetches it and moves the rows to it. Entries are
// read one at a time when a view asks.
class DirectoryTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int kEntryIndexRole = Qt::UserRole + 1;
    static constexpr int kFolderRole = Qt::UserRole + 2;

    explicit DirectoryTableModel(QObject* parent = nullptr);

    // The entry index shown in a row, -1 when none; the row showing an entry, -1.
    int entryIndex(int row) const;
    int rowOf(int entryIndex) const;
    // Applies what the core reported (the event loop runs it on its own as well).
    void flush();
    // The row drawn highlighted as the target of a drag (-1: none).
    void setDropTarget(int row);

    // Names are edited in place (column 0); rows may be dragged where allowed.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  signals:
    // Rows were inserted or reset (the status text follows).
    void contentsChanged();
    // A name edited in place (the view's editor closed with a text).
    void nameEdited(int entryIndex, const QString& text);

  protected:
    // Any thread: the core's rows were replaced (another folder), or some were appended.
    void markReset();
    void markAppended();
    // Any thread: the same folder's rows were added, removed, re-sorted or changed while
    // each entry kept its index. Applied as removals, insertions and a layout change, so
    // the views keep their selection, current item and an editor that is open.
    void markUpdated();
    // The core's row order, and its rows from a row on.
    virtual std::vector<int> fetchRows() const = 0;
    virtual std::vector<int> fetchRowsFrom(size_t first) const = 0;
    // Re-reads what entries refer to (type names, icon names) before a flush applies.
    virtual void refreshTables() {}
    // One entry's data (the row and drop highlight are handled here).
    virtual QVariant entryData(int entryIndex, int column, int role) const = 0;
    // The text of a column: name, size, type name, date.
    static QVariant cellText(int column, const std::string& name, const std::string& size,
                             const std::string& type, const std::string& date);
    // A freedesktop icon with its fallbacks (asked for only the first time), cached by key.
    QIcon cachedIcon(size_t key, const std::function<std::vector<std::string>()>& names) const;

  private:
    void schedule();
    void applyUpdate(const std::vector<int>& fresh);

    std::vector<int> rows_;
    std::atomic<bool> scheduled_{false};
    std::atomic<bool> resetPending_{false};
    std::atomic<bool> appendPending_{false};
    std::atomic<bool> updatePending_{false};
    int dropTarget_ = -1;
    mutable std::vector<QIcon> icons_;
};

}  // namespace nubo
