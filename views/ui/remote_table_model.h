#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <atomic>
#include <vector>

#include "views/remote_directory_listener.h"

namespace nubo {

class RemoteDirectoryModel;

// The remote directory as a Qt table (Name, Size, Type, Date/Time) for the list and tree
// views. The core model changes on the session's thread; this adapter gathers its
// events and applies them once per pass of the event loop: rows appended since the last
// pass are fetched and inserted, a reset fetches the row order once. Entries are read
// one at a time when a view asks for them, never copied as a whole listing.
class RemoteTableModel : public QAbstractTableModel, public RemoteDirectoryListener {
    Q_OBJECT

  public:
    static constexpr int kEntryIndexRole = Qt::UserRole + 1;
    static constexpr int kDirectoryRole = Qt::UserRole + 2;  // Directory or Link

    explicit RemoteTableModel(RemoteDirectoryModel& core, QObject* parent = nullptr);
    ~RemoteTableModel() override;

    RemoteDirectoryModel& core() const { return core_; }
    // The entry index shown in a row, -1 when none.
    int entryIndex(int row) const;
    // The row showing an entry index, -1 when none.
    int rowOf(int entryIndex) const;
    // Applies what the core reported (also run by the event loop on its own).
    void flush();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // RemoteDirectoryListener, on any thread.
    void rowsAppended(size_t first, size_t count) override;
    void rowsReset() override;
    void pathTextChanged() override;
    void busyChanged(bool busy) override;
    void connectionChanged(bool connected) override;

  signals:
    // A name edited in place (the view's editor closed with a text).
    void nameEdited(int entryIndex, const QString& text);
    // Forwarded from the core, on the GUI thread.
    void pathChanged();
    void busyChangedQueued(bool busy);
    void connectionChangedQueued(bool connected);
    // Rows were inserted or reset (the status text follows).
    void contentsChanged();

  private:
    void schedule();
    QIcon iconFor(uint32_t packed) const;

    RemoteDirectoryModel& core_;
    std::vector<int> rows_;
    std::atomic<bool> scheduled_{false};
    std::atomic<bool> resetPending_{false};
    std::atomic<bool> appendPending_{false};
    std::vector<std::string> typeNames_;
    std::vector<std::string> iconNames_;
    std::vector<std::string> genericIconNames_;
    mutable std::vector<QIcon> icons_;
};

}  // namespace nubo
